#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTcpServer>
#include <QTest>

#include "document/ui/web_browser.h"
#include "editing/ui/edit_text.h"
#include "editing/ui/tags_list.h"
#include "support/gui_test_registry.h"
#include "support/main_window_fixture.h"

using namespace tolvane::ui;

// The main window's file commands, counts and command states on a real page.
class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  static bool enabled(MainWindowFixture& f, const char* action) {
    return f.window().findChild<QAction*>(action)->isEnabled();
  }

 private slots:
  void commandStatesAtStart() {
    MainWindowFixture f;
    for (const char* off : {"mniSichern", "mniSichernals", "mniExportiren", "btnContentUndo"})
      QVERIFY2(!enabled(f, off), off);
    for (const char* on :
         {"mniOffnen", "mniEnglish", "mniDeutsch", "mniTagList", "mniInplaceEditor", "berdasProgramm1"})
      QVERIFY2(enabled(f, on), on);
    QCOMPARE(f.window().windowTitle(), QString());
    QCOMPARE(f.window().titlePanel()->text(), QString());
    QVERIFY(f.window().tagsList()->isVisible());
    QVERIFY(!f.window().editor()->isVisible());
    QVERIFY(f.window().findChild<QAction*>("mniTagList")->isChecked());
  }

  void viewTogglesByKey_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QByteArray>("toggle");
    QTest::addColumn<bool>("visibleAtStart");
    QTest::newRow("F12 the tags list") << int(Qt::Key_F12) << QByteArray("mniTagList") << true;
    QTest::newRow("F11 the editor") << int(Qt::Key_F11) << QByteArray("mniInplaceEditor") << false;
  }
  void viewTogglesByKey() {
    QFETCH(int, key);
    QFETCH(QByteArray, toggle);
    QFETCH(bool, visibleAtStart);
    MainWindowFixture f;
    QWidget* window = toggle == "mniTagList" ? static_cast<QWidget*>(f.window().tagsList())
                                             : static_cast<QWidget*>(f.window().editor());
    QAction* item = f.window().findChild<QAction*>(QString::fromLatin1(toggle));
    QApplication::setActiveWindow(&f.window());  // no window manager activates it under Xvfb
    for (bool visible : {visibleAtStart, !visibleAtStart, visibleAtStart}) {
      QCOMPARE(window->isVisible(), visible);
      QCOMPARE(item->isChecked(), visible);
      QTest::keyClick(&f.window(), Qt::Key(key));
    }
  }

  void openShowsRowsAndCounts_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("blocks");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QString>("filtered");
    QTest::newRow("every copy a row") << "[MainOptions]\r\nItemsFilter=0\r\n"
                                      << 9 << " Textblöcke: 9"
                                      << "Wörter:  21"
                                      << "";
    QTest::newRow("equal texts filtered") << "[MainOptions]\r\nItemsFilter=1\r\n"
                                          << 8 << " Textblöcke: 8"
                                          << "Wörter:  20"
                                          << "Doppelte Einträge gefiltert: 1";
  }
  void openShowsRowsAndCounts() {
    QFETCH(QString, settings);
    MainWindowFixture f(settings);
    const QString page = f.page("gui_page.html");
    QVERIFY(f.open(page));
    QFETCH(int, rows);
    QCOMPARE(f.window().tagsList()->lvTags()->model()->rowCount(), rows);
    QFETCH(QString, blocks);
    QCOMPARE(f.window().statusPanel(0)->text(), blocks);
    QFETCH(QString, words);
    QCOMPARE(f.window().statusPanel(1)->text(), words);
    QFETCH(QString, filtered);
    QCOMPARE(f.window().statusPanel(2)->text(), filtered);
    QCOMPARE(f.window().windowTitle(), page);
    QCOMPARE(f.window().titlePanel()->text(), QStringLiteral(" Dokumentenname: Fixture page"));
    QVERIFY(!enabled(f, "mniSichern"));
    QVERIFY(enabled(f, "mniSichernals"));
  }

  void pageViewLoadsOnlyFromThePageFolder() {
    MainWindowFixture f;
    f.page("gui_page.css");
    QVERIFY(f.open(f.page("gui_page.html")));
    // The stylesheet beside the page is served (as text/css, or the engine would ignore it).
    QCOMPARE(f.evaluate("getComputedStyle(document.getElementById('first')).color").toString(),
             QStringLiteral("rgb(0, 128, 0)"));
    QCOMPARE(f.evaluate("document.title").toString(), QStringLiteral("Fixture page"));
  }

  void pageViewRefusesFilesOutsideItsFolderAndTheNetwork_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("width");
    QTest::newRow("image in the page's folder") << "inside.png" << 4;
    QTest::newRow("image in a subfolder") << "pictures/below.png" << 4;
    QTest::newRow("image above the page's folder") << "../outside.png" << 0;
    QTest::newRow("image by absolute path outside") << "/OUTSIDE" << 0;
    QTest::newRow("image from the network") << "/NETWORK" << 0;
  }
  void pageViewRefusesFilesOutsideItsFolderAndTheNetwork() {
    QFETCH(QString, source);
    QFETCH(int, width);
    MainWindowFixture f;
    QDir(f.folder()).mkpath("site/pictures");
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (const char* name : {"site/inside.png", "site/pictures/below.png", "outside.png"})
      QVERIFY(picture.save(f.folder() + "/" + name));
    QTcpServer server;  // a request that got through would connect here
    QVERIFY(server.listen(QHostAddress::LocalHost));
    source.replace("/OUTSIDE", f.folder() + "/outside.png");
    source.replace("/NETWORK", QStringLiteral("http://127.0.0.1:%1/remote.png").arg(server.serverPort()));
    const QString page = f.folder() + "/site/page.html";
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("<html><body><p>Pictures</p><img id=\"picture\" src=\"%1\"></body></html>")
                   .arg(source)
                   .toUtf8());
    file.close();
    QVERIFY(f.open(page));
    QCOMPARE(f.evaluate("document.getElementById('picture').naturalWidth").toInt(), width);
    QVERIFY(!server.hasPendingConnections());
  }

  void insertChangesPageRowAndCommands() {
    MainWindowFixture f;
    const QString page = f.page("gui_page.html");
    QVERIFY(f.open(page));
    QCOMPARE(f.selectRow(3), QStringLiteral("Home"));
    QPushButton* insert = f.window().editor()->btnSetText();
    QVERIFY(!insert->isEnabled());  // nothing changed since the load
    QVERIFY(f.insert("Start"));

    const QModelIndex row = f.window().tagsList()->lvTags()->model()->index(3, 1);
    QCOMPARE(row.data().toString(), QStringLiteral("Start"));
    QCOMPARE(f.evaluate("document.getElementById('first').textContent").toString(), QStringLiteral("Start"));
    QCOMPARE(f.evaluate("document.getElementById('cell').textContent").toString(), QStringLiteral("Home"));
    QCOMPARE(f.evaluate("getSelection().getRangeAt(0).toString()").toString(), QStringLiteral("Start"));
    QVERIFY(!insert->isEnabled());
    QVERIFY(f.window().document()->isModified());
    QVERIFY(enabled(f, "mniSichern"));
    QVERIFY(enabled(f, "btnContentUndo"));
    QVERIFY(!readFile(page).contains("Start"));

    f.trigger("mniSichern");
    QVERIFY(readFile(page).contains(QStringLiteral("<p id=\"first\">Start</p>")));
    QVERIFY(readFile(page).contains(QStringLiteral("<td id=\"cell\">Home</td>")));
    QVERIFY(!f.window().document()->isModified());
    QVERIFY(!enabled(f, "mniSichern"));
  }

  void editKeepsTheScrollPosition() {
    MainWindowFixture f;
    QString body;
    for (int i = 0; i < 200; ++i) body += QStringLiteral("<p id=\"p%1\">Paragraph %1</p>\n").arg(i);
    const QString page = f.folder() + "/long.html";
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(("<html><body>" + body + "</body></html>").toUtf8());
    file.close();
    QVERIFY(f.open(page));
    QCOMPARE(f.selectRow(150), QStringLiteral("Paragraph 150"));
    // A place of the user's own, with the selection still in view.
    const int scrolled = f.evaluate("window.scrollBy(0, 40); window.scrollY").toInt();
    QVERIFY(scrolled > 0);
    QVERIFY(f.insert("Absatz"));
    QCOMPARE(f.evaluate("document.getElementById('p150').textContent").toString(), QStringLiteral("Absatz"));
    QCOMPARE(f.evaluate("window.scrollY").toInt(), scrolled);
  }

  void contentUndoRestoresTheFile() {
    MainWindowFixture f(QStringLiteral("[MainOptions]\r\nAutoSave=1\r\n"));
    const QString page = f.page("gui_page.html");
    const QString original = readFile(page);
    QVERIFY(f.open(page));
    f.selectRow(2);
    QVERIFY(f.insert("Hello"));
    QVERIFY(readFile(page).contains("Hello"));  // AutoSave wrote it at once
    QVERIFY(!enabled(f, "mniSichern"));
    QVERIFY(enabled(f, "btnContentUndo"));
    f.trigger("btnContentUndo");
    QCOMPARE(readFile(page), original);
    QCOMPARE(f.window().tagsList()->lvTags()->model()->index(2, 1).data().toString(),
             QStringLiteral("Welcome"));
    QVERIFY(!enabled(f, "btnContentUndo"));
  }

  void saveAsWritesTheNewFileFirst() {
    MainWindowFixture f;
    QVERIFY(f.open(f.page("gui_page.html")));
    f.selectRow(2);
    QVERIFY(f.insert("Hello"));
    f.answers = {QMessageBox::No};  // leave the old file as it is
    const QString target = f.folder() + "/copy.html";
    f.window().setSavePathChooser([&] { return target; });
    f.trigger("mniSichernals");
    QVERIFY(readFile(target).contains("<h1 id=\"heading\">Hello</h1>"));
    QCOMPARE(f.window().windowTitle(), target);
    QCOMPARE(f.window().tagsList()->lvTags()->model()->index(2, 1).data().toString(),
             QStringLiteral("Hello"));
    QVERIFY(!f.window().document()->isModified());
  }

  void unreadablePageIsReported() {
    MainWindowFixture f;
    const QString missing = f.folder() + "/missing.html";
    f.open(missing);
    QCOMPARE(f.questions.size(), 1);
    QVERIFY2(f.questions.first().contains(missing), qPrintable(f.questions.first()));
    QCOMPARE(f.window().tagsList()->lvTags()->model()->rowCount(), 0);
  }

  void failedSaveIsReportedAndNothingIsLost() {
    MainWindowFixture f;
    const QString page = f.page("gui_page.html");
    QVERIFY(f.open(page));
    f.selectRow(2);
    QVERIFY(f.insert("Hello"));
    // A folder where the file was: even root cannot write the page there.
    QVERIFY(QFile::remove(page));
    QVERIFY(QDir().mkdir(page));
    f.trigger("mniSichern");
    QCOMPARE(f.questions.size(), 1);
    QVERIFY2(f.questions.first().contains(page), qPrintable(f.questions.first()));
    QVERIFY(f.window().document()->isModified());
    QVERIFY(enabled(f, "mniSichern"));
    f.answers = {QMessageBox::Yes};  // save before closing: it fails again, so the window stays
    QVERIFY(!f.window().close());
    QCOMPARE(f.questions.size(), 3);
  }

  void unsavedEditsQuestionOnOpen_data() {
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("oldFileSaved");
    QTest::addColumn<bool>("newPageOpened");
    QTest::newRow("Yes saves, then opens") << QMessageBox::Yes << true << true;
    QTest::newRow("No drops the edit, then opens") << QMessageBox::No << false << true;
    QTest::newRow("Cancel stays") << QMessageBox::Cancel << false << false;
  }
  void unsavedEditsQuestionOnOpen() {
    QFETCH(QMessageBox::StandardButton, answer);
    MainWindowFixture f;
    const QString first = f.page("gui_page.html");
    const QString second = f.page("scripts.html");
    QVERIFY(f.open(first));
    f.selectRow(2);
    QVERIFY(f.insert("Hello"));
    f.answers = {answer};
    f.open(second);
    QCOMPARE(f.questions, QStringList{"Das Dokument wurde verändert. Änderungen speichern?"});
    QFETCH(bool, oldFileSaved);
    QCOMPARE(readFile(first).contains("Hello"), oldFileSaved);
    QFETCH(bool, newPageOpened);
    const bool opened = newPageOpened;
    QCOMPARE(f.window().document()->currentFile(), opened ? second : first);
    QCOMPARE(f.window().document()->isModified(), !opened);
  }

  void unsavedEditsQuestionOnClose_data() {
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Yes saves and closes") << QMessageBox::Yes << true << true;
    QTest::newRow("No closes without saving") << QMessageBox::No << true << false;
    QTest::newRow("Cancel keeps the program open") << QMessageBox::Cancel << false << false;
  }
  void unsavedEditsQuestionOnClose() {
    QFETCH(QMessageBox::StandardButton, answer);
    MainWindowFixture f;
    const QString page = f.page("gui_page.html");
    QVERIFY(f.open(page));
    QVERIFY(f.window().close());  // nothing to ask about yet
    QVERIFY(f.questions.isEmpty());
    f.window().show();
    f.selectRow(2);
    QVERIFY(f.insert("Hello"));
    f.answers = {answer};
    QFETCH(bool, closed);
    QCOMPARE(f.window().close(), closed);
    QCOMPARE(f.questions.size(), 1);
    QFETCH(bool, saved);
    QCOMPARE(readFile(page).contains("Hello"), saved);
  }
};

TOLVANE_GUI_TEST(MainWindowTest);
#include "main_window_test.moc"
