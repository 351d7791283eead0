#pragma once

#include <QObject>
#include <QString>
#include <QTranslator>

#include "settings/message_table.h"

namespace tolvane::ui {

// The language of the user interface: installs the forms' translation, so that every open window
// receives QEvent::LanguageChange and retranslates itself, and keeps the language that the message
// table answers in.
class LanguageSwitch : public QObject {
  Q_OBJECT
 public:
  explicit LanguageSwitch(QObject* parent = nullptr);
  ~LanguageSwitch() override;

  void apply(settings::Language language);
  settings::Language language() const { return m_language; }

 private:
  QTranslator m_translator;
  settings::Language m_language = settings::Language::German;
};

// The message-table text of key in the language the last LanguageSwitch applied (German before any).
QString messageText(const char* key);

}  // namespace tolvane::ui
