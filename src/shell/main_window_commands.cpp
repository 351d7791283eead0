// The main window's exchange and options commands.
#include <QFileInfo>
#include <QProgressBar>

#include "document/ui/web_browser.h"
#include "editing/ui/tags_list.h"
#include "exchange/import_document.h"
#include "settings/ui/language_switch.h"
#include "settings/ui/options_dialog.h"
#include "shell/main_window.h"
#include "shell/user_messages.h"

namespace tolvane::ui {

ProgressCallback TfrmTranslator::showProgress() {
  PB->setRange(0, 0);
  PB->setValue(0);
  m_progressItem->setVisible(true);
  return [this](size_t done, size_t total) {
    // The bar counts rows; a range of int is plenty for the rows of a page.
    if (PB->maximum() != static_cast<int>(total)) PB->setMaximum(static_cast<int>(total));
    PB->setValue(static_cast<int>(done));  // repaints at once when the bar moves
  };
}

void TfrmTranslator::hideProgress() {
  m_progressItem->setVisible(false);
}

bool TfrmTranslator::runWizard(const char* captionKey, TfrmImportExport::Page firstPage) {
  TfrmImportExport wizard(m_settings, m_import, this);
  wizard.setWindowTitle(messageText(captionKey));
  wizard.setActivePage(firstPage);
  return wizard.exec() == QDialog::Accepted;
}

void TfrmTranslator::mniExportirenClick() {
  if (m_document->currentFile().isEmpty()) return;
  if (!runWizard("Res001", TfrmImportExport::Page::Export1)) return;

  const html::FileStatus exported =
      ExportDocument(m_tagsList->blocks(), *m_browser, m_document->state().CurrentFileName,
                     m_settings.ExportFolder, showProgress());
  hideProgress();
  if (!reportFileStatus(this, exported)) return;
  reportFileStatus(this, settings::SaveSettings(m_settings, m_settingsPath.toStdString()));
  showMessage(this, messageText("Res002"));
}

void TfrmTranslator::Importieren1Click() {
  if (!runWizard("Res003", TfrmImportExport::Page::Import1)) return;

  const ImportResult result = ImportDocument(m_import.TxtFile.toStdString(), m_import.TmpFile.toStdString(),
                                             m_import.OutputFile.toStdString(), showProgress());
  hideProgress();
  switch (result.outcome) {
    case ImportResult::Outcome::Written:
      if (askQuestion(this, messageText("Res004"), QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        LoadHTMLFile(m_import.OutputFile);
      break;
    case ImportResult::Outcome::MissingInput:
      showError(this, messageText("Res005"));
      break;
    case ImportResult::Outcome::Failed:
      showError(this, QString::fromStdString(result.error));
      break;
  }
}

void TfrmTranslator::LoadHTMLFile(const QString& path) {
  // Loading another page must not drop unsaved edits of this one without asking.
  if (m_document->settleUnsavedEdits()) m_document->load(path);
}

void TfrmTranslator::Optionen1Click() {
  TfrmOptions options(this);
  options.load(m_settings);
  if (options.exec() != QDialog::Accepted) return;
  options.store(m_settings);
  if (!reportFileStatus(this, settings::SaveSettings(m_settings, m_settingsPath.toStdString()))) return;
  // A save that fails keeps the page as it is: the reload would drop the edits the user wanted kept.
  if (m_document->isModified() &&
      askQuestion(this, messageText("ResSaveDoc"), QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes &&
      !m_document->save())
    return;
  m_document->reload();  // the rescan after the load applies the new scan options
  SetCrls();
}

}  // namespace tolvane::ui
