#include <QApplication>
#include <QTest>
#include <algorithm>

#include "document/ui/page_scheme.h"
#include "shell/startup.h"
#include "support/gui_test_registry.h"

std::vector<GuiTestFactory>& guiTests() {
  static std::vector<GuiTestFactory> tests;
  return tests;
}

bool registerGuiTest(GuiTestFactory factory) {
  guiTests().push_back(std::move(factory));
  return true;
}

// "gui_tests [CLASS] [QtTest options]": with a class name first, only that class runs.
int main(int argc, char* argv[]) {
  tolvane::ui::registerPageScheme();
  QApplication application(argc, argv);
  application.setApplicationDisplayName(QStringLiteral("Tolvane"));
  application.setQuitOnLastWindowClosed(false);
  tolvane::ui::useIconTheme();  // the tests close main windows on purpose
  std::vector<std::unique_ptr<QObject>> tests;
  for (const GuiTestFactory& make : guiTests()) tests.push_back(make());
  const QString first = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
  const bool oneClass = std::any_of(
      tests.begin(), tests.end(), [&](const auto& test) { return first == test->metaObject()->className(); });
  int failures = 0;
  for (const auto& test : tests) {
    if (!oneClass)
      failures += QTest::qExec(test.get(), argc, argv);
    else if (first == test->metaObject()->className())
      failures += QTest::qExec(test.get(), argc - 1, argv + 1);
  }
  return failures == 0 ? 0 : 1;
}
