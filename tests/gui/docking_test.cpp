#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QPointer>
#include <QRubberBand>
#include <QTest>
#include <QToolButton>

#include "docking/dock_layout.h"
#include "docking/ui/dock_controller.h"
#include "docking/ui/dock_host.h"
#include "docking/ui/dock_title_bar.h"
#include "editing/ui/edit_text.h"
#include "editing/ui/tags_list.h"
#include "support/gui_test_registry.h"
#include "support/main_window_fixture.h"

using namespace tolvane::ui;
using tolvane::docking::DockLayout;
using tolvane::docking::DockSide;
using tolvane::docking::ToolPlace;

Q_DECLARE_METATYPE(DockSide)

namespace {

// The main window and the two floating tool windows at fixed places that do not overlap.
void placeWindows(MainWindowFixture& f) {
  f.window().setGeometry(20, 40, 646, 521);
  f.window().tagsList()->setGeometry(700, 40, 284, 364);
  f.window().editor()->setGeometry(700, 600, 569, 143);
  QApplication::setActiveWindow(&f.window());  // no window manager activates it under Xvfb
  QCoreApplication::processEvents();           // the tool windows take the language's captions
}

DockController& docks(MainWindowFixture& f) {
  return *f.window().docks();
}

QAction* action(MainWindowFixture& f, const char* name) {
  return f.window().findChild<QAction*>(name);
}

// The window's client area (below its caption) in screen coordinates.
QRect clientRect(const TDockableForm& form) {
  return {form.widget()->mapToGlobal(QPoint(0, 0)), form.widget()->size()};
}

// A point in the given zone of the window's client area.
QPoint pointIn(const TDockableForm& form, DockSide side) {
  const QRect client = clientRect(form);
  switch (side) {
    case DockSide::Left:
      return {client.left() + 3, client.center().y()};
    case DockSide::Right:
      return {client.right() - 3, client.center().y()};
    case DockSide::Top:
      return {client.center().x(), client.top() + 3};
    case DockSide::Bottom:
      return {client.center().x(), client.bottom() - 3};
    case DockSide::None:
    case DockSide::Client:
      break;
  }
  return client.center();
}

// F12 toggles the tags list in the main window; without a window manager nothing activates the
// main window again after another window was shown.
void pressF12(MainWindowFixture& f) {
  QApplication::setActiveWindow(&f.window());
  QTest::keyClick(&f.window(), Qt::Key_F12);
}

QPoint inLeftPanel(MainWindowFixture& f) {
  return docks(f).panelRect(DockPanel::Left).center();
}

QPoint inBottomPanel(MainWindowFixture& f) {
  return docks(f).panelRect(DockPanel::Bottom).center();
}

QRubberBand* dragPreview() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->objectName() == "DockPreview") return qobject_cast<QRubberBand*>(window);
  return nullptr;
}

// A drag with the mouse: press on the caption, move past the start distance, move to the target.
// The release is left to the caller, who may look at the preview first.
void dragTo(TDockableForm& form, QPoint target) {
  QWidget* bar = form.titleBar();
  const QPoint start(bar->width() / 3, bar->height() / 2);  // on the caption, clear of the close button
  QTest::mousePress(bar, Qt::LeftButton, {}, start);
  QTest::mouseMove(bar, start + QPoint(8, 8));
  QTest::mouseMove(bar, bar->mapFromGlobal(target));
}

void releaseAt(TDockableForm& form, QPoint target) {
  QTest::mouseRelease(form.titleBar(), Qt::LeftButton, {}, form.titleBar()->mapFromGlobal(target));
}

// Where each tool window is and how it shows, in words, for comparing two main windows.
QString describe(TfrmTranslator& window) {
  DockController& controller = *window.docks();
  auto place = [&](TDockableForm& form) {
    QString text = form.isShown() ? "shown " : "hidden ";
    if (DockHost* host = controller.hostOf(form))
      text += QString("in %1 at %2,%3").arg(host->metaObject()->className()).arg(host->x()).arg(host->y());
    else if (controller.IsDockedIn(DockPanel::Left, form))
      text += "left";
    else if (controller.IsDockedIn(DockPanel::Bottom, form))
      text += "bottom";
    else
      text +=
          QString("floating %1,%2 %3x%4").arg(form.x()).arg(form.y()).arg(form.width()).arg(form.height());
    return text;
  };
  TDockableForm& tags = *window.tagsList();
  TDockableForm& editor = *window.editor();
  QString relation;
  const auto* holder = qobject_cast<QMainWindow*>(tags.parentWidget());
  if (!tags.isFloating() && holder && editor.parentWidget() == holder && tags.isShown() && editor.isShown()) {
    const QPoint t = tags.mapToGlobal(QPoint(0, 0));
    const QPoint e = editor.mapToGlobal(QPoint(0, 0));
    relation = holder->tabifiedDockWidgets(&tags).contains(&editor) ? "tabbed"
               : e.x() < t.x()                                      ? "editor left"
               : e.x() > t.x()                                      ? "editor right"
               : e.y() < t.y()                                      ? "editor above"
                                                                    : "editor below";
  }
  return QString("tags %1; editor %2; %3; checks %4%5")
      .arg(place(tags), place(editor), relation)
      .arg(window.findChild<QAction*>("mniTagList")->isChecked())
      .arg(window.findChild<QAction*>("mniInplaceEditor")->isChecked());
}

}  // namespace

// Docking the tool windows into the main window's panels and onto each other, and the layout that
// is kept between runs.
class DockingTest : public QObject {
  Q_OBJECT

 private slots:
  void escapeDuringADragCancelsIt() {
    MainWindowFixture f;
    placeWindows(f);
    TTagsList& tags = *f.window().tagsList();
    const QRect before = tags.frameGeometry();

    dragTo(tags, inLeftPanel(f));
    QRubberBand* preview = dragPreview();
    QVERIFY(preview && preview->isVisible());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &f.window(), Qt::Key_Escape);
    QVERIFY(!preview->isVisible());
    releaseAt(tags, inLeftPanel(f));

    QVERIFY(!docks(f).IsDockedIn(DockPanel::Left, tags));
    QVERIFY(tags.isFloating());
    QCOMPARE(tags.frameGeometry(), before);
    QCOMPARE(docks(f).panelRect(DockPanel::Left).width(), 0);
  }

  void dockingLeftOpensAThirdAndHidingFoldsThePanel_data() {
    QTest::addColumn<QString>("hideBy");
    QTest::newRow("F12") << "F12";
    QTest::newRow("View entry") << "menu";
    QTest::newRow("its close button") << "close";
  }
  void dockingLeftOpensAThirdAndHidingFoldsThePanel() {
    QFETCH(QString, hideBy);
    MainWindowFixture f;
    placeWindows(f);
    TTagsList& tags = *f.window().tagsList();
    QAction* toggle = action(f, "mniTagList");
    const QRect panel = docks(f).panelRect(DockPanel::Left);
    QCOMPARE(panel.width(), 0);

    dragTo(tags, inLeftPanel(f));
    QRubberBand* preview = dragPreview();
    QVERIFY(preview && preview->isVisible());
    QCOMPARE(preview->geometry(), QRect(panel.topLeft(), QSize(646 / 3, panel.height())));
    releaseAt(tags, inLeftPanel(f));
    QVERIFY(!preview->isVisible());

    QVERIFY(docks(f).IsDockedIn(DockPanel::Left, tags));
    QTRY_COMPARE(tags.width(), 646 / 3);
    QVERIFY(docks(f).panelRect(DockPanel::Left).width() >= 646 / 3);
    QVERIFY(toggle->isChecked());

    if (hideBy == "F12")
      pressF12(f);
    else if (hideBy == "menu")
      toggle->trigger();
    else
      QTest::mouseClick(tags.titleBar()->closeButton(), Qt::LeftButton);
    QVERIFY(!tags.isVisible());
    QVERIFY(!toggle->isChecked());
    QTRY_COMPARE(docks(f).panelRect(DockPanel::Left).width(), 0);

    toggle->trigger();
    QVERIFY(tags.isVisible());
    QVERIFY(toggle->isChecked());
    QVERIFY(docks(f).IsDockedIn(DockPanel::Left, tags));
    QTRY_COMPARE(tags.width(), 646 / 3);
  }

  void dockingBottomOpensAThirdOfTheClientHeight() {
    MainWindowFixture f;
    placeWindows(f);
    TfrmEditText& editor = *f.window().editor();
    action(f, "mniInplaceEditor")->trigger();
    docks(f).dropAt(editor, inBottomPanel(f));
    QVERIFY(docks(f).IsDockedIn(DockPanel::Bottom, editor));
    const int clientHeight = f.window().height() - f.window().menuWidget()->height();
    QTRY_COMPARE(editor.height(), clientHeight / 3);
    // Dragged out again, it floats where it is dropped with its undocked size and the panel folds.
    const QSize undocked = editor.undockedBounds().size();
    docks(f).dropAt(editor, QPoint(800, 500), QPoint(30, 8));
    QVERIFY(editor.isFloating());
    QCOMPARE(editor.geometry(), QRect(QPoint(770, 492), undocked));
    QTRY_COMPARE(docks(f).panelRect(DockPanel::Bottom).height(), 0);
  }

  void droppingOntoTheTagsListMakesAHost_data() {
    QTest::addColumn<DockSide>("zone");
    QTest::addColumn<QString>("hostClass");
    QTest::addColumn<QString>("relation");
    QTest::newRow("middle: tabs") << DockSide::Client << "tolvane::ui::TTabDockHost"
                                  << "tabbed";
    QTest::newRow("left fifth: side by side") << DockSide::Left << "tolvane::ui::TConjoinDockHost"
                                              << "editor left";
    QTest::newRow("bottom fifth: one above the other") << DockSide::Bottom << "tolvane::ui::TConjoinDockHost"
                                                       << "editor below";
  }
  void droppingOntoTheTagsListMakesAHost() {
    QFETCH(DockSide, zone);
    QFETCH(QString, hostClass);
    QFETCH(QString, relation);
    MainWindowFixture f;
    placeWindows(f);
    TTagsList& tags = *f.window().tagsList();
    TfrmEditText& editor = *f.window().editor();
    action(f, "mniInplaceEditor")->trigger();
    const QRect tagsBounds = tags.geometry();
    const QPoint target = pointIn(tags, zone);

    docks(f).dropAt(editor, target);
    DockHost* host = docks(f).hostOf(tags);
    QVERIFY(host);
    QCOMPARE(docks(f).hostOf(editor), host);
    QCOMPARE(QString(host->metaObject()->className()), hostClass);
    QVERIFY(host->isVisible());
    QCOMPARE(host->geometry(), tagsBounds);
    QCOMPARE(host->windowTitle(), tags.windowTitle() + ' ' + editor.windowTitle() + ' ');
    QCOMPARE(host->windowTitle(), QString("Tags-Liste Integrierter Editor "));
    QTRY_VERIFY(describe(f.window()).contains(relation));

    // Hiding one leaves the other; hiding both hides the host, and showing one brings it back.
    pressF12(f);
    QVERIFY(!tags.isVisible());
    QVERIFY(host->isVisible());
    QCOMPARE(host->windowTitle(), editor.windowTitle() + ' ');
    action(f, "mniInplaceEditor")->trigger();
    QVERIFY(!host->isVisible());
    QVERIFY(!action(f, "mniInplaceEditor")->isChecked());
    action(f, "mniTagList")->trigger();
    QVERIFY(host->isVisible());
    QVERIFY(tags.isVisible());
    QVERIFY(!editor.isVisible());
    QCOMPARE(host->windowTitle(), tags.windowTitle() + ' ');
  }

  void theDragPreviewShowsTheZone() {
    MainWindowFixture f;
    placeWindows(f);
    TTagsList& tags = *f.window().tagsList();
    TfrmEditText& editor = *f.window().editor();
    action(f, "mniInplaceEditor")->trigger();
    const QRect client = clientRect(tags);
    const QRect leftHalf(client.topLeft(), QSize(client.width() / 2, client.height()));
    QCOMPARE(docks(f).previewAt(editor, pointIn(tags, DockSide::Left)), leftHalf);
    const QRect middle(client.topLeft() + QPoint(client.width() / 5, client.height() / 5),
                       QSize(client.width() / 5 * 3, client.height() / 5 * 3));
    QCOMPARE(docks(f).previewAt(editor, client.center()), middle);
    // The editor takes no drop: over it the tags list would float, at the mouse with its size.
    QCOMPARE(docks(f).previewAt(tags, clientRect(editor).center(), QPoint(10, 5)),
             QRect(clientRect(editor).center() - QPoint(10, 5), tags.size()));
  }

  // The main window's keys act while a host is the active window.
  void shortcutsWorkInAHost() {
    MainWindowFixture f;
    placeWindows(f);
    TTagsList& tags = *f.window().tagsList();
    TfrmEditText& editor = *f.window().editor();
    action(f, "mniInplaceEditor")->trigger();
    docks(f).dropAt(editor, pointIn(tags, DockSide::Client));
    DockHost* host = docks(f).hostOf(tags);
    QVERIFY(host && host->isVisible());

    QApplication::setActiveWindow(host);
    QTest::keyClick(host, Qt::Key_F11);
    QVERIFY(!editor.isShown());
    QVERIFY(!action(f, "mniInplaceEditor")->isChecked());
    QTest::keyClick(host, Qt::Key_F12);
    QVERIFY(!tags.isShown());
    QVERIFY(!host->isVisible());
  }

  void draggingOneOfTwoOutOfAHostClosesIt_data() {
    QTest::addColumn<DockSide>("zone");
    QTest::newRow("side by side") << DockSide::Right;
    QTest::newRow("tabs, the one behind is left") << DockSide::Client;
  }
  void draggingOneOfTwoOutOfAHostClosesIt() {
    QFETCH(DockSide, zone);
    MainWindowFixture f;
    placeWindows(f);
    TTagsList& tags = *f.window().tagsList();
    TfrmEditText& editor = *f.window().editor();
    action(f, "mniInplaceEditor")->trigger();
    docks(f).dropAt(editor, pointIn(tags, zone));
    QPointer<DockHost> host = docks(f).hostOf(tags);
    QVERIFY(host);
    QTRY_VERIFY(describe(f.window()).contains(zone == DockSide::Client ? "tabbed" : "editor right"));
    // The tags list is left where it shows when alone in the host: at the host's corner.
    const QPoint tagsPlace = host->geometry().topLeft();
    const QSize editorSize = editor.undockedBounds().size();

    // With the mouse: the editor's caption, out of the host onto an empty spot of the screen.
    const QPoint away(900, 800);
    dragTo(editor, away);
    releaseAt(editor, away);
    QTRY_VERIFY(!host);
    QVERIFY(editor.isFloating());
    QVERIFY(editor.isVisible());
    QCOMPARE(editor.size(), editorSize);
    QVERIFY(editor.geometry().contains(away));
    QVERIFY(tags.isFloating());
    QVERIFY(tags.isVisible());
    QCOMPARE(tags.geometry(), QRect(tagsPlace, QSize(284, 364)));
    QCOMPARE(docks(f).hostOf(tags), nullptr);
  }

  void aDropOverItsOwnHostLeavesTheWindowThere() {
    MainWindowFixture f;
    placeWindows(f);
    TTagsList& tags = *f.window().tagsList();
    TfrmEditText& editor = *f.window().editor();
    action(f, "mniInplaceEditor")->trigger();
    docks(f).dropAt(editor, pointIn(tags, DockSide::Client));
    DockHost* host = docks(f).hostOf(tags);
    docks(f).dropAt(editor, host->geometry().topLeft() + QPoint(5, 5));
    QCOMPARE(docks(f).hostOf(editor), host);
    QCOMPARE(host->clients().size(), 2);
  }

  void aDropOntoAWindowInAPanelDocksIntoThatPanel_data() {
    QTest::addColumn<DockSide>("zone");
    QTest::addColumn<QString>("relation");
    QTest::newRow("top fifth") << DockSide::Top << "editor above";
    QTest::newRow("bottom fifth") << DockSide::Bottom << "editor below";
    QTest::newRow("right fifth") << DockSide::Right << "editor right";
    QTest::newRow("middle") << DockSide::Client << "tabbed";
  }
  void aDropOntoAWindowInAPanelDocksIntoThatPanel() {
    QFETCH(DockSide, zone);
    QFETCH(QString, relation);
    MainWindowFixture f;
    placeWindows(f);
    TTagsList& tags = *f.window().tagsList();
    TfrmEditText& editor = *f.window().editor();
    action(f, "mniInplaceEditor")->trigger();
    docks(f).dropAt(tags, inLeftPanel(f));
    QTRY_COMPARE(tags.width(), 646 / 3);

    docks(f).dropAt(editor, pointIn(tags, zone));
    QVERIFY(docks(f).IsDockedIn(DockPanel::Left, editor));
    QCOMPARE(docks(f).hostOf(editor), nullptr);
    QTRY_VERIFY2(describe(f.window()).contains(relation), qPrintable(describe(f.window())));

    // While one window is shown in the panel it stays open for it.
    pressF12(f);
    QVERIFY(!tags.isVisible());
    QVERIFY(editor.isVisible());
    QTRY_VERIFY(editor.width() > 100);
    QVERIFY(docks(f).panelRect(DockPanel::Left).width() > 100);
  }

  void theLayoutIsRestoredAtTheNextStart_data() {
    QTest::addColumn<QString>("arrangement");
    QTest::newRow("start layout") << "none";
    QTest::newRow("moved, editor shown") << "floating";
    QTest::newRow("left and bottom") << "panels";
    QTest::newRow("one panel, tags list hidden") << "one panel";
    QTest::newRow("tabbed host") << "tabs";
    QTest::newRow("side by side host") << "side by side";
  }
  void theLayoutIsRestoredAtTheNextStart() {
    QFETCH(QString, arrangement);
    MainWindowFixture f;
    placeWindows(f);
    TTagsList& tags = *f.window().tagsList();
    TfrmEditText& editor = *f.window().editor();
    if (arrangement != "none") action(f, "mniInplaceEditor")->trigger();
    if (arrangement == "floating") {
      tags.setGeometry(750, 60, 300, 400);
    } else if (arrangement == "panels") {
      docks(f).dropAt(tags, inLeftPanel(f));
      docks(f).dropAt(editor, inBottomPanel(f));
    } else if (arrangement == "one panel") {
      docks(f).dropAt(tags, inBottomPanel(f));
      docks(f).dropAt(editor, pointIn(tags, DockSide::Left));
    } else if (arrangement == "tabs") {
      docks(f).dropAt(editor, pointIn(tags, DockSide::Client));
    } else if (arrangement == "side by side") {
      docks(f).dropAt(editor, pointIn(tags, DockSide::Top));
    }
    QTest::qWait(50);  // let the layouts settle
    const QString before = describe(f.window());
    if (arrangement == "one panel") action(f, "mniTagList")->trigger();
    const QString hiddenBefore = describe(f.window());
    QVERIFY(f.window().close());

    const QString stored = readFile(f.settingsPath());
    QVERIFY(stored.contains("[MainOptions]\r\nAutoSave=0\r\n"));  // the other settings stay
    QVERIFY(stored.contains("[Layout]\r\n"));
    TfrmTranslator next(f.settingsPath());
    next.setGeometry(20, 40, 646, 521);
    next.show();
    QTest::qWait(50);
    QCOMPARE(describe(next), hiddenBefore);
    if (arrangement == "one panel") {
      next.findChild<QAction*>("mniTagList")->trigger();
      QTest::qWait(50);
      QCOMPARE(describe(next), before);
    }
  }

  void badStoredLayoutsGiveTheStartLayout_data() {
    QTest::addColumn<QString>("section");
    const QString good =
        "TagsList=Left\r\nTagsListBounds=1,2,300,400\r\nTagsListVisible=1\r\n"
        "Editor=Left\r\nEditorBounds=5,6,500,100\r\nEditorVisible=0\r\nEditorSide=Top\r\n"
        "HostBounds=0,0,0,0\r\n";
    auto with = [&](const QString& from, const QString& to) { return QString(good).replace(from, to); };
    QTest::newRow("no section") << QString();
    QTest::newRow("unknown place") << with("TagsList=Left", "TagsList=Right");
    QTest::newRow("three numbers") << with("=1,2,300,400", "=1,2,300");
    QTest::newRow("five numbers") << with("=1,2,300,400", "=1,2,300,400,5");
    QTest::newRow("not a number") << with("=1,2,300,400", "=1,2,x,400");
    QTest::newRow("no width") << with("=5,6,500,100", "=5,6,0,100");
    QTest::newRow("visible is no flag") << with("EditorVisible=0", "EditorVisible=yes");
    QTest::newRow("unknown side") << with("EditorSide=Top", "EditorSide=Middle");
    QTest::newRow("missing key") << with("EditorSide=Top\r\n", "");
    QTest::newRow("host without the other") << with("TagsList=Left", "TagsList=Host");
    QTest::newRow("host without a side") << with("TagsList=Left", "TagsList=Host")
                                                .replace("Editor=Left", "Editor=Host")
                                                .replace("=Top", "=None");
    QTest::newRow("host without bounds")
        << with("TagsList=Left", "TagsList=Host").replace("Editor=Left", "Editor=Host");
  }
  void badStoredLayoutsGiveTheStartLayout() {
    QFETCH(QString, section);
    const std::string text = "[MainOptions]\r\nAutoSave=0\r\n[Layout]\r\n" + section.toStdString();
    QVERIFY(tolvane::docking::ReadDockLayout(tolvane::settings::IniFile::parse(text)) == DockLayout{});
  }

  void aStoredLayoutIsReadAsWritten() {
    DockLayout layout;
    layout.tagsList = {ToolPlace::Host, {10, 20, 310, 420}, true};
    layout.editor = {ToolPlace::Host, {-5, 600, 595, 743}, false};
    layout.editorSide = DockSide::Bottom;
    layout.hostBounds = {40, 50, 640, 550};
    tolvane::settings::IniFile file = tolvane::settings::IniFile::parse(
        "[MainOptions]\r\nAutoSave=1\r\n; kept\r\n[Other]\r\nKey=Value\r\n");
    tolvane::docking::WriteDockLayout(file, layout);
    QVERIFY(tolvane::docking::ReadDockLayout(tolvane::settings::IniFile::parse(file.text())) == layout);
    QVERIFY(QString::fromStdString(file.text())
                .startsWith("[MainOptions]\r\nAutoSave=1\r\n; kept\r\n[Other]\r\nKey=Value\r\n"));
    // A side is kept only while the two share a panel or a host.
    layout.tagsList.place = ToolPlace::LeftPanel;
    layout.editor.place = ToolPlace::BottomPanel;
    tolvane::docking::WriteDockLayout(file, layout);
    QCOMPARE(tolvane::docking::ReadDockLayout(file).editorSide, DockSide::None);
  }
};

TOLVANE_GUI_TEST(DockingTest);
#include "docking_test.moc"
