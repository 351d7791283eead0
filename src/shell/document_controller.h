#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "document/page_markup.h"
#include "settings/settings.h"

class QWidget;

namespace tolvane {
class BrowserView;
}

namespace tolvane::ui {

// The life cycle of the open page: open, save, save as, content undo, and the question about
// unsaved edits before the page is left. Errors the user can cause are shown through
// reportFileStatus; the program goes on.
class DocumentController : public QObject {
  Q_OBJECT
 public:
  // Asked for the file to open or save to; an empty answer cancels.
  using PathChooser = std::function<QString()>;

  DocumentController(BrowserView& browser, settings::TGlobalVars& settings, QWidget* window);

  DocumentState& state() { return m_state; }
  QString currentFile() const { return QString::fromStdString(m_state.CurrentFileName); }
  bool isModified() const { return m_state.DocModified; }

  // Asks about unsaved edits (Yes saves, No drops them, Cancel stops), then forgets the current
  // file, lets choosePath pick a page and loads it.
  void open(const PathChooser& choosePath);
  // Loads path as the current page (no question). Returns false when it cannot be read.
  bool load(const QString& path);
  // Loads the current file again (nothing when there is none); unsaved edits are dropped.
  void reload();
  // Asks ResSaveDoc when there are unsaved edits; false when the user cancels or saving fails.
  bool settleUnsavedEdits();
  // Writes the page over the current file. Returns false (after the message) when that fails.
  bool save();
  // Asks about unsaved edits, lets choosePath pick a file, writes the page there and loads it from there.
  void saveAs(const PathChooser& choosePath);
  // Writes the page as it was before the last edit over the current file and loads it again.
  void contentUndo();
  // True when the window may close: no unsaved edits, or the user saved or dropped them.
  bool queryClose();
  // The live document has been edited (the modified flag may have changed).
  void documentEdited() { emit stateChanged(); }

 signals:
  void stateChanged();  // the current file, the modified flag or the undo snapshot changed
  void currentFileChanged(const QString& path);

 private:
  BrowserView& m_browser;
  settings::TGlobalVars& m_settings;
  QWidget* m_window;
  DocumentState m_state;
};

}  // namespace tolvane::ui
