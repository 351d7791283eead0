#include "shell/startup.h"

#include <QApplication>
#include <QIcon>
#include <QSplashScreen>
#include <QTimer>

#include "settings/ui/settings_location.h"
#include "shell/logo.h"
#include "shell/main_window.h"

namespace tolvane::ui {

void useIconTheme() {
  // Outside a desktop session no theme is set; the edit commands' pictures come from Adwaita.
  QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
}

int runDesktopProgram(QApplication& application) {
  application.setApplicationName(QStringLiteral("Tolvane"));
  application.setApplicationDisplayName(QStringLiteral("Tolvane"));
  application.setApplicationVersion(QStringLiteral(TOLVANE_VERSION));
  useIconTheme();

  TfrmTranslator window(settingsPath());
  QSplashScreen logo(logoPixmap(), Qt::WindowStaysOnTopHint);
  logo.show();
  // A timer rather than a sleep: the logo is painted and the system sees a live program meanwhile.
  QTimer::singleShot(3000, &window, [&] {
    logo.close();
    window.show();
  });
  return application.exec();
}

}  // namespace tolvane::ui
