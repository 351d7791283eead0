#include "word/ui/word_session.h"

#include <QCoreApplication>
#include <QWidget>
#include <string>

#include "settings/ui/language_switch.h"
#include "shell/user_messages.h"
#include "word/ui/queued_word_events.h"
#include "word/ui/word_plugin.h"

namespace tolvane::ui {

WordSession::WordSession(QWidget& window, BlockList& list, ApplyFunction apply)
    : m_window(window),
      m_apply(std::move(apply)),
      m_processor(createWordProcessor()),
      m_editor(
          std::make_unique<word::TWordEditor>(*m_processor, static_cast<word::WordEditorHost&>(*this), list)),
      m_events(std::make_unique<QueuedWordEvents>(*m_editor)) {
  m_processor->setEvents(m_events.get());
}

WordSession::~WordSession() {
  m_processor->setEvents(nullptr);  // the quit below reports nothing more
  m_events.reset();
  m_editor.reset();
}

bool WordSession::confirm(std::string_view messageKey) {
  return askQuestion(&m_window, messageText(std::string(messageKey).c_str()),
                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void WordSession::showError(std::string_view messageKey) {
  ui::showError(&m_window, messageText(std::string(messageKey).c_str()));
}

void WordSession::bringToFront() {
  QWidget* top = m_window.window();
  top->show();
  top->raise();
  top->activateWindow();
  m_window.raise();
}

void WordSession::textDropped(std::string_view text) {
  showMessage(&m_window,
              QCoreApplication::translate("tolvane::ui::WordSession",
                                          "The page has been reloaded since the text was sent to the "
                                          "word processor, and no row holds it any more. The text that "
                                          "came back was not written:\n\n%1")
                  .arg(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
}

}  // namespace tolvane::ui
