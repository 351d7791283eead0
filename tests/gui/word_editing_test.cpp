#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <thread>

#include "../word/support/fake_word_processor.h"
#include "editing/ui/tags_list.h"
#include "support/gui_test_registry.h"
#include "support/main_window_fixture.h"
#include "word/ui/word_plugin.h"

using namespace tolvane::ui;
using tolvane::word::testing::FakeWordProcessor;

namespace {

const QString kSettings = QStringLiteral("[MainOptions]\r\nAutoSave=0\r\nUseMSWord=1\r\n");
const QString kSaveQuestion = QStringLiteral("Das Dokument wurde verändert. Änderungen speichern?");

// Hands the window a word processor whose state the test keeps.
class SharedFake : public tolvane::word::WordProcessor {
 public:
  explicit SharedFake(FakeWordProcessor& fake) : m_fake(fake) {}
  std::unique_ptr<tolvane::word::WordApplication> createApplication() override {
    return m_fake.createApplication();
  }
  std::unique_ptr<tolvane::word::WordDocument> createDocument() override { return m_fake.createDocument(); }
  void setEvents(tolvane::word::WordEvents* events) override { m_fake.setEvents(events); }

 private:
  FakeWordProcessor& m_fake;
};

}  // namespace

// The tags list with the word processor as its editor: rows go to it, text comes back into the page.
class WordEditingTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_fake = std::make_unique<FakeWordProcessor>();
    setWordProcessorFactory([this] { return std::make_unique<SharedFake>(*m_fake); });
  }
  void cleanup() {
    setWordProcessorFactory({});
    m_fake.reset();
  }

  void selectionFillsTheDocumentAndDoubleClickActivates() {
    MainWindowFixture f(kSettings);
    QVERIFY(f.open(f.page("gui_page.html")));
    f.selectRow(4);
    QVERIFY(m_fake->current());
    QCOMPARE(QString::fromStdString(m_fake->current()->text), QStringLiteral("Grüße & more"));
    QVERIFY(!m_fake->log.empty() && m_fake->log.back() == "saved 1");

    QTableView* list = f.window().tagsList()->lvTags();
    emit list->doubleClicked(list->currentIndex());
    QCOMPARE(QString::fromStdString(m_fake->log.back()), QStringLiteral("activate"));
    QVERIFY(f.questions.isEmpty());
  }

  // The changes come back when the next row is sent, or when the user closes the document; the
  // close is reported on another thread, as the office's listener does.
  void changedTextComesBackIntoThePage_data() {
    QTest::addColumn<bool>("byClose");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QString>("pageText");
    QTest::newRow("next row, Yes") << false << QMessageBox::Yes << "Translated home";
    QTest::newRow("next row, No") << false << QMessageBox::No << "Home";
    QTest::newRow("closed, Yes") << true << QMessageBox::Yes << "Translated home";
    QTest::newRow("closed, No") << true << QMessageBox::No << "Home";
  }
  void changedTextComesBackIntoThePage() {
    QFETCH(bool, byClose);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QString, pageText);
    MainWindowFixture f(kSettings);
    QVERIFY(f.open(f.page("gui_page.html")));
    f.selectRow(3);
    m_fake->userTypes("  Translated home\r");
    f.answers = {answer};
    if (byClose) {
      std::thread([this] { m_fake->userClosesDocument(); }).join();
      QTRY_COMPARE(f.questions, QStringList{kSaveQuestion});
    } else {
      f.selectRow(4);
      QCOMPARE(f.questions, QStringList{kSaveQuestion});
      QCOMPARE(QString::fromStdString(m_fake->current()->text), QStringLiteral("Grüße & more"));
    }
    QCOMPARE(QString::fromStdString(f.window().tagsList()->blocks().row(3).text), pageText);
    QTRY_COMPARE(f.evaluate("document.getElementById('first').textContent").toString(), pageText);
  }

  // A rebuild between the Edit and the close: the text goes to the row that has the old text.
  void textAfterAReloadFindsItsRow() {
    MainWindowFixture f(kSettings);
    const QString page = f.page("gui_page.html");
    QVERIFY(f.open(page));
    f.selectRow(3);
    m_fake->userTypes("Translated home\r");
    QVERIFY(f.open(page));  // frees every group
    std::thread([this] { m_fake->userClosesDocument(); }).join();
    QTRY_COMPARE(f.questions, QStringList{kSaveQuestion});
    QCOMPARE(QString::fromStdString(f.window().tagsList()->blocks().row(3).text),
             QStringLiteral("Translated home"));
    QTRY_COMPARE(f.evaluate("document.getElementById('first').textContent").toString(),
                 QStringLiteral("Translated home"));
  }

  void missingWordProcessorShowsTheErrorAndActivatesNothing() {
    setWordProcessorFactory({});
    qputenv("TOLVANE_WORD_PLUGIN", "/nonexistent/libtolvane_word_libreoffice.so");
    MainWindowFixture f(kSettings);
    QVERIFY(f.open(f.page("gui_page.html")));
    f.selectRow(3);
    QCOMPARE(f.questions, QStringList{QStringLiteral("Word ist wahrscheinlich nicht installiert!")});
    QTableView* list = f.window().tagsList()->lvTags();
    emit list->doubleClicked(list->currentIndex());
    QCOMPARE(f.questions.size(), 2);  // the error once more, and nothing after it
    qunsetenv("TOLVANE_WORD_PLUGIN");
  }

  // Not a check: with TOLVANE_SCREENSHOTS set to a folder, saves a picture of the program beside
  // LibreOffice Writer holding a row's text, for a person to look at.
  void screenshotWithWriter() {
    const QString folder = qEnvironmentVariable("TOLVANE_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("TOLVANE_SCREENSHOTS is not set");
    setWordProcessorFactory({});  // the real plugin
    MainWindowFixture f(kSettings);
    f.page("gui_page.css");
    QVERIFY(f.open(f.page("gui_page.html")));
    f.selectRow(4);
    QVERIFY2(f.questions.isEmpty(), qPrintable(f.questions.join('\n')));
    QTest::qWait(3000);  // let Writer open its window and paint; a picture, not a check
    // Writer takes the whole screen on a display without a window manager: the program's windows
    // go on its empty right half, in front.
    f.window().setGeometry(930, 30, 646, 521);
    f.window().tagsList()->setGeometry(930, 600, 284, 364);
    f.window().raise();
    f.window().tagsList()->raise();
    QTest::qWait(1000);
    QDir().mkpath(folder);
    QVERIFY(QGuiApplication::primaryScreen()->grabWindow(0).save(folder + "/tolvane-writer.png"));
  }

 private:
  std::unique_ptr<FakeWordProcessor> m_fake;
};

TOLVANE_GUI_TEST(WordEditingTest);
#include "word_editing_test.moc"
