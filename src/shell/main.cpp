#include <QApplication>

#include "document/ui/page_scheme.h"
#include "shell/startup.h"

int main(int argc, char* argv[]) {
  tolvane::ui::registerPageScheme();  // before the application object, as the web engine requires
  QApplication application(argc, argv);
  return tolvane::ui::runDesktopProgram(application);
}
