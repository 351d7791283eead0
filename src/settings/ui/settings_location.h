#pragma once

#include <QString>

namespace tolvane::ui {

// The settings file of the desktop program: $TOLVANE_SETTINGS when it is set (tests and portable
// installs use it), else the file beside the program (or in the user's configuration folder).
QString settingsPath();

}  // namespace tolvane::ui
