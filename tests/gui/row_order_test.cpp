#include <QTest>

#include "document/block_list.h"
#include "editing/ui/row_order.h"
#include "support/gui_test_registry.h"

using tolvane::BlockClass;
using tolvane::BlockRow;

// The tags list's sort order, compared without a locale.
class RowOrderTest : public QObject {
  Q_OBJECT

 private slots:
  void compareRows_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("sign");
    QTest::newRow("case of a to z ignored") << "apple"
                                            << "Apple" << 0;
    QTest::newRow("letters in alphabet order") << "apple"
                                               << "Banana" << -1;
    QTest::newRow("a text beginning with Ä after Z") << "Äpfel"
                                                     << "Zebra" << 1;
    QTest::newRow("umlauts are not folded") << "ä"
                                            << "Ä" << 1;
    QTest::newRow("a prefix first") << "Home"
                                    << "Homepage" << -1;
    QTest::newRow("blank before letters") << "A b"
                                          << "Ab" << -1;
  }
  void compareRows() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, sign);
    BlockRow a{BlockClass::RunningText, first.toStdString(), nullptr};
    BlockRow b{BlockClass::RunningText, second.toStdString(), nullptr};
    const int result = tolvane::ui::CompareRows(a, b, 1);
    QCOMPARE((result > 0) - (result < 0), sign);
  }

  void compareRowsByClass() {
    BlockRow text{BlockClass::RunningText, "z", nullptr};
    BlockRow script{BlockClass::ScriptString, "a", nullptr};
    QVERIFY(tolvane::ui::CompareRows(text, script, 0) < 0);
    QVERIFY(tolvane::ui::CompareRows(script, text, 1) < 0);
  }
};

TOLVANE_GUI_TEST(RowOrderTest);
#include "row_order_test.moc"
