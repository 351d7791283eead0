#include "docking/ui/dockable_form.h"

#include "docking/ui/dock_title_bar.h"

namespace tolvane::ui {

TDockableForm::TDockableForm(QWidget* parent) : QDockWidget(parent), m_titleBar(new DockTitleBar(*this)) {
  setTitleBarWidget(m_titleBar);
  // Not movable: Qt's own drags (of the caption or of a tab) would dock past the program's rules.
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetFloatable);
}

void TDockableForm::setVisible(bool visible) {
  QDockWidget::setVisible(visible);
  if (m_moving > 0 || visible == m_shown) return;
  m_shown = visible;
  if (visible)
    emit shown();
  else
    emit hidden();
}

void TDockableForm::moveEvent(QMoveEvent* event) {
  rememberUndockedBounds();
  QDockWidget::moveEvent(event);
}

void TDockableForm::resizeEvent(QResizeEvent* event) {
  rememberUndockedBounds();
  QDockWidget::resizeEvent(event);
}

void TDockableForm::rememberUndockedBounds() {
  if (isFloating() && m_moving == 0) m_undockedBounds = geometry();
}

TDockableForm::MoveGuard::MoveGuard(TDockableForm& form) : m_form(form) {
  ++m_form.m_moving;
}

TDockableForm::MoveGuard::~MoveGuard() {
  if (--m_form.m_moving > 0) return;
  if (m_form.isHidden() == m_form.m_shown) m_form.QDockWidget::setVisible(m_form.m_shown);
}

}  // namespace tolvane::ui
