#include "docking/ui/dock_title_bar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

#include "docking/ui/dockable_form.h"

namespace tolvane::ui {

DockTitleBar::DockTitleBar(TDockableForm& form)
    : QWidget(&form), m_form(form), m_caption(new QLabel), m_close(new QToolButton) {
  setObjectName("DockTitleBar");
  m_caption->setObjectName("DockCaption");
  m_close->setObjectName("DockCloseButton");
  QFont bold = m_caption->font();
  bold.setBold(true);
  m_caption->setFont(bold);
  m_caption->setForegroundRole(QPalette::HighlightedText);
  m_caption->setTextFormat(Qt::PlainText);
  m_caption->setMinimumWidth(1);  // a long caption is cut, it does not widen the window
  m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);  // the bar itself takes the drag
  m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  m_close->setAutoRaise(true);
  m_close->setFocusPolicy(Qt::NoFocus);
  m_close->setFixedSize(16, 16);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 2, 2, 2);
  layout->setSpacing(2);
  layout->addWidget(m_caption, 1);
  layout->addWidget(m_close);

  m_caption->setText(form.windowTitle());
  connect(&form, &QWidget::windowTitleChanged, m_caption, &QLabel::setText);
  connect(m_close, &QToolButton::clicked, &form, &QWidget::close);
}

void DockTitleBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  m_pressed = true;
  m_pressGlobal = event->globalPosition().toPoint();
  m_grabOffset = m_pressGlobal - m_form.mapToGlobal(QPoint(0, 0));
  event->accept();
}

void DockTitleBar::mouseMoveEvent(QMouseEvent* event) {
  if (!m_pressed) return QWidget::mouseMoveEvent(event);
  const QPoint global = event->globalPosition().toPoint();
  if (!m_dragging) {
    if ((global - m_pressGlobal).manhattanLength() < QApplication::startDragDistance()) return;
    m_dragging = true;
    // The key goes to whichever widget has the focus, so the application's events are watched.
    qApp->installEventFilter(this);
    emit m_form.dragStarted(m_grabOffset);
  }
  emit m_form.dragMoved(global);
  event->accept();
}

void DockTitleBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !m_pressed) return QWidget::mouseReleaseEvent(event);
  const bool dropped = m_dragging;
  endDrag();
  if (dropped) emit m_form.dragReleased(event->globalPosition().toPoint());
  event->accept();
}

void DockTitleBar::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();  // Qt would dock or float the window itself, past the program's rules
}

void DockTitleBar::hideEvent(QHideEvent* event) {
  if (m_dragging) emit m_form.dragCancelled();  // the window went away under the mouse
  endDrag();
  QWidget::hideEvent(event);
}

bool DockTitleBar::eventFilter(QObject* watched, QEvent* event) {
  if (m_dragging && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    endDrag();
    emit m_form.dragCancelled();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void DockTitleBar::endDrag() {
  if (m_dragging) qApp->removeEventFilter(this);
  m_pressed = m_dragging = false;
}

void DockTitleBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(
      rect(), palette().color(isActiveWindow() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight));
}

}  // namespace tolvane::ui
