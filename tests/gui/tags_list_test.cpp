#include <QAction>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>

#include "document/document.h"
#include "document/ui/web_browser.h"
#include "editing/ui/edit_text.h"
#include "editing/ui/tags_list.h"
#include "support/gui_test_registry.h"
#include "support/main_window_fixture.h"

using namespace tolvane::ui;

// Selecting a row: the document's selection is the block's text, and the page view shows that
// same selection at the right copy.
class TagsListTest : public QObject {
  Q_OBJECT

 private slots:
  void selectionReachesDocumentAndView_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("elementInView");
    QTest::addColumn<QString>("caption");
    QTest::newRow("paragraph") << 3 << "Home"
                               << "first"
                               << "Tags-Liste : <P >";
    QTest::newRow("second copy, in a table cell") << 5 << "Home"
                                                  << "cell"
                                                  << "Tags-Liste : <TD >";
    QTest::newRow("character reference and umlauts") << 4 << "Grüße & more"
                                                     << "umlauts"
                                                     << "Tags-Liste : <P >";
    QTest::newRow("text after a line break") << 7 << "after the break"
                                             << "lines"
                                             << "Tags-Liste : <BR >";
  }
  void selectionReachesDocumentAndView() {
    QFETCH(QString, text);
    MainWindowFixture f;
    QVERIFY(f.open(f.page("gui_page.html")));
    QFETCH(int, row);
    QCOMPARE(f.selectRow(row), text);

    tolvane::html::Document* document = f.window().webBrowser()->currentDocument();
    QCOMPARE(QString::fromStdString(tolvane::html::TextRange(document, document->selection()).text()), text);
    QFETCH(QString, elementInView);
    QCOMPARE(f.evaluate("getSelection().getRangeAt(0).startContainer.parentNode.id").toString(),
             elementInView);
    QFETCH(QString, caption);
    QCOMPARE(f.window().tagsList()->windowTitle(), caption);
    QCOMPARE(f.window().editor()->RichEdit()->toPlainText(), text);
    QCOMPARE(f.window().editor()->RichEdit()->textCursor().selectedText(), text);
    QVERIFY(!f.window().editor()->isVisible());  // a selection loads the editor without showing it
  }

  // The browser builds its own tree: it drops the line break that opens a PRE, turns CR LF into
  // LF, and holds equal texts that only their order tells apart.
  void selectionWhereTheTreesDiffer_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("elementInView");
    QTest::newRow("title: nothing to select") << 0 << ""
                                              << "";
    QTest::newRow("table cell") << 1 << "Cell"
                                << "cell";
    QTest::newRow("PRE without its first line break") << 2 << "Preformatted"
                                                      << "pre";
    QTest::newRow("third of three equal texts") << 5 << "Again"
                                                << "again3";
    QTest::newRow("text after an inline end tag") << 8 << "Two"
                                                  << "mixed";
    QTest::newRow("text after an image") << 10 << "after the image"
                                         << "image";
    QTest::newRow("CR LF in the source") << 11 << "Line one\nLine two"
                                         << "crlf";
  }
  void selectionWhereTheTreesDiffer() {
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(QString, elementInView);
    MainWindowFixture f;
    QVERIFY(f.open(f.page("gui_tricky.html")));
    QCOMPARE(f.selectRow(row), text);
    QCOMPARE(f.evaluate("getSelection().getRangeAt(0).startContainer.parentNode.id").toString(),
             elementInView);
  }

  void imageCaptionSelectsTheImage() {
    MainWindowFixture f;
    QVERIFY(f.open(f.page("gui_tricky.html")));
    f.selectRow(9);
    QCOMPARE(
        f.evaluate("var r = getSelection().getRangeAt(0); r.startContainer.childNodes[r.startOffset].alt")
            .toString(),
        QStringLiteral("Picture"));
  }

  void duplicateGroupAsksBeforeEachFurtherCopy_data() {
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QString>("elementInView");
    QTest::newRow("Yes goes on to the second copy") << QMessageBox::Yes << "cell";
    QTest::newRow("No stays at the first copy") << QMessageBox::No << "first";
  }
  void duplicateGroupAsksBeforeEachFurtherCopy() {
    MainWindowFixture f(QStringLiteral("[MainOptions]\r\nItemsFilter=1\r\n"));
    QVERIFY(f.open(f.page("gui_page.html")));
    QFETCH(QMessageBox::StandardButton, answer);
    f.answers = {answer};
    f.selectRow(3);
    QCOMPARE(f.questions, QStringList{"Doppelter Eintrag. Nächsten anzeigen?"});
    // Both highlights were sent; the view ends on the last one.
    QFETCH(QString, elementInView);
    QTRY_COMPARE(f.evaluate("getSelection().getRangeAt(0).startContainer.parentNode.id").toString(),
                 elementInView);
  }

  void doubleClickOpensTheEditorTabAndEscape() {
    MainWindowFixture f;
    QVERIFY(f.open(f.page("gui_page.html")));
    f.selectRow(2);
    QTableView* list = f.window().tagsList()->lvTags();
    emit list->doubleClicked(list->currentIndex());
    QVERIFY(f.window().editor()->isVisible());
    QVERIFY(f.window().findChild<QAction*>("mniInplaceEditor")->isChecked());
    QCOMPARE(f.window().editor()->RichEdit()->textCursor().selectedText(), QStringLiteral("Welcome"));
    f.window().tagsList()->hide();
    QTest::keyClick(f.window().editor()->RichEdit(), Qt::Key_Tab);
    QVERIFY(f.window().tagsList()->isVisible());
    QCOMPARE(f.window().editor()->RichEdit()->toPlainText(), QStringLiteral("Welcome"));  // Tab typed nothing
    QTest::keyClick(f.window().editor()->RichEdit(), Qt::Key_Escape);
    QVERIFY(!f.window().editor()->isVisible());
    QVERIFY(!f.window().findChild<QAction*>("mniInplaceEditor")->isChecked());
  }

  void sortingByColumn_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("firstRows");
    QTest::newRow("by class: running text first, META content after image caption")
        << 0 << QStringList{"Fixture page",    "Welcome",  "Home",
                            "Grüße & more",    "Home",     "First line",
                            "after the break", "The logo", "A page for the desktop tests"};
    QTest::newRow("by text: case folded, blank before letters") << 1
                                                                << QStringList{"A page for the desktop tests",
                                                                               "after the break",
                                                                               "First line",
                                                                               "Fixture page",
                                                                               "Grüße & more",
                                                                               "Home",
                                                                               "Home",
                                                                               "The logo",
                                                                               "Welcome"};
  }
  void sortingByColumn() {
    QFETCH(int, column);
    QFETCH(QStringList, firstRows);
    MainWindowFixture f;
    QVERIFY(f.open(f.page("gui_page.html")));
    QTableView* list = f.window().tagsList()->lvTags();
    for (int click = 0; click < 2; ++click) {  // a second click gives the same order
      emit list->horizontalHeader()->sectionClicked(column);
      QStringList texts;
      for (int row = 0; row < list->model()->rowCount(); ++row)
        texts << list->model()->index(row, 1).data().toString();
      QCOMPARE(texts, firstRows);
    }
  }
};

TOLVANE_GUI_TEST(TagsListTest);
#include "tags_list_test.moc"
