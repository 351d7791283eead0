#pragma once

#include <QMainWindow>
#include <array>
#include <string>

#include "document/browser_view.h"
#include "exchange/export_document.h"
#include "exchange/ui/import_export_wizard.h"
#include "settings/message_table.h"
#include "settings/settings.h"
#include "shell/document_controller.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QToolBar;

namespace tolvane::ui {

class DockController;
class LanguageSwitch;
class TDockableForm;
class TTagsList;
class TfrmEditText;
class WebBrowser;

// The main window: the page view with its title panel, the menus and tool bar with the file
// commands, the status bar, and the two tool windows (the tags list and the integrated editor).
// It only assembles itself; the page's life cycle is the DocumentController's.
class TfrmTranslator : public QMainWindow, private BrowserViewListener {
  Q_OBJECT
 public:
  // Loads the settings from settingsPath and makes the stored language active (which stores the
  // settings again).
  explicit TfrmTranslator(const QString& settingsPath, QWidget* parent = nullptr);
  ~TfrmTranslator() override;

  WebBrowser* webBrowser() const { return m_browser; }
  TTagsList* tagsList() const { return m_tagsList; }
  TfrmEditText* editor() const { return m_editor; }
  DockController* docks() const { return m_docks; }
  DocumentController* document() const { return m_document; }
  const settings::TGlobalVars& globalVars() const { return m_settings; }
  QLabel* titlePanel() const { return m_titlePanel; }
  QLabel* statusPanel(int index) const { return m_statusPanels.at(static_cast<size_t>(index)); }

  // Where Open and Save as get their file; the file dialogs unless replaced (tests replace them).
  void setOpenPathChooser(DocumentController::PathChooser chooser) { m_chooseOpenPath = std::move(chooser); }
  void setSavePathChooser(DocumentController::PathChooser chooser) { m_chooseSavePath = std::move(chooser); }

  // Refreshes which commands are available.
  void SetCrls();
  void SwitchLanguage(settings::Language language);
  // Makes path the current file and shows it (after the question about unsaved edits).
  void LoadHTMLFile(const QString& path);

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void createActions();
  void createMenus();
  void createToolBar();
  void createCentralArea();
  void createStatusBar();
  void createDockWindows();
  // The hide and show notifications of the tool windows: a panel that docks the window opens
  // with it, and its View entry follows it.
  void TagsListHidden();
  void TagsListShown();
  void EditorHidden();
  void EditorShown();
  void toolWindowShown(TDockableForm& form, QAction* toggle);
  void retranslateUi();
  void showCounts();
  void showTitle();
  void titleChange(const std::string& title) override;
  void mniAboutClick();
  // The exchange and options commands (main_window_commands.cpp).
  void mniExportirenClick();
  void Importieren1Click();
  void Optionen1Click();
  // Runs the import/export wizard from firstPage under the message captionKey; true on OK.
  bool runWizard(const char* captionKey, TfrmImportExport::Page firstPage);
  // Shows PB for one long operation and returns the callback that moves it; hideProgress ends it.
  ProgressCallback showProgress();
  void hideProgress();

  QString m_settingsPath;
  settings::TGlobalVars m_settings;
  LanguageSwitch* m_language;
  WebBrowser* m_browser;
  DocumentController* m_document;
  TTagsList* m_tagsList = nullptr;
  TfrmEditText* m_editor = nullptr;
  DockController* m_docks = nullptr;
  DocumentController::PathChooser m_chooseOpenPath;
  DocumentController::PathChooser m_chooseSavePath;
  std::string m_pageTitle;
  TImport m_import;  // what the import wizard last handed over

  QAction* mniOffnen = nullptr;
  QAction* mniSichern = nullptr;
  QAction* mniSichernals = nullptr;
  QAction* mniExportiren = nullptr;
  QAction* Importieren1 = nullptr;
  QAction* Beenden1 = nullptr;
  QAction* mniEnglish = nullptr;
  QAction* mniDeutsch = nullptr;
  QAction* Optionen1 = nullptr;
  QAction* mniTagList = nullptr;
  QAction* mniInplaceEditor = nullptr;
  QAction* berdasProgramm1 = nullptr;
  QAction* btnContentUndo = nullptr;
  QMenu* File1 = nullptr;
  QMenu* Extra1 = nullptr;
  QMenu* Sprache1 = nullptr;
  QMenu* Window1 = nullptr;
  QMenu* N3 = nullptr;
  QToolBar* ToolBar1 = nullptr;
  QProgressBar* PB = nullptr;
  QAction* m_progressItem = nullptr;  // PB's place in the tool bar
  QLabel* m_titlePanel = nullptr;
  std::array<QLabel*, 4> m_statusPanels{};
};

}  // namespace tolvane::ui
