#pragma once

#include <QPixmap>

namespace tolvane::ui {

// The program's logo (410 x 129), shown by the start-up window and at the head of the about box.
QPixmap logoPixmap();

}  // namespace tolvane::ui
