#include <gtest/gtest.h>

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
  for (const auto& args : std::vector<std::vector<std::string>>{{}, {"info"}, {"nonsense", "x.html"}, {"info", "a", "b"}}) {
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
