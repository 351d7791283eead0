#include <gtest/gtest.h>

#include <filesystem>

#include "document/block_locator.h"
#include "document/document_scan.h"
#include "document/headless_view.h"
#include "document/page_markup.h"
#include "document/write_back.h"
#include "editing/apply_text.h"
#include "support/outline.h"

namespace tolvane {
namespace {

using testing::allViews;

std::string rowTexts(const BlockList& list) {
  std::string out;
  for (const BlockRow& row : list.rows()) out += row.text + "|";
  return out;
}

// A page in a headless view with its scanned block list.
struct Page {
  explicit Page(std::string_view markup, settings::TGlobalVars vars = allViews())
      : settings(std::move(vars)) {
    view.show(html::Document::fromBytes(std::string(markup)));
    ScanDocument(list, view, settings);
  }
  TDuplTags& group(size_t row) { return *list.row(row).group; }
  html::FileStatus apply(size_t row, std::string_view text) {
    GroupEditContext context{settings, state, [this] { ScanDocument(list, view, settings); }};
    return ApplyText(group(row), text, context);
  }
  std::string markup() { return GetPageMarkup(view); }

  HeadlessView view;
  BlockList list;
  settings::TGlobalVars settings;
  DocumentState state;
};

struct WriteCase {
  const char* name;
  const char* page;
  const char* rowText;  // the row to edit, by its text
  const char* newText;
  const char* markup;
  const char* rows;  // the rows of a new scan of the result
};

const WriteCase kWriteCases[] = {
    {"text_after_start_tag_keeps_its_spaces", "<p>Click <a href=#>here</a> now</p>", "Click", "Klicken",
     "<p>Klicken <a href=#>here</a> now</p>", "Klicken|here|now|"},
    {"text_after_end_tag", "<p>Click <a href=#>here</a>  now\n</p>", "now", "jetzt",
     "<p>Click <a href=#>here</a>  jetzt\n</p>", "Click|here|jetzt|"},
    {"markup_characters_are_text", "<p>old</p>", "old", "a < b & &nbsp c", "<p>a &lt; b &amp; &nbsp; c</p>",
     "a < b & &nbsp c|"},
    {"title", "<title> Old title </title>", "Old title", "New", "<title> New </title>", "New|"},
    {"meta_content", "<meta name=description content=\"Describe\">", "Describe", "Beschreiben",
     "<meta name=description content=\"Beschreiben\">", "Beschreiben|"},
    {"image_alt", "<img src=a.png alt='Logo'>", "Logo", "Zeichen", "<img src=a.png alt=\"Zeichen\">",
     "Zeichen|"},
    {"input_value", "<input type=submit value=Send>", "Send", "Senden",
     "<input type=submit value=\"Senden\">", "Senden|"},
    {"image_input_takes_alt", "<input type=image alt=Go src=go.png>", "Go", "Los",
     "<input type=image alt=\"Los\" src=go.png>", "Los|"},
    {"text_after_br", "a<br>\nline two", "line two", "Zeile zwei", "a<br>\nZeile zwei", "a|Zeile zwei|"},
    {"script_string_keeps_the_code_layout", "<script>\n  say('Hello ', 'World');\n</script>", "World", "Welt",
     "<script>\n  say('Hello ', 'Welt');\n</script>", "Hello|Welt|"},
    {"apostrophes_in_script_strings_are_escaped", "<script>a('one'); b('two')</script>", "one", "it's",
     "<script>a('it\\u0027s'); b('two')</script>", "it\\u0027s|two|"},
    {"event_attribute_comes_back_whole", "<a onclick=\"if (x) { go('there'); }\">t</a>", "there", "dorthin",
     "<a onclick=\"if (x) { go('dorthin'); }\">t</a>", "t|dorthin|"},
    {"empty_text_removes_running_text", "<p>gone <b>b</b></p>", "gone", "", "<p> <b>b</b></p>", "b|"},
};

class WriteBackTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteBackTest, WritesTheBlockAndScansBack) {
  const WriteCase& c = GetParam();
  Page page(c.page);
  std::optional<size_t> row;
  for (size_t i = 0; i < page.list.rowCount(); ++i)
    if (page.list.row(i).text == c.rowText) row = i;
  ASSERT_TRUE(row) << rowTexts(page.list);
  page.apply(*row, c.newText);
  EXPECT_EQ(page.markup(), c.markup);
  Page again(page.markup());
  EXPECT_EQ(rowTexts(again.list), c.rows);
}

INSTANTIATE_TEST_SUITE_P(Blocks, WriteBackTest, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteBack, ReplaceQuoted) {
  struct Case {
    const char* text;
    const char* replacement;
    int k;
    std::optional<std::string> result;
  };
  const Case cases[] = {{"a('x') + b('y')", "Z", 1, "a('Z') + b('y')"},
                        {"a('x') + b('y')", "Z", 2, "a('x') + b('Z')"},
                        {"a('x') + b('')", "Z", 2, "a('x') + b('Z')"},
                        {"a('x') + b('y')", "Z", 3, std::nullopt},
                        {"a('x') + b('y", "Z", 2, std::nullopt},
                        {"a('x')", "Z", 0, std::nullopt},
                        {"a('x')", "Z", -1, std::nullopt},
                        {"", "Z", 1, std::nullopt}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " #" + std::to_string(c.k));
    EXPECT_EQ(ReplaceQuoted(c.text, c.replacement, c.k), c.result);
  }
}

TEST(WriteBack, BlocksOfAVanishedElementWriteNothing) {
  Page page("<p>text</p>");
  TTag ghost = page.group(0).GetTag(0);
  ghost.ElementID = "tv_id999";
  EXPECT_FALSE(DefineText(ghost, "x"));
  ghost.ScriptKind = ScriptStringKind::ScriptCode;
  EXPECT_FALSE(DefineText(ghost, "x"));
  EXPECT_EQ(page.markup(), "<p>text</p>");
}

TEST(WriteBack, ImageWithoutAltIsNotChanged) {
  Page page("<img src=a.png alt=Logo>");
  html::Document& doc = *page.view.currentDocument();
  doc.item(doc.length() - 1).setAlt("");
  DefineText(page.group(0).GetTag(0), "New");
  EXPECT_EQ(doc.item(doc.length() - 1).alt(), "");
}

// Selects the row's block and gives the selected text, "<IMG>" for an element as a whole, or "-".
std::string selectionAfterSelecting(std::string_view markup, size_t row) {
  Page page(markup);
  html::Document& doc = *page.view.currentDocument();
  doc.emptySelection();
  SelectBlock(page.group(row).GetTag(0));
  const html::Selection& s = doc.selection();
  if (s.kind == html::Selection::Kind::None) return "-";
  if (s.kind == html::Selection::Kind::Element) return "<" + html::Element(&doc, s.element).tagName() + ">";
  return doc.createRange().text();
}

TEST(SelectBlock, SelectsTheBlocksOwnText) {
  const char* page =
      "<title>T</title><meta content=M><p>Home <b>x</b> Home</p>a<br> after break <img alt=Cap>tail"
      "<input value=Val><input><script>s('str')</script><a onclick=\"f('ev')\">link</a>";
  // Rows: T, M, Home (in P), a (after P), x, Home (after B), after break, Cap, tail, Val, str, link, ev
  struct Case {
    size_t row;
    const char* selected;
  };
  const Case cases[] = {{0, "-"},    {1, "-"},           {2, "Home"},  {3, "a"},    {4, "x"},
                        {5, "Home"}, {6, "after break"}, {7, "<IMG>"}, {8, "tail"}, {9, "<INPUT>"},
                        {10, "-"},   {11, "link"},       {12, "link"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    EXPECT_EQ(selectionAfterSelecting(page, c.row), c.selected);
  }
}

TEST(SelectBlock, TheTrailingCopyIsSelectedNotAnEarlierOne) {
  Page page("<p>Home <b>x</b> Home</p>");
  html::Document& doc = *page.view.currentDocument();
  SelectBlock(page.group(2).GetTag(0));  // " Home" after B
  EXPECT_EQ(doc.node(doc.selection().start.textNode).previousSibling, doc.item(doc.length() - 1).node());
}

TEST(SelectBlock, EmptiedTextLeavesThePreviousSelection) {
  Page page("<p>one</p><p>two</p>");
  SelectBlock(page.group(1).GetTag(0));
  html::Selection before = page.view.currentDocument()->selection();
  page.view.currentDocument()->item(3).replaceAdjacentText(html::Adjacent::AfterBegin, "  ");
  SelectBlock(page.group(0).GetTag(0));
  EXPECT_EQ(page.view.currentDocument()->selection(), before);
}

class FileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_path =
        (std::filesystem::temp_directory_path() / ("tolvane-file-" + std::to_string(::getpid()))).string();
  }
  void TearDown() override { std::filesystem::remove(m_path); }
  std::string read() {
    std::string bytes;
    EXPECT_TRUE(html::readFileBytes(m_path, bytes));
    return bytes;
  }
  std::string m_path;
};

TEST_F(FileTest, SaveTextToFileEndsEveryLineWithCrLf) {
  using namespace std::string_literals;
  struct Case {
    std::string text, file;
  };
  const Case cases[] = {{"one line", "one line\r\n"},   {"a\r\nb\r\n", "a\r\nb\r\n"},
                        {"a\rb\nc", "a\r\nb\r\nc\r\n"}, {"a\n\rb", "a\r\n\r\nb\r\n"},
                        {"a\n\n", "a\r\n\r\n"},         {"", ""},
                        {"cut\0here"s, "cut\r\n"},      {"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9\r\n"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ASSERT_TRUE(SaveTextToFile(c.text, m_path));
    EXPECT_EQ(read(), c.file);
  }
}

TEST_F(FileTest, LoadTextFromFileStopsAtNulAndKeepsTextForMissingFiles) {
  using namespace std::string_literals;
  ASSERT_TRUE(html::writeFileAtomically(m_path, "before\r\n\0after"s));
  std::string text = "untouched";
  ASSERT_TRUE(html::loadTextFromFile(m_path, text));
  EXPECT_EQ(text, "before\r\n");
  text = "untouched";
  EXPECT_TRUE(html::loadTextFromFile(m_path + ".missing", text));
  EXPECT_EQ(text, "untouched");
}

TEST_F(FileTest, SaveCurrentDocument) {
  Page page("<p>x</p>\r\n");
  EXPECT_TRUE(SaveCurrentDocument(page.view, page.state));  // no file name: nothing happens
  page.state.DocModified = true;
  page.state.CurrentFileName = m_path;
  ASSERT_TRUE(SaveCurrentDocument(page.view, page.state));
  EXPECT_FALSE(page.state.DocModified);
  EXPECT_EQ(read(), "<p>x</p>\r\n");

  page.state.DocModified = true;
  page.state.CurrentFileName = "/nonexistent-folder/page.html";
  html::FileStatus failed = SaveCurrentDocument(page.view, page.state);
  EXPECT_FALSE(failed);
  EXPECT_NE(failed.error.find("/nonexistent-folder/page.html"), std::string::npos);
  EXPECT_NE(failed.error.find("No such file or directory"), std::string::npos);
  EXPECT_TRUE(page.state.DocModified);
}

TEST_F(FileTest, ApplyTextChangesEveryCopySnapshotsAndSaves) {
  const std::string original = "<p>Home</p><p>Home</p><p>home</p><img alt=Home>";
  Page page(original, allViews(true));
  ASSERT_EQ(page.list.rowCount(), 2u);
  page.state.CurrentFileName = m_path;
  page.settings.AutoSave = false;
  page.list.setSelectedRow(0);
  page.apply(0, " Start\n");
  EXPECT_EQ(page.settings.ContentUndo, original);
  // The text is written as given; the row shows it trimmed.
  EXPECT_EQ(page.markup(), "<p> Start\n</p><p> Start\n</p><p>home</p><img alt=\" Start\n\">");
  EXPECT_EQ(page.list.row(0).text, "Start");
  EXPECT_EQ(page.group(0).Text, " Start\n");
  EXPECT_TRUE(page.state.DocModified);
  EXPECT_FALSE(std::filesystem::exists(m_path));
  EXPECT_EQ(page.view.currentDocument()->createRange().text(), "Start");  // the first copy is highlighted

  page.settings.AutoSave = true;
  const std::string before = page.markup();
  ASSERT_TRUE(page.apply(0, "Anfang"));
  EXPECT_EQ(page.settings.ContentUndo, before);
  EXPECT_FALSE(page.state.DocModified);
  EXPECT_EQ(read(), page.markup());
  // The white space around the old text stays.
  EXPECT_EQ(read(), "<p> Anfang\n</p><p> Anfang\n</p><p>home</p><img alt=\" Anfang\n\">");
}

TEST(ApplyText, AScriptStringEditRescansTheLiveDocument) {
  Page page("<script>a('x'); b('y')</script><p>para</p>");
  page.settings.AutoSave = false;
  page.apply(2, "neu");  // the paragraph: no rescan, the rows stay
  page.apply(0, "it's");
  EXPECT_EQ(rowTexts(page.list), "it\\u0027s|y|neu|");  // rebuilt from the live page, the unsaved edit kept
}

TEST(ApplyText, ApplyingEveryRowsOwnTextChangesNoByte) {
  for (const auto& entry : std::filesystem::directory_iterator(TOLVANE_FIXTURES)) {
    SCOPED_TRACE(entry.path().filename().string());
    std::string bytes;
    ASSERT_TRUE(html::readFileBytes(entry.path().string(), bytes));
    for (bool filter : {false, true}) {
      Page page(bytes, allViews(filter));
      page.settings.AutoSave = false;
      for (size_t row = 0; row < page.list.rowCount(); ++row) {
        std::string text = page.list.row(row).text;
        page.apply(row, text);
      }
      EXPECT_EQ(page.markup(), bytes);
    }
  }
}

}  // namespace
}  // namespace tolvane

namespace tolvane {
namespace {

// Writing the strings of a script in one pass gives what writing them one after the other gives.
TEST(WriteBack, ManyBlocksAtOnceEqualOneAfterTheOther) {
  std::string page = "<script>\n";
  for (int i = 0; i < 300; ++i) page += "f(' s" + std::to_string(i % 7) + " ', \"it's\");\n";
  page += "</script><p>para</p><a onclick=\"g('x','y')\">l</a>";
  Page batch(page, testing::allViews(true)), single(page, testing::allViews(true));
  std::vector<BlockWrite> writes;
  for (size_t r = 0; r < batch.list.rowCount(); ++r)
    for (size_t i = 0; i < batch.group(r).Count(); ++i) {
      std::string text = "new " + std::to_string(r) + " 'q'";
      writes.push_back({&batch.group(r).GetTag(i), text});
      DefineText(single.group(r).GetTag(i), text);
    }
  EXPECT_TRUE(DefineTexts(writes));
  EXPECT_EQ(batch.markup(), single.markup());
  EXPECT_NE(batch.markup(), page);
}

}  // namespace
}  // namespace tolvane
