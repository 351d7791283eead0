#include <QCheckBox>
#include <QTabWidget>
#include <QTest>

#include "settings/ui/options_dialog.h"
#include "support/gui_test_registry.h"

using namespace tolvane::ui;
using tolvane::settings::TGlobalVars;

// The options dialog shows the flags it is given, hands back what the boxes say, and keeps
// auto-save on while scripts are listed.
class OptionsDialogTest : public QObject {
  Q_OBJECT

  static QCheckBox* box(TfrmOptions& dialog, const char* name) { return dialog.findChild<QCheckBox*>(name); }

 private slots:
  void showsAndReturnsEachFlag_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("flag");  // index into the table below
    const char* names[] = {"bxFilter",  "bxDelete",   "bxPlaintext", "bxContent", "bxImgalt",
                           "bxScripts", "bxValueBox", "bxMSWord",    "bxAutoSave"};
    for (int i = 0; i < 9; ++i) QTest::newRow(names[i]) << QByteArray(names[i]) << i;
  }
  void showsAndReturnsEachFlag() {
    QFETCH(QByteArray, name);
    QFETCH(int, flag);
    bool TGlobalVars::*const flags[] = {
        &TGlobalVars::ItemsFilter, &TGlobalVars::EmptyDelete, &TGlobalVars::ViewText,
        &TGlobalVars::ViewMeta,    &TGlobalVars::ViewImages,  &TGlobalVars::ViewScripts,
        &TGlobalVars::ViewValue,   &TGlobalVars::UseMSWord,   &TGlobalVars::AutoSave};
    TGlobalVars vars;
    vars.*flags[flag] = true;
    TfrmOptions dialog;
    dialog.load(vars);
    for (QCheckBox* other : dialog.findChildren<QCheckBox*>())
      QCOMPARE(other->isChecked(), other->objectName() == name);

    box(dialog, name)->setChecked(false);
    dialog.store(vars);
    QVERIFY(!(vars.*flags[flag]));
    box(dialog, name)->setChecked(true);
    dialog.store(vars);
    QVERIFY(vars.*flags[flag]);
  }

  void opensWithScriptsOnAndAutoSaveOff() {
    TGlobalVars vars;
    vars.ViewScripts = true;
    vars.AutoSave = false;
    TfrmOptions dialog;
    dialog.load(vars);
    QVERIFY(box(dialog, "bxScripts")->isChecked());
    QVERIFY(!box(dialog, "bxAutoSave")->isChecked());
  }

  void scriptsKeepAutoSaveOn() {
    TfrmOptions dialog;
    dialog.load(TGlobalVars{});
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    auto* pages = dialog.findChild<QTabWidget*>("PageControl1");
    QCheckBox* scripts = box(dialog, "bxScripts");
    QCheckBox* autoSave = box(dialog, "bxAutoSave");
    auto toggleAutoSave = [&] {
      pages->setCurrentIndex(0);
      autoSave->setFocus();
      QTest::keyClick(autoSave, Qt::Key_Space);
    };

    pages->setCurrentIndex(1);
    QTest::mouseClick(scripts, Qt::LeftButton, {},
                      QPoint(8, scripts->height() / 2));  // on: auto-save follows at once
    QVERIFY(scripts->isChecked());
    QVERIFY(autoSave->isChecked());

    toggleAutoSave();  // off, until the focus leaves the box
    QVERIFY(!autoSave->isChecked());
    box(dialog, "bxFilter")->setFocus();
    QVERIFY(autoSave->isChecked());

    pages->setCurrentIndex(1);
    QTest::mouseClick(scripts, Qt::LeftButton, {},
                      QPoint(8, scripts->height() / 2));  // scripts off: auto-save stays as it is
    QVERIFY(!scripts->isChecked());
    QVERIFY(autoSave->isChecked());
    toggleAutoSave();
    box(dialog, "bxFilter")->setFocus();
    QVERIFY(!autoSave->isChecked());
  }
};

TOLVANE_GUI_TEST(OptionsDialogTest);
#include "options_dialog_test.moc"
