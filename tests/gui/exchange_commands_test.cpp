#include <QAbstractItemModel>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "document/ui/web_browser.h"
#include "editing/ui/tags_list.h"
#include "exchange/ui/import_export_wizard.h"
#include "settings/ui/language_switch.h"
#include "settings/ui/options_dialog.h"
#include "support/gui_test_registry.h"
#include "support/main_window_fixture.h"
#include "support/modal.h"

using namespace tolvane::ui;

namespace {

QStringList rowTexts(MainWindowFixture& f) {
  QStringList texts;
  const QAbstractItemModel* model = f.window().tagsList()->lvTags()->model();
  for (int row = 0; row < model->rowCount(); ++row) texts << model->index(row, 1).data().toString();
  return texts;
}

void click(QWidget* dialog, const char* button) {
  QTest::mouseClick(dialog->findChild<QAbstractButton*>(button), Qt::LeftButton);
}

// Runs File > Export through its wizard, keeping the stored export folder.
void exportFromMenu(MainWindowFixture& f) {
  whenModal<TfrmImportExport>([](TfrmImportExport* wizard) {
    QCOMPARE(wizard->windowTitle(), messageText("Res001"));
    click(wizard, "btnNext");
    click(wizard, "btnNext");
  });
  f.trigger("mniExportiren");
}

// Runs File > Import through its wizard, picking the three files as a user would.
void importFromMenu(MainWindowFixture& f, const QString& templateFile, const QString& textFile,
                    const QString& outputFile) {
  whenModal<TfrmImportExport>([=](TfrmImportExport* wizard) {
    QCOMPARE(wizard->windowTitle(), messageText("Res003"));
    QStringList picks{templateFile, textFile};
    wizard->setOpenFileChooser([picks](const QString&, const QString&) mutable { return picks.takeFirst(); });
    wizard->setSaveFileChooser([=](const QString&, const QString&) { return outputFile; });
    for (const char* button : {"SpeedButton2", "SpeedButton3", "btnNext", "SpeedButton4", "btnNext"})
      click(wizard, button);
  });
  f.trigger("Importieren1");
}

// Waits for the page load that a command started, when it has not been shown already.
bool waitForPage(QSignalSpy& shown) {
  return !shown.isEmpty() || shown.wait(10000);
}

}  // namespace

// The Export, Import and Options commands from the menus, with their dialogs driven as a user does.
class ExchangeCommandsTest : public QObject {
  Q_OBJECT

  static QString settingsWithFolder(const QString& folder) {
    return QStringLiteral("[MainOptions]\r\nAutoSave=0\r\n[ImportExport]\r\nExportFolder=%1/\r\n")
        .arg(folder);
  }

 private slots:
  void exportThenImportGivesThePageBack() {
    QTemporaryDir out;
    MainWindowFixture f(settingsWithFolder(out.path()));
    const QString page = f.page("gui_page.html");
    QVERIFY(f.open(page));
    const QStringList original = rowTexts(f);

    exportFromMenu(f);
    const QString textFile = out.filePath("gui_page.txt");
    const QString templateFile = out.filePath("gui_page.vexp");
    QVERIFY(QFile::exists(textFile) && QFile::exists(templateFile));
    QVERIFY(readFile(textFile).startsWith("<1>Fixture page</>\r\n"));
    QCOMPARE(f.questions.value(0), messageText("Res002"));
    QCOMPARE(f.window().findChild<QProgressBar*>("PB")->maximum(), original.size());
    QVERIFY(!f.window().findChild<QProgressBar*>("PB")->isVisible());
    QVERIFY(readFile(f.settingsPath()).contains("ExportFolder=" + out.path() + "/"));

    // The translator's work, then the import of it into a new page.
    QFile text(textFile);
    QVERIFY(text.open(QIODevice::ReadOnly));
    QByteArray translated = text.readAll().replace("<4>Home</>", "<4>Start</>");
    text.close();
    QVERIFY(text.open(QIODevice::WriteOnly | QIODevice::Truncate));
    text.write(translated);
    text.close();

    const QString result = out.filePath("translated");
    QSignalSpy shown(f.window().webBrowser(), &WebBrowser::documentShown);
    f.answers = {QMessageBox::Yes};  // load the result
    importFromMenu(f, templateFile, textFile, result);
    QCOMPARE(f.questions.value(1), messageText("Res004"));
    QVERIFY(waitForPage(shown));
    QCOMPARE(f.window().document()->currentFile(), result + ".htm");
    QCOMPARE(f.window().windowTitle(), result + ".htm");
    QStringList expected = original;
    expected[3] = "Start";
    QCOMPARE(rowTexts(f), expected);
  }

  void importWithAMissingFileSaysSo() {
    MainWindowFixture f;
    importFromMenu(f, f.folder() + "/missing", f.folder() + "/missing", f.folder() + "/out.htm");
    QCOMPARE(f.questions, QStringList{messageText("Res005")});
    QVERIFY(!QFile::exists(f.folder() + "/out.htm"));
    QVERIFY(f.window().document()->currentFile().isEmpty());
  }

  void loadingTheResultAsksAboutUnsavedEdits() {
    QTemporaryDir out;
    MainWindowFixture f(settingsWithFolder(out.path()));
    const QString page = f.page("gui_page.html");
    QVERIFY(f.open(page));
    exportFromMenu(f);
    f.selectRow(3);
    QVERIFY(f.insert("Edited"));
    QVERIFY(f.window().document()->isModified());

    f.questions.clear();
    f.answers = {QMessageBox::Yes, QMessageBox::Cancel};  // load the result; then keep the edited page
    importFromMenu(f, out.filePath("gui_page.vexp"), out.filePath("gui_page.txt"),
                   out.filePath("result.htm"));
    QCOMPARE(f.questions, QStringList({messageText("Res004"), messageText("ResSaveDoc")}));
    QCOMPARE(f.window().document()->currentFile(), page);
    QVERIFY(f.window().document()->isModified());
  }

  void optionsOkSavesAndReloads() {
    MainWindowFixture f(QStringLiteral("[MainOptions]\r\nAutoSave=0\r\n[HTMLOptions]\r\nViewText=1\r\n"));
    const QString page = f.page("gui_page.html");
    QVERIFY(f.open(page));
    QVERIFY(rowTexts(f).contains("Welcome"));

    whenModal<TfrmOptions>([](TfrmOptions* options) {
      options->findChild<QCheckBox*>("bxPlaintext")->setChecked(false);
      click(options, "btnOK");
    });
    QSignalSpy shown(f.window().webBrowser(), &WebBrowser::documentShown);
    f.trigger("Optionen1");
    QVERIFY(waitForPage(shown));
    QVERIFY(!rowTexts(f).contains("Welcome"));  // no running text any more
    QVERIFY(rowTexts(f).contains("The logo"));
    QVERIFY(readFile(f.settingsPath()).contains("ViewText=0"));
    QVERIFY(!f.window().globalVars().ViewText);
  }

  void optionsWithUnsavedEdits_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("fileHasTheEdit");
    QTest::newRow("Yes saves them before the reload") << int(QMessageBox::Yes) << true;
    QTest::newRow("No drops them") << int(QMessageBox::No) << false;
  }
  void optionsWithUnsavedEdits() {
    QFETCH(int, answer);
    QFETCH(bool, fileHasTheEdit);
    MainWindowFixture f;
    const QString page = f.page("gui_page.html");
    QVERIFY(f.open(page));
    f.selectRow(3);
    QVERIFY(f.insert("Edited"));
    whenModal<TfrmOptions>([](TfrmOptions* options) { click(options, "btnOK"); });
    QSignalSpy shown(f.window().webBrowser(), &WebBrowser::documentShown);
    f.answers = {QMessageBox::StandardButton(answer)};
    f.trigger("Optionen1");
    QCOMPARE(f.questions.last(), messageText("ResSaveDoc"));
    QVERIFY(waitForPage(shown));
    QCOMPARE(readFile(page).contains("Edited"), fileHasTheEdit);
    QCOMPARE(rowTexts(f).contains("Edited"), fileHasTheEdit);
    QVERIFY(!f.window().document()->isModified());
  }

  void optionsCancelChangesNothing() {
    MainWindowFixture f;
    const QString before = readFile(f.settingsPath());
    whenModal<TfrmOptions>([](TfrmOptions* options) {
      options->findChild<QCheckBox*>("bxFilter")->setChecked(true);
      QTest::keyClick(options, Qt::Key_Escape);
    });
    f.trigger("Optionen1");
    QCOMPARE(readFile(f.settingsPath()), before);
    QVERIFY(!f.window().globalVars().ItemsFilter);
  }

  void optionsOkWithoutPageOnlySaves() {
    MainWindowFixture f;
    whenModal<TfrmOptions>([](TfrmOptions* options) {
      options->findChild<QCheckBox*>("bxFilter")->setChecked(true);
      click(options, "btnOK");
    });
    f.trigger("Optionen1");
    QVERIFY(readFile(f.settingsPath()).contains("ItemsFilter=1"));
    QVERIFY(f.questions.isEmpty());
    QVERIFY(f.window().document()->currentFile().isEmpty());
  }
};

TOLVANE_GUI_TEST(ExchangeCommandsTest);
#include "exchange_commands_test.moc"
