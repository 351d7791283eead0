#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "editing/ui/edit_text.h"
#include "editing/ui/tags_list.h"
#include "shell/about_box.h"
#include "support/gui_test_registry.h"
#include "support/main_window_fixture.h"

using namespace tolvane::ui;

// Switching the language changes every window's texts at once and is stored in the settings.
class LanguageTest : public QObject {
  Q_OBJECT

 private:
  static QString menuTitles(TfrmTranslator& window) {
    QStringList titles;
    for (QAction* menu : window.menuBar()->actions()) titles << menu->text();
    return titles.join('|');
  }

 private slots:
  void switchChangesCaptionsAndIsStored_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QByteArray>("choice");
    QTest::addColumn<QString>("menus");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("tagsCaption");
    QTest::addColumn<QString>("editorCaption");
    QTest::addColumn<QString>("insert");
    QTest::addColumn<QString>("storedAfter");
    QTest::newRow("German to English") << "1" << QByteArray("mniEnglish") << "&File|Se&ttings|&View|&Help"
                                       << "&Open..."
                                       << "Tags list"
                                       << "Internal Editor"
                                       << "Insert"
                                       << "Deutsch=0";
    QTest::newRow("English to German")
        << "0" << QByteArray("mniDeutsch") << "&Datei|&Einstellungen|&Ansicht|&Hilfe"
        << "Ö&ffnen..."
        << "Tags-Liste"
        << "Integrierter Editor"
        << "Einfügen"
        << "Deutsch=1";
    QTest::newRow("German again") << "1" << QByteArray("mniDeutsch")
                                  << "&Datei|&Einstellungen|&Ansicht|&Hilfe"
                                  << "Ö&ffnen..."
                                  << "Tags-Liste"
                                  << "Integrierter Editor"
                                  << "Einfügen"
                                  << "Deutsch=1";
  }
  void switchChangesCaptionsAndIsStored() {
    QFETCH(QByteArray, choice);
    QFETCH(QString, stored);
    MainWindowFixture f("[MainOptions]\r\nDeutsch=" + stored + "\r\n");
    f.trigger(choice.constData());
    QCoreApplication::sendPostedEvents();  // the language change reaches the windows as posted events
    QFETCH(QString, menus);
    QCOMPARE(menuTitles(f.window()), menus);
    QFETCH(QString, open);
    QCOMPARE(f.window().findChild<QAction*>("mniOffnen")->text(), open);
    QFETCH(QString, tagsCaption);
    QCOMPARE(f.window().tagsList()->windowTitle(), tagsCaption);
    QFETCH(QString, editorCaption);
    QCOMPARE(f.window().editor()->windowTitle(), editorCaption);
    QFETCH(QString, insert);
    QCOMPARE(f.window().editor()->btnSetText()->text(), insert);
    QVERIFY(f.window().findChild<QAction*>(QString::fromLatin1(choice))->isChecked());
    QFETCH(QString, storedAfter);
    QVERIFY(readFile(f.settingsPath()).contains(storedAfter));
  }

  void storedLanguageIsActiveAtStart_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("checked");
    QTest::newRow("English") << "0"
                             << "&File" << QByteArray("mniEnglish");
    QTest::newRow("German") << "1"
                            << "&Datei" << QByteArray("mniDeutsch");
  }
  void storedLanguageIsActiveAtStart() {
    QFETCH(QString, stored);
    MainWindowFixture f("[MainOptions]\r\nDeutsch=" + stored + "\r\n");
    QFETCH(QString, file);
    QCOMPARE(f.window().menuBar()->actions().first()->text(), file);
    QFETCH(QByteArray, checked);
    QVERIFY(f.window().findChild<QAction*>(QString::fromLatin1(checked))->isChecked());
  }

  void aboutBoxShowsVersionAndSettingsFile_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("caption");
    QTest::newRow("German") << "1"
                            << "Über das Programm";
    QTest::newRow("English") << "0"
                             << "About";
  }
  void aboutBoxShowsVersionAndSettingsFile() {
    QFETCH(QString, stored);
    QFETCH(QString, caption);
    MainWindowFixture f("[MainOptions]\r\nDeutsch=" + stored + "\r\n");
    TfrmAboutBox about(f.settingsPath(), &f.window());
    QCOMPARE(about.windowTitle(), caption);
    QCOMPARE(about.findChild<QLabel*>("Version")->text(), QStringLiteral("Version " TOLVANE_VERSION));
    QString shown;
    for (QLabel* label : about.findChildren<QLabel*>()) shown += label->text();
    QVERIFY2(shown.contains(f.settingsPath()), qPrintable(shown));
  }

  void statusBarFollowsTheLanguage() {
    MainWindowFixture f;
    QVERIFY(f.open(f.page("gui_page.html")));
    f.trigger("mniEnglish");
    QCoreApplication::sendPostedEvents();
    QCOMPARE(f.window().statusPanel(0)->text(), QStringLiteral(" Text blocks: 9"));
    QCOMPARE(f.window().titlePanel()->text(), QStringLiteral(" Document name: Fixture page"));
  }
};

TOLVANE_GUI_TEST(LanguageTest);
#include "language_test.moc"
