#include "docking/ui/dock_host.h"

#include <QCloseEvent>
#include <QDockWidget>

#include "docking/ui/dockable_form.h"

namespace tolvane::ui {

using docking::DockSide;

void dockBeside(QMainWindow& window, QDockWidget& reference, QDockWidget& form, DockSide side) {
  if (form.isFloating()) form.setFloating(false);  // a floating window would stay a window of its own
  if (side == DockSide::Client) {
    window.tabifyDockWidget(&reference, &form);
    form.raise();  // its tab comes to the front
    return;
  }
  const Qt::Orientation orientation =
      side == DockSide::Left || side == DockSide::Right ? Qt::Horizontal : Qt::Vertical;
  // The space the reference had is shared in halves, as the drop's preview showed.
  const int space = orientation == Qt::Horizontal ? reference.width() : reference.height();
  window.splitDockWidget(&reference, &form, orientation);
  // A split puts the second window after the first; for the left or top side swap them round.
  if (side == DockSide::Left || side == DockSide::Top) window.splitDockWidget(&form, &reference, orientation);
  window.resizeDocks({&reference, &form}, {space / 2, space - space / 2}, orientation);
}

void dockPairInto(QMainWindow& window, Qt::DockWidgetArea area, QDockWidget& first, QDockWidget& second,
                  DockSide side) {
  // The window that comes first on screen is docked first, so that one split places the other.
  const bool secondLeads = side == DockSide::Left || side == DockSide::Top;
  QDockWidget& lead = secondLeads ? second : first;
  if (lead.isFloating()) lead.setFloating(false);
  window.addDockWidget(area, &lead);
  dockBeside(window, lead, secondLeads ? first : second, secondLeads ? docking::OppositeSide(side) : side);
}

DockHost::DockHost(QWidget* parent) : QMainWindow(parent, Qt::Tool) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setDockOptions(QMainWindow::AllowNestedDocks | QMainWindow::AllowTabbedDocks);
}

int DockHost::shownClientCount() const {
  int count = 0;
  for (const TDockableForm* client : m_clients) count += client->isShown() ? 1 : 0;
  return count;
}

void DockHost::dockPair(TDockableForm& first, TDockableForm& second, DockSide side) {
  TDockableForm::MoveGuard keepFirst(first);
  TDockableForm::MoveGuard keepSecond(second);
  dockPairInto(*this, Qt::LeftDockWidgetArea, first, second, side);
  m_clients = {&first, &second};
  m_secondSide = side;
  for (TDockableForm* client : m_clients) {
    connect(client, &QWidget::windowTitleChanged, this, [this] { UpdateHostCaption(); });
    connect(client, &QObject::destroyed, this, [this, client] { m_clients.removeAll(client); });
  }
}

void DockHost::removeClient(const TDockableForm& form) {
  disconnect(&form, nullptr, this, nullptr);
  m_clients.removeAll(&form);
  UpdateHostCaption();
}

void DockHost::UpdateHostCaption() {
  QString caption;
  for (const TDockableForm* client : m_clients)
    if (client->isShown()) caption += client->windowTitle() + ' ';
  setWindowTitle(caption);
}

void DockHost::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit closeRequested(this);
}

TTabDockHost::TTabDockHost(QWidget* parent) : DockHost(parent) {
  setObjectName("TabDockHost");
  setTabPosition(Qt::AllDockWidgetAreas, QTabWidget::North);
  setDocumentMode(true);
}

TConjoinDockHost::TConjoinDockHost(QWidget* parent) : DockHost(parent) {
  setObjectName("ConjoinDockHost");
}

}  // namespace tolvane::ui
