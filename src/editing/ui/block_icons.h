#pragma once

#include <QIcon>

#include "document/text_block.h"

namespace tolvane::ui {

// The row icon of a block class: a coloured tile with the class's letter (T text, G image caption,
// C META content, V field value, S script string), drawn once and kept.
QIcon blockIcon(BlockClass blockClass);

}  // namespace tolvane::ui
