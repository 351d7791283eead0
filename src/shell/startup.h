#pragma once

class QApplication;

namespace tolvane::ui {

// Makes the icon theme the program's pictures come from available outside a desktop session.
void useIconTheme();

// The desktop program's run: the main window is created (settings loaded, language made active),
// the logo shows for three seconds, then the main window comes up and the event loop runs until
// it is closed. The command line is not read. Returns the exit code.
int runDesktopProgram(QApplication& application);

}  // namespace tolvane::ui
