#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "settings/settings.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace tolvane::ui {

// What the import wizard hands to the import command.
struct TImport {
  QString TxtFile;
  QString TmpFile;
  QString OutputFile;
};

// The small wizard both exchange commands use: the export picks its folder (written to ExportFolder
// the moment it is picked), the import its template, text file and output file. It reads and writes
// no exchange file itself.
class TfrmImportExport : public QDialog {
  Q_OBJECT
 public:
  enum class Page { Export1, Export2, Import1, Import2 };

  // Asked for a folder (instruction text) or a file (filter, start folder); an empty answer cancels.
  using FolderChooser = std::function<QString(const QString& instruction)>;
  using FileChooser = std::function<QString(const QString& filter, const QString& folder)>;

  TfrmImportExport(settings::TGlobalVars& settings, TImport& import, QWidget* parent = nullptr);

  void setActivePage(Page page);
  Page activePage() const;

  // The file dialogs unless replaced (tests replace them).
  void setFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }
  void setOpenFileChooser(FileChooser chooser) { m_chooseOpenFile = std::move(chooser); }
  void setSaveFileChooser(FileChooser chooser) { m_chooseSaveFile = std::move(chooser); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* createExportPage1();
  QWidget* createExportPage2();
  QWidget* createImportPage1();
  QWidget* createImportPage2();
  void NotebookPageChanged();
  void btnNextClick();
  void btnBackClick();
  void SpeedButton1Click();
  void LbOutFolderExit();
  void SpeedButton4Click();
  void storeExportFolder(const QString& folder);
  void copyToImport();

  settings::TGlobalVars& m_settings;
  TImport& m_import;
  FolderChooser m_chooseFolder;
  FileChooser m_chooseOpenFile;
  FileChooser m_chooseSaveFile;
  QStackedWidget* Notebook = nullptr;
  QLineEdit* LbOutFolder = nullptr;
  QLineEdit* edTmpFile = nullptr;
  QLineEdit* edTxtFile = nullptr;
  QLineEdit* edOutputFile = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* btnBack = nullptr;
  QPushButton* btnNext = nullptr;
  bool m_nextCloses = false;  // btnNext ends the dialog with OK on the page shown
};

}  // namespace tolvane::ui
