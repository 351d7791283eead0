#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "document/document_scan.h"
#include "document/headless_view.h"
#include "document/page_file.h"
#include "exchange/export_document.h"
#include "exchange/import_document.h"
#include "exchange/recombine.h"
#include "support/outline.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;

class ExchangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_folder = fs::temp_directory_path() / ("tolvane-exchange-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
  }
  void TearDown() override { fs::remove_all(m_folder); }

  std::string path(const std::string& name) const { return (m_folder / name).string(); }
  std::string folder() const { return m_folder.string() + "/"; }
  static std::string read(const std::string& file) {
    std::string bytes;
    EXPECT_TRUE(html::readFileBytes(file, bytes)) << file;
    return bytes;
  }
  static void write(const std::string& file, std::string_view bytes) {
    ASSERT_TRUE(html::writeFileAtomically(file, bytes));
  }

  // Scans page (all views, filter as given) and exports it as pageName into the test folder.
  ExportFileNames exportPage(std::string_view page, bool filter = false,
                             const std::string& pageName = "hello.html") {
    view.show(html::Document::fromBytes(std::string(page)));
    settings = testing::allViews(filter);
    ScanDocument(list, view, settings);
    ExportFileNames files;
    EXPECT_TRUE(ExportDocument(list, view, "/site/" + pageName, folder(), {}, &files));
    return files;
  }

  fs::path m_folder;
  HeadlessView view;
  BlockList list;
  settings::TGlobalVars settings;
};

TEST_F(ExchangeTest, ExportWritesNumberedLinesAndATemplateWithPlaceholders) {
  const std::string page =
      "<html><head><title>Hello</title></head><body><p>Good morning</p><img alt=Sun></body></html>";
  ExportFileNames files = exportPage(page);
  EXPECT_EQ(files.textFile, path("hello.txt"));
  EXPECT_EQ(files.templateFile, path("hello.vexp"));
  EXPECT_EQ(read(files.textFile), "<1>Hello</>\r\n<2>Good morning</>\r\n<3>Sun</>\r\n");
  EXPECT_EQ(read(files.textFile).size(), 44u);
  EXPECT_EQ(
      read(files.templateFile),
      "<html><head><title>%%_1_%%</title></head><body><p>%%_2_%%</p><img alt=\"%%_3_%%\"></body></html>\r\n");
  // The live page is left as it was.
  EXPECT_EQ(view.currentDocument()->markup(), page);
  EXPECT_FALSE(view.currentDocument()->edited());
}

TEST_F(ExchangeTest, DuplicatesShareALineWithTheFilterOnly) {
  const char* page = "<p>Home</p><p>Home</p>";
  EXPECT_EQ(read(exportPage(page, false).templateFile), "<p>%%_1_%%</p><p>%%_2_%%</p>\r\n");
  list.clear();
  ExportFileNames files = exportPage(page, true);
  EXPECT_EQ(read(files.textFile), "<1>Home</>\r\n");
  EXPECT_EQ(read(files.templateFile), "<p>%%_1_%%</p><p>%%_1_%%</p>\r\n");
}

TEST_F(ExchangeTest, ScriptCodeThatALineCannotCarryStaysInTheTemplate) {
  // "don't ... it's" pairs two apostrophes of comments across lines: code, not a string.
  const char* page =
      "<script>// don't\nrun();\n// it's</script><p>a&lt;b</p><script>x='a<b'; y='ok'</script>";
  ExportFileNames files = exportPage(page, true);
  EXPECT_EQ(read(files.textFile), "<1>t run(); // it</>\r\n<2>a&lt;b</>\r\n<3>ok</>\r\n");
  EXPECT_EQ(read(files.templateFile),
            "<script>// don't\r\nrun();\r\n// it's</script><p>%%_2_%%</p><script>x='a<b'; "
            "y='%%_3_%%'</script>\r\n");
}

TEST_F(ExchangeTest, AnEmptyBlockListGivesAnEmptyTextFile) {
  ExportFileNames files = exportPage("<table><tr></tr></table>\n");
  EXPECT_EQ(read(files.textFile), "");
  EXPECT_EQ(read(files.templateFile), "<table><tr></tr></table>\r\n");
}

TEST_F(ExchangeTest, AMissingExportFolderIsReportedByName) {
  view.show(html::Document::fromBytes("<p>x</p>"));
  ScanDocument(list, view, settings);
  html::FileStatus status = ExportDocument(list, view, "/site/a.html", folder() + "missing/");
  EXPECT_FALSE(status);
  EXPECT_NE(status.error.find(folder() + "missing/a.txt"), std::string::npos) << status.error;
}

TEST(ExchangeFormat, FileNames) {
  struct Case {
    const char* folder;
    const char* page;
    const char* text;
  };
  const Case cases[] = {
      {"/out/", "/site/hello.html", "/out/hello.txt"},  {"/out/", "/site/hello.htm", "/out/hello.txt"},
      {"/out/", "/other/hello.html", "/out/hello.txt"}, {"/out", "/site/hello.html", "/outhello.txt"},
      {"/out/", "/site/noext", "/out/noext.txt"},       {"/out/", "/site/a.b.html", "/out/a.b.txt"}};
  for (const Case& c : cases) {
    ExportFileNames names = ExportFileNamesFor(c.folder, c.page);
    EXPECT_EQ(names.textFile, c.text);
    EXPECT_EQ(names.templateFile, std::string(c.text).replace(std::string(c.text).size() - 4, 4, ".vexp"));
  }
}

TEST(ExchangeFormat, TextsAreWrittenAsTheTemplateTakesThem) {
  EXPECT_EQ(ExchangeText("Tom & \"Jerry\" <b>", ExchangeContext::Markup),
            "Tom &amp; &quot;Jerry&quot; &lt;b&gt;");
  EXPECT_EQ(ExchangeText("A&nbspB & C", ExchangeContext::Markup), "A&nbspB &amp; C");
  EXPECT_EQ(ExchangeText("two\r\nlines", ExchangeContext::Markup), "two&#13;&#10;lines");
  EXPECT_EQ(ExchangeText("a < b && c\n", ExchangeContext::ScriptCode), "a < b && c ");
  EXPECT_EQ(ExchangeText("plain text", ExchangeContext::Markup), "plain text");
}

TEST(Recombine, FirstLineVariations) {
  struct Case {
    const char* line;
    const char* result;
  };
  const Case cases[] = {{"<1>Hallo</>", "[Hallo]"},
                        {"<1>Hallo", "[]"},
                        {"<1>Hallo</> Welt", "[Hallo]"},
                        {"<01>Hallo</>", "[>Hallo]"},
                        {"<1></>", "[]"},
                        {"<1>a</>b</>", "[a]"},
                        {"", "[]"},
                        {"<1", "[]"},
                        {"<1></", "[]"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(Recombine("[%%_1_%%]", {c.line}), c.result);
  }
}

TEST(Recombine, ShiftedMissingAndSurplusLines) {
  const std::string tmpl = "%%_1_%%|%%_2_%%|%%_3_%%";
  EXPECT_EQ(Recombine(tmpl, {"<1>a</>", "<2>b</>", "<3>c</>"}), "a|b|c");
  EXPECT_EQ(Recombine(tmpl, {"<1>a</>", "<3>c</>"}), "a|c|%%_3_%%");          // a deleted line
  EXPECT_EQ(Recombine(tmpl, {"<1>a</>", "", "<2>b</>", "<3>c</>"}), "a||b");  // an empty line inserted
  EXPECT_EQ(Recombine(tmpl, {"<1>a</>", "<2>b</>", "<3>c</>", "<4>d</>", ""}), "a|b|c");
  EXPECT_EQ(Recombine(tmpl, {}), tmpl);
  EXPECT_EQ(Recombine("%%_1_%% %%_10_%% %%_1_%%", {"<1>one</>"}), "one %%_10_%% one");
}

TEST(Recombine, PlaceholdersInsideTextsAreFilledByLaterLinesOnly) {
  std::vector<std::string_view> lines = {"<1>x</>", "<2>[%%_3_%%|%%_1_%%]</>", "<3>three</>"};
  EXPECT_EQ(Recombine("%%_2_%%", lines), "[three|%%_1_%%]");
  EXPECT_EQ(Recombine("%%_2_%%", {"<1>x</>", "<2>%%_2_%%</>"}), "%%_2_%%");
  // A placeholder that forms only where an inserted text meets the template.
  EXPECT_EQ(Recombine("%%_%%_1_%%2_%%", {"<1></>", "<2>two</>"}), "two");
}

TEST(ExchangeLines, LineEnds) {
  using namespace std::string_literals;
  EXPECT_EQ(html::TextLines("a\r\nb\rc\nd"), (std::vector<std::string_view>{"a", "b", "c", "d"}));
  EXPECT_EQ(html::TextLines("a\n\rb\r\n"), (std::vector<std::string_view>{"a", "", "b"}));
  EXPECT_EQ(html::TextLines("a\0b\nc"s), (std::vector<std::string_view>{"a"}));
  EXPECT_EQ(html::TextLines("a\rb\rc\n\nd\re"), (std::vector<std::string_view>{"a", "b", "c", "", "d", "e"}));
  EXPECT_TRUE(html::TextLines("").empty());
  EXPECT_EQ(html::WithCrLfLineEnds("a\rb\n\r\nc\r\rd"), "a\r\nb\r\n\r\nc\r\n\r\nd\r\n");
  EXPECT_EQ(html::WithCrLfLineEnds(""), "");
}

// The steps one by one, exactly as they read: the reference for the fast recombination.
std::string stepByStepReference(std::string text, const std::vector<std::string>& lines) {
  for (size_t k = 1; k <= lines.size(); ++k) {
    const std::string& line = lines[k - 1];
    const std::string placeholder = "%%_" + std::to_string(k) + "_%%";
    const size_t mark = std::to_string(k).size() + 2;
    const size_t end = line.find("</>");
    std::string entry = end == std::string::npos || end <= mark ? "" : line.substr(mark, end - mark);
    std::string next;
    size_t cursor = 0, at;
    while ((at = text.find(placeholder, cursor)) != std::string::npos) {
      next += text.substr(cursor, at - cursor) + entry;
      cursor = at + placeholder.size();
    }
    text = next + text.substr(cursor);
  }
  return text;
}

TEST(Recombine, AgreesWithTheStepByStepReference) {
  std::mt19937 random(2026);
  const char* pieces[] = {"%%_1_%%", "%%_2_%%", "%%_3_%%", "%%_12_%%", "%%_",      "_%%",
                          "%",       "%%",      "_",       "1",        "2",        "0",
                          "text ",   "<p>",     "</>",     "<1>",      "%%_01_%%", "%%_4_%%"};
  auto piecesText = [&](int count) {
    std::string s;
    for (int i = 0; i < count; ++i) s += pieces[random() % std::size(pieces)];
    return s;
  };
  for (int round = 0; round < 100000; ++round) {
    std::string tmpl = piecesText(static_cast<int>(random() % 12));
    std::vector<std::string> lines(random() % 6);
    for (size_t k = 0; k < lines.size(); ++k)
      lines[k] = (random() % 5 ? "<" + std::to_string(k + 1) + ">" : std::string()) +
                 piecesText(random() % 4) + (random() % 4 ? "</>" : "");
    std::vector<std::string_view> views(lines.begin(), lines.end());
    std::string described = tmpl;
    for (const std::string& line : lines) described += " | " + line;
    ASSERT_EQ(Recombine(tmpl, views), stepByStepReference(tmpl, lines))
        << "round " << round << ": " << described;
  }
}

TEST_F(ExchangeTest, ImportPutsTheTranslationIntoTheTemplate) {
  write(path("hello.txt"), "<1>Hallo</>\r\n<2>Guten Morgen & mehr</>\r\n<3>Sonne</>\r\n");
  write(path("hello.vexp"), "<title>%%_1_%%</title>\n<p>%%_2_%%</p><img alt=\"%%_3_%%\">");
  ImportResult result = ImportDocument(path("hello.txt"), path("hello.vexp"), path("hallo.htm"));
  ASSERT_EQ(result.outcome, ImportResult::Outcome::Written) << result.error;
  EXPECT_EQ(read(path("hallo.htm")),
            "<title>Hallo</title>\r\n<p>Guten Morgen & mehr</p><img alt=\"Sonne\">\r\n");
}

TEST_F(ExchangeTest, ImportOfMissingOrUnwritableFiles) {
  write(path("a.txt"), "<1>x</>\r\n");
  write(path("a.vexp"), "%%_1_%%");
  EXPECT_EQ(ImportDocument(path("none.txt"), path("a.vexp"), path("o.html")).outcome,
            ImportResult::Outcome::MissingInput);
  EXPECT_EQ(ImportDocument(path("a.txt"), path("none.vexp"), path("o.html")).outcome,
            ImportResult::Outcome::MissingInput);
  EXPECT_FALSE(fs::exists(path("o.html")));
  ImportResult failed = ImportDocument(path("a.txt"), path("a.vexp"), path("no/such/o.html"));
  EXPECT_EQ(failed.outcome, ImportResult::Outcome::Failed);
  EXPECT_NE(failed.error.find(path("no/such/o.html")), std::string::npos);
  write(path("empty.txt"), "");
  write(path("lf.vexp"), "a\nb");
  ImportDocument(path("empty.txt"), path("lf.vexp"), path("o.html"));
  EXPECT_EQ(read(path("o.html")), "a\r\nb\r\n");
}

TEST_F(ExchangeTest, ImportWritesTheEncodingThePageDeclares) {
  write(path("p.txt"),
        "<1>Gr\xC3\xBC\xC3\x9F"
        "e \xE2\x82\xAC \xC4\x81</>\r\n");
  write(path("p.vexp"), "<meta charset=windows-1252><p>%%_1_%%</p>");
  ASSERT_EQ(ImportDocument(path("p.txt"), path("p.vexp"), path("p.html")).outcome,
            ImportResult::Outcome::Written);
  EXPECT_EQ(read(path("p.html")),
            "<meta charset=windows-1252><p>Gr\xFC\xDF"
            "e \x80 &#257;</p>\r\n");
  auto page = html::Document::fromBytes(read(path("p.html")));
  EXPECT_EQ(page->encoding(), "windows-1252");
}

TEST_F(ExchangeTest, ExportThenImportGivesThePageBack) {
  for (const auto& entry : fs::directory_iterator(TOLVANE_FIXTURES)) {
    SCOPED_TRACE(entry.path().filename().string());
    std::string bytes = read(entry.path().string());
    for (bool filter : {false, true}) {
      list.clear();
      ExportFileNames files = exportPage(bytes, filter, entry.path().filename().string());
      ASSERT_EQ(ImportDocument(files.textFile, files.templateFile, path("result.html")).outcome,
                ImportResult::Outcome::Written);
      auto original = html::Document::fromBytes(bytes);
      auto result = html::Document::fromBytes(read(path("result.html")));
      EXPECT_EQ(testing::contentOf(*result), testing::contentOf(*original));
    }
  }
}

// A page may hold NUL bytes; the template keeps them, and the page after them comes back too.
TEST_F(ExchangeTest, PagesWithNulBytesComeBackWhole) {
  using namespace std::string_literals;
  const std::string pages[] = {
      "<p>one\0two</p><p>after</p>\n"s,
      "<hea\0d><p>in a tag name</p><p>after</p>\n"s,
      "<p title=\"a\0b\">in a value</p><p>after</p>\n"s,
      "<script>var s = 'a\0b';</script><p>after</p>\n"s,
      "<!-- a\0b --><p>after</p>\n"s,
  };
  for (const std::string& page : pages) {
    SCOPED_TRACE(testing::contentOf(*testing::load(page)));
    list.clear();
    ExportFileNames files = exportPage(page);
    ASSERT_EQ(ImportDocument(files.textFile, files.templateFile, path("result.html")).outcome,
              ImportResult::Outcome::Written);
    auto result = html::Document::fromBytes(read(path("result.html")));
    EXPECT_EQ(testing::contentOf(*result), testing::contentOf(*testing::load(page)));
  }
}

}  // namespace
}  // namespace tolvane
