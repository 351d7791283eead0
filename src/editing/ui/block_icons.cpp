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

}  // namespace

void paintBlockTile(QPainter& painter, BlockClass blockClass, const QRect& area) {
  const Tile& tile = kTiles[static_cast<size_t>(blockClass) % kTiles.size()];
  painter.fillRect(area, tile.background);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(area.height() * 3 / 4);
  painter.save();
  painter.setFont(font);
  painter.setPen(tile.foreground);
  painter.drawText(area, Qt::AlignCenter, QString(tile.letter));
  painter.restore();
}

QIcon blockIcon(BlockClass blockClass) {
  static const std::array<QIcon, 5> icons = [] {
    std::array<QIcon, 5> drawn;
    for (size_t i = 0; i < kTiles.size(); ++i) {
      QPixmap pixmap(15, 16);
      QPainter painter(&pixmap);
      paintBlockTile(painter, static_cast<BlockClass>(i), pixmap.rect());
      painter.end();
      drawn[i] = QIcon(pixmap);
    }
    return drawn;
  }();
  return icons[static_cast<size_t>(blockClass) % icons.size()];
}

}  // namespace tolvane::ui
