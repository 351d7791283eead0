#include "shell/document_controller.h"

#include <QFileInfo>

#include "document/browser_view.h"
#include "document/text_normalization.h"
#include "settings/ui/language_switch.h"
#include "shell/user_messages.h"

namespace tolvane::ui {

DocumentController::DocumentController(BrowserView& browser, settings::TGlobalVars& settings, QWidget* window)
    : QObject(window), m_browser(browser), m_settings(settings), m_window(window) {}

bool DocumentController::settleUnsavedEdits() {
  if (!m_state.DocModified) return true;
  switch (askQuestion(m_window, messageText("ResSaveDoc"),
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
      return save();
    case QMessageBox::No:
      return true;
    default:
      return false;
  }
}

void DocumentController::open(const PathChooser& choosePath) {
  if (!settleUnsavedEdits()) return;
  m_state.CurrentFileName.clear();  // a cancelled dialog leaves no current file; the page stays on view
  m_state.DocModified = false;
  emit stateChanged();
  const QString path = choosePath();
  if (!path.isEmpty()) load(path);
}

bool DocumentController::load(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  m_state.CurrentFileName = absolute.toStdString();
  m_settings.ContentUndo.clear();
  const html::FileStatus status = m_browser.navigate(m_state.CurrentFileName);
  emit currentFileChanged(absolute);
  emit stateChanged();
  return reportFileStatus(m_window, status);
}

void DocumentController::reload() {
  if (m_state.CurrentFileName.empty()) return;
  reportFileStatus(m_window, m_browser.navigate(m_state.CurrentFileName));
  emit stateChanged();
}

bool DocumentController::save() {
  const bool saved = reportFileStatus(m_window, SaveCurrentDocument(m_browser, m_state));
  emit stateChanged();
  return saved;
}

void DocumentController::saveAs(const PathChooser& choosePath) {
  if (!m_browser.currentDocument() || !settleUnsavedEdits()) return;
  const QString path = choosePath();
  if (path.isEmpty()) return;
  const std::string target = QFileInfo(path).absoluteFilePath().toStdString();
  if (!reportFileStatus(m_window, html::writeFileAtomically(target, GetPageMarkup(m_browser)))) return;
  load(QString::fromStdString(target));
}

void DocumentController::contentUndo() {
  if (trimControlAndSpace(m_settings.ContentUndo).empty() || m_state.CurrentFileName.empty()) return;
  // The snapshot is the page as the file holds it (its own encoding), so it is written as it is.
  const std::string snapshot = std::move(m_settings.ContentUndo);
  m_settings.ContentUndo.clear();
  if (reportFileStatus(m_window, html::writeFileAtomically(m_state.CurrentFileName, snapshot)))
    m_browser.navigate(m_state.CurrentFileName);
  emit stateChanged();
}

bool DocumentController::queryClose() {
  return settleUnsavedEdits();
}

}  // namespace tolvane::ui
