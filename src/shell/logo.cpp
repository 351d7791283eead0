#include "shell/logo.h"

#include <QLinearGradient>
#include <QPainter>

#include "editing/ui/block_icons.h"

namespace tolvane::ui {

QPixmap logoPixmap() {
  QPixmap pixmap(410, 129);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient background(0, 0, 0, 129);
  background.setColorAt(0, QColor(24, 52, 110));
  background.setColorAt(1, QColor(48, 96, 170));
  painter.fillRect(pixmap.rect(), background);

  // The five block tiles, as the tags list shows them.
  for (int i = 0; i < 5; ++i)
    paintBlockTile(painter, static_cast<BlockClass>(i), QRect(24 + i * 30, 20, 26, 28));

  QFont title = painter.font();
  title.setPixelSize(46);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(Qt::white);
  painter.drawText(QRect(20, 52, 370, 52), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tolvane"));

  QFont subtitle = painter.font();
  subtitle.setPixelSize(14);
  subtitle.setBold(false);
  painter.setFont(subtitle);
  painter.setPen(QColor(220, 230, 255));
  painter.drawText(QRect(22, 100, 370, 22), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("HTML pages translated in place"));
  return pixmap;
}

}  // namespace tolvane::ui
