#include "docking/ui/dock_controller.h"

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QRubberBand>
#include <QStatusBar>
#include <algorithm>

#include "docking/ui/dock_host.h"
#include "docking/ui/dockable_form.h"

namespace tolvane::ui {

using docking::DockLayout;
using docking::DockRect;
using docking::DockSide;
using docking::ToolPlace;
using docking::ToolWindowLayout;

namespace {

DockRect toDockRect(const QRect& rect) {
  return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

QRect toQRect(const DockRect& rect) {
  return {rect.left, rect.top, rect.width(), rect.height()};
}

Qt::DockWidgetArea areaOf(DockPanel panel) {
  return panel == DockPanel::Left ? Qt::LeftDockWidgetArea : Qt::BottomDockWidgetArea;
}

// A window dropped onto a panel (not onto a window in it) goes after those there: below in the
// left panel, to the right in the bottom panel, as Qt stacks them.
DockSide afterSide(DockPanel panel) {
  return panel == DockPanel::Left ? DockSide::Bottom : DockSide::Right;
}

// The window's client area in screen coordinates: below its caption.
QRect clientRect(const TDockableForm& form) {
  const QWidget* client = form.widget() ? form.widget() : &form;
  return {client->mapToGlobal(QPoint(0, 0)), client->size()};
}

constexpr DockPanel kPanels[] = {DockPanel::Left, DockPanel::Bottom};

}  // namespace

struct DockController::Target {
  enum class Kind { Float, Stay, Panel, Form };
  Kind kind = Kind::Float;
  DockPanel panel = DockPanel::Left;
  TDockableForm* form = nullptr;
  DockSide side = DockSide::None;
  QRect preview;
};

DockController::DockController(QMainWindow& mainWindow) : QObject(&mainWindow), m_main(mainWindow) {
  // Panels may hold the two windows side by side or as tabs; no animation, a drop lands at once.
  m_main.setDockOptions(QMainWindow::AllowNestedDocks | QMainWindow::AllowTabbedDocks);
}

DockController::~DockController() = default;

void DockController::addForm(TDockableForm& form) {
  m_forms.push_back(&form);
  connect(&form, &QObject::destroyed, this, [this, &form] {
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), &form), m_forms.end());
  });
  form.hide();  // until a layout places it
  if (form.parentWidget() == &m_main && m_main.dockWidgetArea(&form) == Qt::NoDockWidgetArea)
    m_main.addDockWidget(Qt::LeftDockWidgetArea, &form);  // Qt floats and docks only its own windows
  connect(&form, &TDockableForm::dragStarted, this, [this](QPoint grabOffset) { m_grabOffset = grabOffset; });
  connect(&form, &TDockableForm::dragMoved, this,
          [this, &form](QPoint position) { showPreview(previewAt(form, position, m_grabOffset)); });
  connect(&form, &TDockableForm::dragReleased, this, [this, &form](QPoint position) {
    showPreview({});
    dropAt(form, position, m_grabOffset);
  });
  connect(&form, &TDockableForm::dragCancelled, this, [this] { showPreview({}); });
  connect(&form, &TDockableForm::hidden, this, [this, &form] {
    if (DockHost* host = hostOf(form)) {
      host->UpdateHostCaption();
      if (host->shownClientCount() == 0) host->hide();
    }
  });
  connect(&form, &TDockableForm::shown, this, [this, &form] {
    if (DockHost* host = hostOf(form)) {
      host->UpdateHostCaption();
      host->show();
    }
  });
}

DockController::Target DockController::findTarget(const TDockableForm& dragged, QPoint globalPosition,
                                                  QPoint grabOffset) const {
  Target target;
  if (const DockHost* own = hostOf(dragged); own && own->frameGeometry().contains(globalPosition)) {
    target.kind = Target::Kind::Stay;
    target.preview = QRect(dragged.mapToGlobal(QPoint(0, 0)), dragged.size());
    return target;
  }
  // Floating windows lie above the main window, so they are asked first. Windows in a host take
  // no drop of their own.
  for (const bool floating : {true, false}) {
    for (TDockableForm* form : m_forms) {
      if (form == &dragged || !form->isDockSite() || !form->isVisible() || form->isFloating() != floating ||
          hostOf(*form))
        continue;
      const QRect client = clientRect(*form);
      const QPoint local = globalPosition - client.topLeft();
      const docking::DockZone zone =
          docking::ComputeDockSide(local.x(), local.y(), client.width(), client.height());
      if (zone.side == DockSide::None) continue;
      target.kind = Target::Kind::Form;
      target.form = form;
      target.side = zone.side;
      target.preview = toQRect(zone.preview).translated(client.topLeft());
      return target;
    }
  }
  for (const DockPanel panel : kPanels) {
    const DockRect rect = toDockRect(panelRect(panel));
    if (!docking::PanelCatchRect(rect).contains(globalPosition.x(), globalPosition.y())) continue;
    target.kind = Target::Kind::Panel;
    target.panel = panel;
    target.preview =
        toQRect(panel == DockPanel::Left ? docking::LeftPanelPreview(rect, clientSize().width())
                                         : docking::BottomPanelPreview(rect, clientSize().height()));
    return target;
  }
  const QSize size = dragged.undockedBounds().size();
  const QPoint hold(std::min(grabOffset.x(), size.width() - 1), std::min(grabOffset.y(), size.height() - 1));
  target.preview = QRect(globalPosition - hold, size);
  return target;
}

QRect DockController::previewAt(const TDockableForm& form, QPoint globalPosition, QPoint grabOffset) const {
  return findTarget(form, globalPosition, grabOffset).preview;
}

void DockController::dropAt(TDockableForm& form, QPoint globalPosition, QPoint grabOffset) {
  const Target target = findTarget(form, globalPosition, grabOffset);
  if (target.kind == Target::Kind::Stay) return;
  DockHost* oldHost = hostOf(form);
  if (oldHost) oldHost->removeClient(form);
  switch (target.kind) {
    case Target::Kind::Float:
      floatAt(form, target.preview);
      break;
    case Target::Kind::Panel:
      dockInPanel(form, target.panel);
      break;
    case Target::Kind::Form:
      dockOnto(*target.form, form, target.side);
      break;
    case Target::Kind::Stay:
      break;
  }
  // A host closes when one of its last two windows has gone elsewhere.
  if (oldHost && oldHost->clients().size() < 2) closeHost(oldHost);
}

void DockController::dockInPanel(TDockableForm& form, DockPanel panel) {
  if (IsDockedIn(panel, form)) return;
  {
    TDockableForm::MoveGuard guard(form);
    const auto other = std::find_if(m_forms.begin(), m_forms.end(), [&](const TDockableForm* each) {
      return each != &form && IsDockedIn(panel, *each);
    });
    if (form.isFloating()) form.setFloating(false);
    if (other != m_forms.end() && (*other)->isShown())
      dockBeside(m_main, **other, form, afterSide(panel));
    else
      m_main.addDockWidget(areaOf(panel), &form);
    if (other != m_forms.end()) m_panelPair = {*other, &form, afterSide(panel)};
  }
  ShowDockPanel(panel, form);
}

void DockController::dockOnto(TDockableForm& target, TDockableForm& form, DockSide side) {
  for (const DockPanel panel : kPanels) {
    if (!IsDockedIn(panel, target)) continue;
    TDockableForm::MoveGuard guard(form);
    dockBeside(m_main, target, form, side);
    m_panelPair = {&target, &form, side};
    return;
  }
  makeHost(target, form, side, target.geometry())->show();
}

// bounds by value: the caller passes a window's geometry(), which moves as the window docks.
DockHost* DockController::makeHost(TDockableForm& first, TDockableForm& second, DockSide side, QRect bounds) {
  DockHost* host = side == DockSide::Client ? static_cast<DockHost*>(new TTabDockHost(&m_main))
                                            : static_cast<DockHost*>(new TConjoinDockHost(&m_main));
  host->dockPair(first, second, side);
  host->setGeometry(bounds);
  host->UpdateHostCaption();
  connect(host, &DockHost::closeRequested, this, &DockController::closeHost);
  m_hosts.push_back(host);
  return host;
}

void DockController::floatAt(TDockableForm& form, QRect bounds) {
  TDockableForm::MoveGuard guard(form);
  if (!form.isFloating()) {
    if (form.parentWidget() != &m_main) m_main.addDockWidget(Qt::LeftDockWidgetArea, &form);  // out of a host
    form.setFloating(true);
  }
  form.setGeometry(bounds);
  form.setUndockedBounds(form.geometry());  // as large as bounds, or as the window's minimum size
}

void DockController::FloatDockClient(TDockableForm& form) {
  floatAt(form, QRect(form.mapToGlobal(QPoint(0, 0)), form.undockedBounds().size()));
}

void DockController::closeHost(DockHost* host) {
  if (host->clients().size() > 1) {
    // Closing a host that holds both windows hides them; showing either brings the host back.
    for (TDockableForm* client : host->clients()) client->hide();
    return;
  }
  // The host lays out the window that is left first: a tab that was behind lies off the screen.
  host->layout()->activate();
  for (TDockableForm* client : host->clients()) {
    host->removeClient(*client);
    FloatDockClient(*client);
  }
  m_hosts.erase(std::remove(m_hosts.begin(), m_hosts.end(), host), m_hosts.end());
  host->hide();
  host->deleteLater();
}

DockHost* DockController::hostOf(const TDockableForm& form) const {
  const auto host =
      std::find_if(m_hosts.begin(), m_hosts.end(), [&](const DockHost* each) { return each->holds(form); });
  return host == m_hosts.end() ? nullptr : *host;
}

QSize DockController::clientSize() const {
  const QWidget* menu = m_main.menuWidget();
  return {m_main.width(), m_main.height() - (menu ? menu->height() : 0)};
}

QRect DockController::panelRect(DockPanel panel) const {
  // The dock areas lie around the central widget: the left one beside it, the bottom one (which
  // owns the bottom corners) between it and the status bar.
  const QRect central = m_main.centralWidget()->geometry();
  QRect rect;
  if (panel == DockPanel::Left) {
    rect = QRect(0, central.top(), central.left(), central.height());
  } else {
    const int top = central.bottom() + 1;
    const QStatusBar* status = m_main.findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    const int bottom = status && status->isVisible() ? status->geometry().top() : m_main.height();
    rect = QRect(0, top, m_main.width(), bottom - top);
  }
  return rect.translated(m_main.mapToGlobal(QPoint(0, 0)));
}

bool DockController::IsDockedIn(DockPanel panel, const TDockableForm& form) const {
  return form.parentWidget() == &m_main && !form.isFloating() &&
         m_main.dockWidgetArea(const_cast<TDockableForm*>(&form)) == areaOf(panel);
}

void DockController::ShowDockPanel(DockPanel panel, TDockableForm& client) {
  if (!IsDockedIn(panel, client)) return;
  for (const TDockableForm* form : m_forms)
    if (form != &client && form->isShown() && IsDockedIn(panel, *form)) return;  // open already
  const bool left = panel == DockPanel::Left;
  m_main.resizeDocks({&client}, {left ? clientSize().width() / 3 : clientSize().height() / 3},
                     left ? Qt::Horizontal : Qt::Vertical);
}

void DockController::showPreview(const QRect& rect) {
  if (rect.isNull()) {
    if (m_preview) m_preview->hide();
    return;
  }
  if (!m_preview) {
    m_preview = std::make_unique<QRubberBand>(QRubberBand::Rectangle);
    m_preview->setObjectName("DockPreview");
    m_preview->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  m_preview->setGeometry(rect);
  m_preview->show();
  m_preview->raise();
}

// The layout kept between runs.

DockLayout DockController::layout(const TDockableForm& tagsList, const TDockableForm& editor) const {
  auto windowLayout = [this](const TDockableForm& form) {
    // A hidden window gets no move events, so a floating one is asked where it is.
    const QRect bounds = form.isFloating() ? form.geometry() : form.undockedBounds();
    ToolWindowLayout window{ToolPlace::Floating, toDockRect(bounds), form.isShown()};
    if (hostOf(form))
      window.place = ToolPlace::Host;
    else if (IsDockedIn(DockPanel::Left, form))
      window.place = ToolPlace::LeftPanel;
    else if (IsDockedIn(DockPanel::Bottom, form))
      window.place = ToolPlace::BottomPanel;
    return window;
  };
  // The side of the editor beside the tags list, from a pair that names the two either way round.
  auto editorSide = [&](const TDockableForm* reference, DockSide side) {
    return reference == &tagsList ? side : docking::OppositeSide(side);
  };
  DockLayout result;
  result.tagsList = windowLayout(tagsList);
  result.editor = windowLayout(editor);
  if (const DockHost* host = hostOf(tagsList); host && host->holds(editor)) {
    result.editorSide = editorSide(host->clients().front(), host->secondSide());
    result.hostBounds = toDockRect(host->geometry());
  } else if (result.tagsList.place != ToolPlace::Floating && result.tagsList.place == result.editor.place) {
    const bool pairIsThem = (m_panelPair.reference == &tagsList && m_panelPair.placed == &editor) ||
                            (m_panelPair.reference == &editor && m_panelPair.placed == &tagsList);
    if (pairIsThem) result.editorSide = editorSide(m_panelPair.reference, m_panelPair.side);
  }
  return result;
}

void DockController::applyLayout(const DockLayout& layout, TDockableForm& tagsList, TDockableForm& editor) {
  const std::pair<TDockableForm*, const ToolWindowLayout*> windows[] = {{&tagsList, &layout.tagsList},
                                                                        {&editor, &layout.editor}};
  for (const auto& [form, window] : windows) floatAt(*form, toQRect(window->bounds));
  if (layout.tagsList.place == ToolPlace::Host) {
    makeHost(tagsList, editor, layout.editorSide, toQRect(layout.hostBounds));
  } else {
    auto panelOf = [](const ToolWindowLayout& window) {
      return window.place == ToolPlace::LeftPanel ? DockPanel::Left : DockPanel::Bottom;
    };
    if (layout.editorSide != DockSide::None) {  // the two share a panel
      TDockableForm::MoveGuard keepTagsList(tagsList);
      TDockableForm::MoveGuard keepEditor(editor);
      dockPairInto(m_main, areaOf(panelOf(layout.tagsList)), tagsList, editor, layout.editorSide);
      m_panelPair = {&tagsList, &editor, layout.editorSide};
    } else {
      for (const auto& [form, window] : windows)
        if (window->place != ToolPlace::Floating) dockInPanel(*form, panelOf(*window));
    }
  }
  // Showing runs the show handlers: the host comes up, the panel opens, the View entry is checked.
  for (const auto& [form, window] : windows) form->setVisible(window->visible);
}

void DockController::restoreLayout(const QString& iniPath, TDockableForm& tagsList, TDockableForm& editor) {
  const DockLayout layout = docking::LoadDockLayout(iniPath.toStdString());
  if (m_main.isVisible()) return applyLayout(layout, tagsList, editor);
  m_pending = std::make_unique<PendingLayout>(PendingLayout{layout, &tagsList, &editor});
  m_main.installEventFilter(this);
}

bool DockController::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &m_main && event->type() == QEvent::Show && m_pending) {
    m_main.removeEventFilter(this);
    const std::unique_ptr<PendingLayout> pending = std::move(m_pending);
    if (pending->tagsList && pending->editor)
      applyLayout(pending->layout, *pending->tagsList, *pending->editor);
  }
  return QObject::eventFilter(watched, event);
}

html::FileStatus DockController::saveLayout(const QString& iniPath, const TDockableForm& tagsList,
                                            const TDockableForm& editor) const {
  return docking::SaveDockLayout(iniPath.toStdString(), layout(tagsList, editor));
}

}  // namespace tolvane::ui
