#pragma once

#include <QList>
#include <QMainWindow>

#include "docking/dock_side.h"

class QDockWidget;

namespace tolvane::ui {

class TDockableForm;

// Docks form beside reference, which is docked in window already: on the given side, or tabbed
// with it for Client. The form is taken from wherever it was.
void dockBeside(QMainWindow& window, QDockWidget& reference, QDockWidget& form, docking::DockSide side);
// Docks first into the area of window and second beside it on side, from wherever they are. Unlike
// dockBeside, this holds for hidden windows too.
void dockPairInto(QMainWindow& window, Qt::DockWidgetArea area, QDockWidget& first, QDockWidget& second,
                  docking::DockSide side);

// A small floating window made when one dockable window is dropped onto another; it holds the
// two in a dock layout of its own. Closing it is a request the dock controller answers (float
// the last window and destroy the host, or hide the windows).
class DockHost : public QMainWindow {
  Q_OBJECT
 public:
  // The windows in it, in docking order.
  const QList<TDockableForm*>& clients() const { return m_clients; }
  bool holds(const TDockableForm& form) const { return m_clients.contains(&form); }
  // Where the second window went beside the first.
  docking::DockSide secondSide() const { return m_secondSide; }
  int shownClientCount() const;

  // Docks first, then second beside it on side (Client: as tabs), from wherever they are.
  void dockPair(TDockableForm& first, TDockableForm& second, docking::DockSide side);
  // Forgets a window that has been docked elsewhere.
  void removeClient(const TDockableForm& form);

  // The caption becomes the captions of the shown windows in docking order, each followed by a
  // blank; it follows them as they change.
  void UpdateHostCaption();

 signals:
  void closeRequested(DockHost* host);

 protected:
  explicit DockHost(QWidget* parent);
  void closeEvent(QCloseEvent* event) override;

 private:
  QList<TDockableForm*> m_clients;
  docking::DockSide m_secondSide = docking::DockSide::None;
};

// The host for a drop onto the middle of a window: the two as tabs.
class TTabDockHost : public DockHost {
  Q_OBJECT
 public:
  explicit TTabDockHost(QWidget* parent);
};

// The host for a drop onto an edge of a window: the two side by side.
class TConjoinDockHost : public DockHost {
  Q_OBJECT
 public:
  explicit TConjoinDockHost(QWidget* parent);
};

}  // namespace tolvane::ui
