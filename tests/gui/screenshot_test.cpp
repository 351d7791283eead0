#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTableView>
#include <QTest>

#include <QTabWidget>
#include "docking/ui/dock_controller.h"
#include "editing/ui/edit_text.h"
#include "editing/ui/tags_list.h"
#include "exchange/ui/import_export_wizard.h"
#include "settings/ui/options_dialog.h"
#include "shell/about_box.h"
#include "support/gui_test_registry.h"
#include "support/main_window_fixture.h"

using namespace tolvane::ui;

// Not a check: with TOLVANE_SCREENSHOTS set to a folder, saves pictures of the main window with a
// page, the tags list and the editor, in German and in English, for a person to look at.
class ScreenshotTest : public QObject {
  Q_OBJECT

 private slots:
  void screenshots_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("de") << "1";
    QTest::newRow("en") << "0";
  }
  void screenshots() {
    const QString folder = qEnvironmentVariable("TOLVANE_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("TOLVANE_SCREENSHOTS is not set");
    QFETCH(QString, stored);
    MainWindowFixture f("[MainOptions]\r\nAutoSave=0\r\nDeutsch=" + stored + "\r\n");
    f.page("gui_page.css");
    QVERIFY(f.open(f.page("gui_page.html")));
    f.window().setGeometry(10, 30, 646, 521);
    f.selectRow(4);
    QTableView* list = f.window().tagsList()->lvTags();
    emit list->doubleClicked(list->currentIndex());
    f.window().tagsList()->setGeometry(680, 30, 284, 364);
    f.window().editor()->setGeometry(10, 590, 569, 143);
    QTest::qWait(500);  // let the windows paint; a picture, not a check
    QDir().mkpath(folder);
    const QString name = QStringLiteral("%1/tolvane-%2.png").arg(folder, QTest::currentDataTag());
    QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0).save(name));
    TfrmAboutBox about(f.settingsPath(), &f.window());
    about.show();
    QTest::qWait(200);
    QVERIFY(about.grab().save(QStringLiteral("%1/about-%2.png").arg(folder, QTest::currentDataTag())));
  }

  void dialogs_data() { screenshots_data(); }
  void dialogs() {
    const QString folder = qEnvironmentVariable("TOLVANE_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("TOLVANE_SCREENSHOTS is not set");
    QFETCH(QString, stored);
    MainWindowFixture f("[MainOptions]\r\nDeutsch=" + stored +
                        "\r\n[ImportExport]\r\nExportFolder=/home/translator/exchange/\r\n");
    auto save = [&](QWidget& window, const QString& what) {
      window.show();
      QTest::qWait(100);
      QVERIFY(window.grab().save(QStringLiteral("%1/%2-%3.png").arg(folder, what, QTest::currentDataTag())));
    };
    tolvane::settings::TGlobalVars vars = f.window().globalVars();
    TImport import;
    using Page = TfrmImportExport::Page;
    for (auto [page, name] : {std::pair{Page::Export1, "export1"}, std::pair{Page::Export2, "export2"},
                              std::pair{Page::Import1, "import1"}, std::pair{Page::Import2, "import2"}}) {
      TfrmImportExport wizard(vars, import, &f.window());
      wizard.setActivePage(page);
      save(wizard, QStringLiteral("wizard-") + name);
    }
    TfrmOptions options(&f.window());
    options.load(vars);
    save(options, "options-general");
    options.findChild<QTabWidget*>()->setCurrentIndex(1);
    save(options, "options-html");
  }

  // The tool windows docked: the tags list in the left panel, both panels, a tabbed host and a
  // side-by-side host, each as the whole screen.
  void dockLayouts() {
    const QString folder = qEnvironmentVariable("TOLVANE_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("TOLVANE_SCREENSHOTS is not set");
    MainWindowFixture f("[MainOptions]\r\nAutoSave=0\r\nDeutsch=1\r\n");
    f.page("gui_page.css");
    QVERIFY(f.open(f.page("gui_page.html")));
    f.window().setGeometry(10, 30, 646, 521);
    TTagsList& tags = *f.window().tagsList();
    TfrmEditText& editor = *f.window().editor();
    DockController& docks = *f.window().docks();
    f.selectRow(4);
    QTableView* list = tags.lvTags();
    emit list->doubleClicked(list->currentIndex());
    QDir().mkpath(folder);
    auto shoot = [&](const char* name) {
      QTest::qWait(400);  // let the windows paint; a picture, not a check
      QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0).save(
          QStringLiteral("%1/dock-%2.png").arg(folder, name)));
    };
    auto client = [](const TDockableForm& form) {
      return QRect(form.widget()->mapToGlobal(QPoint(0, 0)), form.widget()->size());
    };
    editor.hide();
    docks.dropAt(tags, docks.panelRect(DockPanel::Left).center());
    shoot("left");
    editor.show();
    docks.dropAt(editor, docks.panelRect(DockPanel::Bottom).center());
    shoot("left-bottom");
    docks.dropAt(tags, QPoint(700, 60), QPoint(0, 0));
    docks.dropAt(editor, QPoint(700, 640), QPoint(0, 0));
    tags.setGeometry(670, 60, 600, 420);
    docks.dropAt(editor, client(tags).center());
    shoot("tabs");
    docks.dropAt(editor, QPoint(700, 640), QPoint(0, 0));
    QTest::qWait(100);
    docks.dropAt(editor, client(tags).topLeft() + QPoint(5, client(tags).height() / 2));  // the left fifth
    shoot("side-by-side");
  }
};

TOLVANE_GUI_TEST(ScreenshotTest);
#include "screenshot_test.moc"
