#pragma once

#include <QIcon>

#include "document/text_block.h"

class QPainter;
class QRect;

namespace tolvane::ui {

// The row icon of a block class: a coloured tile with the class's letter (T text, G image caption,
// C META content, V field value, S script string), drawn once and kept.
QIcon blockIcon(BlockClass blockClass);
// The same tile drawn at any size (the logo and the wizard's picture).
void paintBlockTile(QPainter& painter, BlockClass blockClass, const QRect& area);

}  // namespace tolvane::ui
