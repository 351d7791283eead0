#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// The QtTest classes of the one GUI test program; each test file registers its class.
using GuiTestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<GuiTestFactory>& guiTests();
bool registerGuiTest(GuiTestFactory factory);

#define TOLVANE_GUI_TEST(Class) \
  static const bool registered##Class = registerGuiTest([] { return std::make_unique<Class>(); })
