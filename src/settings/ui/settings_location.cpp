#include "settings/ui/settings_location.h"

#include <QCoreApplication>

#include "settings/settings.h"

namespace tolvane::ui {

QString settingsPath() {
  const QString fromEnvironment = qEnvironmentVariable("TOLVANE_SETTINGS");
  if (!fromEnvironment.isEmpty()) return fromEnvironment;
  return QString::fromStdString(
      settings::settingsFilePath(QCoreApplication::applicationFilePath().toStdString()));
}

}  // namespace tolvane::ui
