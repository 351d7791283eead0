#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTableView>
#include <QTest>

#include "editing/ui/edit_text.h"
#include "editing/ui/tags_list.h"
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
};

TOLVANE_GUI_TEST(ScreenshotTest);
#include "screenshot_test.moc"
