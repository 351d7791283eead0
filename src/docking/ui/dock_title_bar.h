#pragma once

#include <QPoint>
#include <QWidget>

class QLabel;
class QToolButton;

namespace tolvane::ui {

class TDockableForm;

// The caption line of a dockable window: its title and a close button. Pressing the caption and
// moving the mouse by the start distance drags the window; the form reports the drag, and the
// dock controller decides where the window goes. Qt's own dock drag never starts, since the bar
// keeps the mouse events to itself. Escape during the drag cancels it.
class DockTitleBar : public QWidget {
  Q_OBJECT
 public:
  explicit DockTitleBar(TDockableForm& form);

  QToolButton* closeButton() const { return m_close; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void endDrag();

  TDockableForm& m_form;
  QLabel* m_caption;
  QToolButton* m_close;
  bool m_pressed = false;
  bool m_dragging = false;
  QPoint m_pressGlobal;
  QPoint m_grabOffset;  // the press point from the form's top-left corner
};

}  // namespace tolvane::ui
