#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "exchange/ui/import_export_wizard.h"
#include "settings/ui/language_switch.h"
#include "support/gui_test_registry.h"

using namespace tolvane::ui;
using Page = TfrmImportExport::Page;

// The wizard's pages, buttons and hand-over, driven as a user does, with the file dialogs replaced.
class ImportExportWizardTest : public QObject {
  Q_OBJECT

  struct Wizard {
    tolvane::settings::TGlobalVars settings;
    TImport import;
    std::unique_ptr<TfrmImportExport> dialog;

    explicit Wizard(Page page, const std::string& exportFolder = "/work/out/") {
      settings.ExportFolder = exportFolder;
      dialog = std::make_unique<TfrmImportExport>(settings, import);
      dialog->setActivePage(page);
      dialog->show();
    }
    template <typename T = QWidget>
    T* part(const char* name) const {
      return dialog->findChild<T*>(name);
    }
    QPushButton* next() const { return part<QPushButton>("btnNext"); }
    QPushButton* back() const { return part<QPushButton>("btnBack"); }
    void click(const char* name) const { QTest::mouseClick(part<QAbstractButton>(name), Qt::LeftButton); }
  };

 private slots:
  void initTestCase() {
    static LanguageSwitch english;
    english.apply(tolvane::settings::Language::English);
  }

  void exportPathAndButtonStates() {
    Wizard w(Page::Export1);
    QCOMPARE(w.part<QLineEdit>("LbOutFolder")->text(), QString("/work/out/"));
    QVERIFY(w.back()->isHidden());
    QVERIFY(w.next()->isEnabled());  // a stored folder is enough to go on at once
    QCOMPARE(w.next()->text(), messageText("Res008"));

    w.click("btnNext");
    QCOMPARE(w.dialog->activePage(), Page::Export2);
    QVERIFY(w.back()->isVisible() && w.back()->isEnabled());
    QCOMPARE(w.next()->text(), QString("Export"));

    w.click("btnBack");
    QCOMPARE(w.dialog->activePage(), Page::Export1);
    QVERIFY(w.back()->isHidden());

    QSignalSpy accepted(w.dialog.get(), &QDialog::accepted);
    w.click("btnNext");
    w.click("btnNext");
    QCOMPARE(accepted.count(), 1);
  }

  void pickingAFolder_data() {
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("nextEnabled");
    QTest::newRow("a folder gets the separator") << "/home/u/out"
                                                 << "/home/u/out/" << true;
    QTest::newRow("one that has it keeps it") << "/home/u/out/"
                                              << "/home/u/out/" << true;
    QTest::newRow("the root stays the root") << "/"
                                             << "/" << true;
    QTest::newRow("nothing picked") << ""
                                    << "" << false;
  }
  void pickingAFolder() {
    QFETCH(QString, picked);
    QFETCH(QString, field);
    QFETCH(bool, nextEnabled);
    Wizard w(Page::Export1, "");
    QVERIFY(!w.next()->isEnabled());
    QString instruction;
    w.dialog->setFolderChooser([&](const QString& text) {
      instruction = text;
      return picked;
    });
    w.click("SpeedButton1");
    QCOMPARE(instruction, messageText("Res007"));
    QCOMPARE(w.part<QLineEdit>("LbOutFolder")->text(), field);
    QCOMPARE(QString::fromStdString(w.settings.ExportFolder), field);  // stored at once
    QCOMPARE(w.next()->isEnabled(), nextEnabled);
  }

  void aPickedFolderStaysWhenCancelled() {
    Wizard w(Page::Export1);
    w.dialog->setFolderChooser([](const QString&) { return QString("/srv/exchange"); });
    w.click("SpeedButton1");
    QSignalSpy rejected(w.dialog.get(), &QDialog::rejected);
    w.click("BitBtn1");
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(w.settings.ExportFolder, std::string("/srv/exchange/"));
  }

  void importPathHandsOverTheFiles() {
    Wizard w(Page::Import1);
    QVERIFY(w.back()->isHidden());
    QVERIFY(!w.next()->isEnabled());
    QStringList filters, folders;
    QStringList files{"/x/page.vexp", "/x/page.txt"};
    w.dialog->setOpenFileChooser([&](const QString& filter, const QString& folder) {
      filters << filter;
      folders << folder;
      return files.takeFirst();
    });
    w.click("SpeedButton2");
    QVERIFY(!w.next()->isEnabled());  // the text file is still missing
    w.click("SpeedButton3");
    QVERIFY(w.next()->isEnabled());
    QVERIFY(filters[0].contains("*.vexp") && filters[1].contains("*.txt"));
    QCOMPARE(folders, QStringList({"/work/out/", "/work/out/"}));  // they start in the export folder
    QCOMPARE(w.part<QLineEdit>("edTmpFile")->text(), QString("/x/page.vexp"));
    QCOMPARE(w.part<QLineEdit>("edTxtFile")->text(), QString("/x/page.txt"));

    w.click("btnNext");
    QCOMPARE(w.dialog->activePage(), Page::Import2);
    QCOMPARE(w.next()->text(), QString("Import"));
    QVERIFY(!w.next()->isEnabled());
    QCOMPARE(w.import.TxtFile, QString("/x/page.txt"));  // copied on reaching the page
    QCOMPARE(w.import.TmpFile, QString("/x/page.vexp"));

    // Typing a name does not enable "Import"; only the save dialog and entering the page do.
    QTest::keyClicks(w.part<QLineEdit>("edOutputFile"), "/x/typed");
    QVERIFY(!w.next()->isEnabled());
    w.click("btnBack");
    QVERIFY(w.next()->isEnabled());  // the files are kept
    w.click("btnNext");
    QVERIFY(w.next()->isEnabled());

    QSignalSpy accepted(w.dialog.get(), &QDialog::accepted);
    w.click("btnNext");
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(w.import.OutputFile, QString("/x/typed"));  // nothing appended to a typed name
  }

  void choosingTheOutputFile_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("importEnabled");
    QTest::newRow("no extension gets .htm") << "/x/de/hallo"
                                            << "/x/de/hallo.htm" << true;
    QTest::newRow("an extension is kept") << "/x/de/hallo.html"
                                          << "/x/de/hallo.html" << true;
    QTest::newRow("a dot in a folder is no extension") << "/x/v1.2/hallo"
                                                       << "/x/v1.2/hallo.htm" << true;
    QTest::newRow("cancelled") << ""
                               << "" << false;
  }
  void choosingTheOutputFile() {
    QFETCH(QString, chosen);
    QFETCH(QString, field);
    QFETCH(bool, importEnabled);
    Wizard w(Page::Import2);
    QString filter;
    w.dialog->setSaveFileChooser([&](const QString& offered, const QString&) {
      filter = offered;
      return chosen;
    });
    w.click("SpeedButton4");
    QVERIFY(filter.contains("*.htm"));
    QCOMPARE(w.part<QLineEdit>("edOutputFile")->text(), field);
    QCOMPARE(w.next()->isEnabled(), importEnabled);
  }
};

TOLVANE_GUI_TEST(ImportExportWizardTest);
#include "import_export_wizard_test.moc"
