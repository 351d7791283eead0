#include <gtest/gtest.h>

#include <sys/stat.h>
#include <filesystem>
#include <fstream>

#include "document/page_file.h"
#include "settings/ini_file.h"
#include "settings/settings.h"

namespace tolvane::settings {
namespace {

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_folder = std::filesystem::temp_directory_path() /
               ("tolvane-settings-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(m_folder);
    std::filesystem::create_directories(m_folder);
    m_ini = (m_folder / "tolvane.ini").string();
  }
  void TearDown() override {
    std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(m_folder);
  }
  void writeIni(const std::string& text) { ASSERT_TRUE(html::writeFileAtomically(m_ini, text)); }
  std::string readIni() {
    std::string text;
    EXPECT_TRUE(html::readFileBytes(m_ini, text));
    return text;
  }

  std::filesystem::path m_folder;
  std::string m_ini;
};

TEST_F(SettingsTest, AMissingFileGivesTheDefaultsAndSavingCreatesItInOrder) {
  TGlobalVars vars;
  LoadSettings(vars, m_ini, "/opt/tolvane");
  EXPECT_FALSE(vars.ItemsFilter || vars.EmptyDelete || vars.UseMSWord || vars.ViewValue || vars.ViewScripts);
  EXPECT_TRUE(vars.AutoSave && vars.Deutsch && vars.ViewText && vars.ViewMeta && vars.ViewImages);
  EXPECT_EQ(vars.ExportFolder, "/opt/tolvane/");
  ASSERT_TRUE(SaveSettings(vars, m_ini));
  EXPECT_EQ(readIni(),
            "[MainOptions]\r\nItemsFilter=0\r\nEmptyDelete=0\r\nUseMSWord=0\r\nAutoSave=1\r\nDeutsch=1\r\n"
            "[HTMLOptions]\r\nViewText=1\r\nViewMeta=1\r\nViewImages=1\r\nViewValue=0\r\nViewScripts=0\r\n"
            "[ImportExport]\r\nExportFolder=/opt/tolvane/\r\n");
}

TEST_F(SettingsTest, FlagValuesAreReadAsProfileIntegers) {
  struct Case {
    const char* stored;
    bool itemsFilter;  // default false
    bool autoSave;     // default true
  };
  const Case cases[] = {{"1", true, true},     {"0", false, false},   {"2", true, true},
                        {"-1", true, true},    {"0x0", false, false}, {"0x10", true, true},
                        {"0X1f", true, true},  {"yes", false, true},  {"", false, true},
                        {"12abc", true, true}, {" 0 ", false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    writeIni(std::string("[mainoptions]\nitemsfilter=") + c.stored + "\nAutoSave=" + c.stored + "\n");
    TGlobalVars vars;
    LoadSettings(vars, m_ini, "/p");
    EXPECT_EQ(vars.ItemsFilter, c.itemsFilter);
    EXPECT_EQ(vars.AutoSave, c.autoSave);
  }
}

TEST_F(SettingsTest, ExportFolderIsTakenAsItStands) {
  writeIni("[ImportExport]\r\nExportFolder=/data/out\r\n");
  TGlobalVars vars;
  LoadSettings(vars, m_ini, "/p");
  EXPECT_EQ(vars.ExportFolder, "/data/out");
  writeIni("[ImportExport]\r\nExportFolder=" + std::string(3000, 'x') + "\r\n");
  LoadSettings(vars, m_ini, "/p");
  EXPECT_EQ(vars.ExportFolder.size(), 2047u);
}

TEST_F(SettingsTest, SavingKeepsOtherLinesAndChangesOnlyTheKeys) {
  writeIni("; written by hand\r\n[HTMLOptions]\r\nViewText = 0\r\nOther=x\r\n\r\n[Mine]\r\nKeep=1\r\n");
  TGlobalVars vars;
  LoadSettings(vars, m_ini, "/p");
  EXPECT_FALSE(vars.ViewText);
  vars.ViewText = true;
  vars.ContentUndo = "<p>never stored</p>";
  ASSERT_TRUE(SaveSettings(vars, m_ini));
  std::string text = readIni();
  EXPECT_EQ(text.find("; written by hand\r\n[HTMLOptions]\r\nViewText=1\r\nOther=x\r\nViewMeta=1\r\n"), 0u)
      << text;
  EXPECT_NE(text.find("[Mine]\r\nKeep=1\r\n"), std::string::npos);
  EXPECT_EQ(text.find("never stored"), std::string::npos);
  TGlobalVars again;
  LoadSettings(again, m_ini, "/p");
  EXPECT_TRUE(again.ViewText);
  EXPECT_TRUE(again.ContentUndo.empty());
}

TEST_F(SettingsTest, AnUnwritableFileIsReportedAndLeftAsItWas) {
  if (::geteuid() == 0) {
    // root writes into read-only folders; a missing parent that cannot be created fails for everyone
    std::string blocked = (m_folder / "file").string();
    writeIni("");
    std::ofstream(blocked) << "x";
    m_ini = blocked + "/sub/tolvane.ini";
  } else {
    writeIni("[MainOptions]\r\nDeutsch=0\r\n");
    std::filesystem::permissions(m_folder,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  }
  TGlobalVars vars;
  LoadSettings(vars, m_ini, "/p");
  html::FileStatus status = SaveSettings(vars, m_ini);
  ASSERT_FALSE(status);
  EXPECT_EQ(status.error.rfind("Unable to write to " + m_ini, 0), 0u) << status.error;
}

TEST(SettingsFile, LiesBesideTheProgramInLowerCase) {
  std::string folder = std::filesystem::temp_directory_path().string();
  EXPECT_EQ(settingsFilePath(folder + "/Tolvane"), folder + "/tolvane.ini");
  EXPECT_EQ(settingsFilePath(folder + "/tolvane.bin"), folder + "/tolvane.ini");
}

TEST(SettingsFile, FallsBackToTheUserConfigFolderWhenTheProgramFolderIsReadOnly) {
  if (::geteuid() == 0) GTEST_SKIP() << "root can write into every folder";
  ::setenv("XDG_CONFIG_HOME", "/tmp/xdg-test", 1);
  EXPECT_EQ(settingsFilePath("/usr/bin/tolvane"), "/tmp/xdg-test/tolvane/tolvane.ini");
}

TEST(IniFile, KeysAndSectionsIgnoreCaseAndValuesAreTrimmed) {
  IniFile file = IniFile::parse("[Sec]\nKey = value with spaces \r\n[other]\nkey=2\n");
  EXPECT_EQ(file.value("SEC", "KEY"), "value with spaces");
  EXPECT_EQ(file.value("Other", "Key"), "2");
  EXPECT_EQ(file.value("Sec", "missing"), std::nullopt);
  EXPECT_EQ(file.value("none", "Key"), std::nullopt);
  file.setValue("sec", "key", "new");
  file.setValue("Third", "A", "1");
  EXPECT_EQ(file.text(), "[Sec]\r\nKey=new\r\n[other]\r\nkey=2\r\n[Third]\r\nA=1\r\n");
}

}  // namespace
}  // namespace tolvane::settings
