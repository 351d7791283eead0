#include "editing/ui/block_icons.h"

#include <QPainter>
#include <QPixmap>
#include <array>

namespace tolvane::ui {
namespace {

struct Tile {
  QChar letter;
  QColor foreground;
  QColor background;
};

// Indexed by BlockClass.
const std::array<Tile, 5> kTiles = {{
    {'T', Qt::yellow, Qt::blue},
    {'G', Qt::blue, Qt::yellow},
    {'C', Qt::yellow, QColor(0, 128, 0)},
    {'V', Qt::cyan, Qt::magenta},
    {'S', QColor(255, 165, 0), Qt::yellow},
}};

QIcon drawTile(const Tile& tile) {
  QPixmap pixmap(15, 16);
  pixmap.fill(tile.background);
  QPainter painter(&pixmap);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(12);
  painter.setFont(font);
  painter.setPen(tile.foreground);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(tile.letter));
  return QIcon(pixmap);
}

}  // namespace

QIcon blockIcon(BlockClass blockClass) {
  static const std::array<QIcon, 5> icons = [] {
    std::array<QIcon, 5> drawn;
    for (size_t i = 0; i < kTiles.size(); ++i) drawn[i] = drawTile(kTiles[i]);
    return drawn;
  }();
  return icons[static_cast<size_t>(blockClass) % icons.size()];
}

}  // namespace tolvane::ui
