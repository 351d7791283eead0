#pragma once

#include <QDockWidget>
#include <QRect>

namespace tolvane::ui {

class DockTitleBar;

// The base of the tool windows that dock by dragging their caption: into the main window's dock
// panels, or onto another tool window, which puts both into a host window. The form only reports
// the drag (dragStarted, dragMoved, dragReleased); the DockController moves it. Closing the form
// hides it.
class TDockableForm : public QDockWidget {
  Q_OBJECT
 public:
  explicit TDockableForm(QWidget* parent = nullptr);

  DockTitleBar* titleBar() const { return m_titleBar; }

  // Whether another dockable window may be dropped onto this one. Off unless set.
  bool isDockSite() const { return m_dockSite; }
  void setDockSite(bool dockSite) { m_dockSite = dockSite; }

  // Whether the window is meant to be on view wherever it is: false after hide() or close(), true
  // after show(). Moving between windows and a hidden host do not change it.
  bool isShown() const { return m_shown; }

  // The bounds (screen coordinates) the window had when it last floated; a docked window floats
  // again with this size.
  QRect undockedBounds() const { return m_undockedBounds; }
  void setUndockedBounds(const QRect& bounds) { m_undockedBounds = bounds; }

  // Moving a window between the main window and a host reparents it, which hides and shows it on
  // the way. While a MoveGuard lives these are not reported; when it ends, the window is shown or
  // hidden as it is meant to be.
  class MoveGuard {
   public:
    explicit MoveGuard(TDockableForm& form);
    ~MoveGuard();
    MoveGuard(const MoveGuard&) = delete;
    MoveGuard& operator=(const MoveGuard&) = delete;

   private:
    TDockableForm& m_form;
  };

  void setVisible(bool visible) override;

 signals:
  void shown();                         // show() on a window that was not meant to be on view
  void hidden();                        // hide() or close() on one that was
  void dragStarted(QPoint grabOffset);  // grabOffset: the mouse from the form's top-left corner
  void dragMoved(QPoint globalPosition);
  void dragReleased(QPoint globalPosition);
  void dragCancelled();

 protected:
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void rememberUndockedBounds();

  DockTitleBar* m_titleBar;
  bool m_dockSite = false;
  bool m_shown = false;
  int m_moving = 0;  // MoveGuards alive
  QRect m_undockedBounds;
};

}  // namespace tolvane::ui
