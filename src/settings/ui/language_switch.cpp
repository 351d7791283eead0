#include "settings/ui/language_switch.h"

#include <QCoreApplication>

namespace tolvane::ui {
namespace {

settings::Language& activeLanguage() {
  static settings::Language language = settings::Language::German;
  return language;
}

}  // namespace

LanguageSwitch::LanguageSwitch(QObject* parent) : QObject(parent) {}

LanguageSwitch::~LanguageSwitch() {
  QCoreApplication::removeTranslator(&m_translator);
}

void LanguageSwitch::apply(settings::Language language) {
  m_language = language;
  activeLanguage() = language;
  QCoreApplication::removeTranslator(&m_translator);
  const bool german = language == settings::Language::German;
  // Installing posts QEvent::LanguageChange to every window; the windows retranslate themselves.
  if (m_translator.load(german ? QStringLiteral(":/i18n/tolvane_de.qm")
                               : QStringLiteral(":/i18n/tolvane_en.qm")))
    QCoreApplication::installTranslator(&m_translator);
}

QString messageText(const char* key) {
  return QString::fromStdString(settings::MessageText(key, activeLanguage()));
}

}  // namespace tolvane::ui
