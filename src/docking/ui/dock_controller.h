#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

#include "docking/dock_layout.h"
#include "document/page_file.h"

class QMainWindow;
class QRubberBand;

namespace tolvane::ui {

class DockHost;
class TDockableForm;

// The main window's dock panels: its left and its bottom dock area.
enum class DockPanel { Left, Bottom };

// Steers the docking of one main window's tool windows. A drag of a window's caption shows a
// preview of where it would go; the drop puts it into the main window's left or bottom dock
// panel, onto another window (the two then share a new host: tabbed for the middle of that
// window, side by side for an edge), back where it was (over its own host), or floating at the
// drop point. A panel opens to a third of the main window when a window docks or shows in it,
// and Qt folds it away when no shown window is left in it.
class DockController : public QObject {
  Q_OBJECT
 public:
  explicit DockController(QMainWindow& mainWindow);
  ~DockController() override;

  // Makes form dockable: its drags come here, and its host follows its hide and show. The form
  // must be a child of the main window.
  void addForm(TDockableForm& form);

  // Drops form at the screen point as a drag released there would; grabOffset is where the mouse
  // holds the form, from its top-left corner, and places a window that floats.
  void dropAt(TDockableForm& form, QPoint globalPosition, QPoint grabOffset = {});
  // The rectangle (screen coordinates) that a drag to the point shows: where the form would go.
  QRect previewAt(const TDockableForm& form, QPoint globalPosition, QPoint grabOffset = {}) const;

  // The panel's rectangle in screen coordinates; 0 wide (left) or high (bottom) while collapsed.
  QRect panelRect(DockPanel panel) const;
  bool IsDockedIn(DockPanel panel, const TDockableForm& form) const;
  // Opens the panel to a third of the main window's client width (left) or height (bottom) when
  // client is docked in it and no other shown window holds it open already.
  void ShowDockPanel(DockPanel panel, TDockableForm& client);

  // The host that holds form; nullptr while it floats or is in a panel.
  DockHost* hostOf(const TDockableForm& form) const;
  // Floats form at the screen place of its top-left corner, with its undocked size.
  void FloatDockClient(TDockableForm& form);

  // Reads the layout of the two tool windows from the settings file and puts them there when the
  // main window is first shown (at once when it is on view already).
  void restoreLayout(const QString& iniPath, TDockableForm& tagsList, TDockableForm& editor);
  // Stores where the two tool windows are in the settings file.
  html::FileStatus saveLayout(const QString& iniPath, const TDockableForm& tagsList,
                              const TDockableForm& editor) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Target;
  // Who was docked beside whom in a panel, on which side.
  struct PanelPair {
    const TDockableForm* reference = nullptr;
    const TDockableForm* placed = nullptr;
    docking::DockSide side = docking::DockSide::None;
  };

  Target findTarget(const TDockableForm& dragged, QPoint globalPosition, QPoint grabOffset) const;
  void dockInPanel(TDockableForm& form, DockPanel panel);
  void dockOnto(TDockableForm& target, TDockableForm& form, docking::DockSide side);
  DockHost* makeHost(TDockableForm& first, TDockableForm& second, docking::DockSide side, QRect bounds);
  void floatAt(TDockableForm& form, QRect bounds);
  void closeHost(DockHost* host);
  void showPreview(const QRect& rect);
  QSize clientSize() const;

  docking::DockLayout layout(const TDockableForm& tagsList, const TDockableForm& editor) const;
  void applyLayout(const docking::DockLayout& layout, TDockableForm& tagsList, TDockableForm& editor);

  QMainWindow& m_main;
  std::vector<TDockableForm*> m_forms;
  std::vector<DockHost*> m_hosts;
  PanelPair m_panelPair;
  QPoint m_grabOffset;
  std::unique_ptr<QRubberBand> m_preview;
  // A layout waiting for the main window's first show, with its two windows.
  struct PendingLayout {
    docking::DockLayout layout;
    QPointer<TDockableForm> tagsList;
    QPointer<TDockableForm> editor;
  };
  std::unique_ptr<PendingLayout> m_pending;
};

}  // namespace tolvane::ui
