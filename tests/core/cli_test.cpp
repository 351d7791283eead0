#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace std::string_literals;

#include "shell/cli_commands.h"

namespace tolvane::cli {
namespace {

struct Outcome {
  int code;
  std::string out, err;
};

Outcome runCli(std::vector<std::string> args) {
  std::ostringstream out, err;
  int code = run(args, "/nonexistent/tolvane-cli", out, err);
  return {code, out.str(), err.str()};
}

const std::string kFixtures = TOLVANE_FIXTURES;

TEST(Cli, UsageErrors) {
  for (const auto& args :
       std::vector<std::vector<std::string>>{{}, {"info"}, {"nonsense", "x.html"}, {"info", "a", "b"}}) {
    Outcome o = runCli(args);
    EXPECT_EQ(o.code, 1);
    EXPECT_NE(o.err.find("Usage:"), std::string::npos);
  }
}

TEST(Cli, MissingPageNamesTheFileAndTheReason) {
  Outcome o = runCli({"info", "/nonexistent/page.html"});
  EXPECT_EQ(o.code, 2);
  EXPECT_NE(o.err.find("/nonexistent/page.html"), std::string::npos);
  EXPECT_NE(o.err.find("No such file or directory"), std::string::npos);
}

TEST(Cli, InfoElementsAndMarkup) {
  Outcome info = runCli({"info", kFixtures + "/windows1252.html"});
  EXPECT_EQ(info.code, 0);
  EXPECT_NE(info.out.find("Encoding: windows-1252\n"), std::string::npos);
  Outcome elements = runCli({"elements", kFixtures + "/misnested.html"});
  const std::string firstLines = "tv_id1\tHTML\t0\ntv_id2\tHEAD\t0\ntv_id3\tBODY\t0\n";
  EXPECT_EQ(elements.out.substr(0, firstLines.size()), firstLines);
  Outcome markup = runCli({"markup", kFixtures + "/utf16le_bom.html"});
  EXPECT_EQ(markup.out.substr(0, 4), "\xFF\xFE<\0"s);
}

}  // namespace
}  // namespace tolvane::cli

namespace tolvane::cli {
namespace {

class CliBlocks : public ::testing::Test {
 protected:
  void SetUp() override {
    m_page = std::filesystem::temp_directory_path() / ("tolvane-cli-" + std::to_string(::getpid()) + ".html");
    std::ofstream(m_page, std::ios::binary)
        << "<title>Tab\there</title><p>Home</p><p>Home</p><p>back\\slash\r\nline</p>"
           "<img alt=Logo><input value=Field><script>x('str')</script>";
    m_ini = m_page.string() + ".ini";
  }
  void TearDown() override {
    std::filesystem::remove(m_page);
    std::filesystem::remove(m_ini);
  }
  std::filesystem::path m_page;
  std::string m_ini;
};

TEST_F(CliBlocks, RowsWithEscapesAndCounts) {
  Outcome o = runCli({"blocks", "--view=all", "--no-filter", "--settings=" + m_ini, m_page.string()});
  EXPECT_EQ(o.code, 0);
  EXPECT_EQ(o.out,
            "0\t1\tTab\\there\n0\t1\tHome\n0\t1\tHome\n0\t1\tback\\\\slash\\nline\n1\t1\tLogo\n3\t1\tField\n4"
            "\t1\tstr\n");
  EXPECT_EQ(o.err, "Text blocks: 7\nWords: 7\n");
}

TEST_F(CliBlocks, FilterViewListAndTags) {
  Outcome o =
      runCli({"blocks", "--filter", "--view=text,scripts", "--tags", "--settings=" + m_ini, m_page.string()});
  EXPECT_EQ(o.code, 0);
  EXPECT_EQ(
      o.out,
      "1\tTITLE\t1\t0\t0\t-\n2\tP\t1\t0\t0\t-\n2\tP\t1\t0\t0\t-\n3\tP\t1\t0\t0\t-\n4\tSCRIPT\t1\t1\t1\t-\n");
  EXPECT_EQ(o.err, "Text blocks: 4\nWords: 4\nDuplicate entries filtered: 1\n");
  Outcome none = runCli({"blocks", "--view=none", "--settings=" + m_ini, m_page.string()});
  EXPECT_EQ(none.out, "");
}

TEST_F(CliBlocks, SettingsFileGivesTheDefaultsTheOptionsOverride) {
  std::ofstream(m_ini) << "[MainOptions]\nItemsFilter=1\n[HTMLOptions]\nViewText=0\nViewValue=1\n";
  Outcome o = runCli({"blocks", "--settings=" + m_ini, m_page.string()});
  EXPECT_EQ(o.out, "1\t1\tLogo\n3\t1\tField\n");
  EXPECT_NE(o.err.find("Duplicate entries filtered: 0"), std::string::npos);
}

TEST_F(CliBlocks, UsageErrors) {
  for (const auto& args :
       std::vector<std::vector<std::string>>{{"blocks", "--view=text,bogus", m_page.string()},
                                             {"blocks", "--what", m_page.string()},
                                             {"blocks"}}) {
    Outcome o = runCli(args);
    EXPECT_EQ(o.code, 1);
    EXPECT_NE(o.err.find("Usage:"), std::string::npos);
  }
  EXPECT_EQ(runCli({"info", "--filter", m_page.string()}).code, 1);
}

}  // namespace
}  // namespace tolvane::cli
