#pragma once

#include <memory>
#include <optional>
#include <string>

#include "docking/ui/dockable_form.h"
#include "document/block_list.h"
#include "document/browser_view.h"
#include "document/page_markup.h"
#include "settings/settings.h"

class QTableView;

namespace tolvane::ui {

class BlockListModel;
class WebBrowser;
class WordSession;

// The tool window "Tags-Liste": the block list of the page on view. It empties the list when a page
// load begins and rebuilds it when the page is complete; selecting a row highlights its text in the
// page (asking before each further copy) and hands the text to the editor.
class TTagsList : public TDockableForm, private BlockListListener, private BrowserViewListener {
  Q_OBJECT
 public:
  TTagsList(WebBrowser& browser, settings::TGlobalVars& settings, DocumentState& state,
            QWidget* parent = nullptr);
  ~TTagsList() override;

  const BlockList& blocks() const { return m_blocks; }
  QTableView* lvTags() const { return m_view; }
  int64_t wordCount() const { return m_words; }
  // The group of the selected row; nullptr when no row is selected.
  TDuplTags* selectedGroup();

  // Rebuilds the block list from the live document; after a successful scan the page counts as
  // unmodified and the window comes to the front.
  void Rescan();
  // Writes text into every block of the selected row's group (nothing when no row is selected)
  // and shows the changed page. Returns the outcome of the save that AutoSave makes.
  html::FileStatus applyText(const std::string& text);
  // Sends the selected row's group to the word processor, making the word editor on first use.
  // False when the user action ends there (no row, the word processor is missing or failed).
  bool EditInWord();

 signals:
  void countsChanged();                               // blocks, words or filtered duplicates changed
  void listRebuilt();                                 // after a successful rescan: the editor empties itself
  void textSelected(const QString& text, bool edit);  // a row was selected (edit: double-click)
  void blockEdited();                                 // a group's text was applied

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // The counts are shown once, when the scan has ended, rather than for every row added.
  void scanFinished(const BlockList& list) override;
  void scanMessage(const std::string& text) override;
  void downloadBegin() override;
  void documentComplete() override { Rescan(); }

  void FreeGroups();
  // The edit of one group: writes text into its blocks and shows the changed page.
  html::FileStatus applyTextTo(TDuplTags& group, const std::string& text);
  // Scans the live document into the list; false when the scan met an element it cannot handle.
  bool rebuild();
  void ShowSelectedBlock();
  void ClearPageSelection();
  void lvTagsDblClick();
  void lvTagsColumnClick(int column);
  void retranslateUi();

  WebBrowser& m_browser;
  settings::TGlobalVars& m_settings;
  DocumentState& m_state;
  BlockList m_blocks;
  BlockListModel* m_model;
  QTableView* m_view;
  int64_t m_words = 0;
  int m_sortColumn = 0;
  std::string m_selectedTag;  // "<P >" of the selected row, for the caption
  std::unique_ptr<WordSession> m_word;  // none until a row is first sent to the word processor
};

}  // namespace tolvane::ui
