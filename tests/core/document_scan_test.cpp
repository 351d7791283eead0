#include <gtest/gtest.h>

#include <random>

#include "document/document_scan.h"
#include "document/headless_view.h"

namespace tolvane {
namespace {

enum View : unsigned { kText = 1, kMeta = 2, kImages = 4, kValues = 8, kScripts = 16, kAll = 31 };

settings::TGlobalVars viewSettings(unsigned view, bool filter = false) {
  settings::TGlobalVars vars;
  vars.ViewText = view & kText;
  vars.ViewMeta = view & kMeta;
  vars.ViewImages = view & kImages;
  vars.ViewValue = view & kValues;
  vars.ViewScripts = view & kScripts;
  vars.ItemsFilter = filter;
  return vars;
}

// The rows as "CLASS:TEXT" lines, with the number of blocks after a "*" when it is more than one.
std::string rows(const BlockList& list) {
  std::string out;
  for (const BlockRow& row : list.rows()) {
    out += std::to_string(static_cast<int>(row.icon)) + ":" + row.text;
    if (row.group->Count() > 1) out += "*" + std::to_string(row.group->Count());
    out += "|";
  }
  return out;
}

struct ScanCase {
  const char* name;
  const char* page;
  unsigned view;
  bool filter;
  const char* rows;
};

const ScanCase kScanCases[] = {
    {"element_blocks_come_before_those_of_its_children", "<p>Hello<b>world</b>again</p>Next", kText, false,
     "0:Hello|0:Next|0:world|0:again|"},
    {"text_after_non_containers_is_not_listed", "<table><tr><td>a</td></tr></table>after<ul><li>x</ul>gone",
     kText, false, "0:a|0:x|"},
    {"text_after_comment_image_input_br_script",
     "<p><!--c-->one<img alt=i>two<input>three<br>four<script>s</script>five", kText, false,
     "0:one|0:two|0:three|0:four|0:five|"},
    {"no_break_spaces_become_nbsp", "<p>A&nbsp;B</p><p>&nbsp;&nbsp;</p><p> \t\r\n </p>", kText, false,
     "0:A&nbspB|0:&nbsp&nbsp|"},
    {"texts_are_trimmed", "<p>\n  spaced out \t</p>", kText, false, "0:spaced out|"},
    {"title_is_running_text", "<title> The  title </title><meta name=x content='Header'>", kText, false,
     "0:The  title|"},
    {"meta_contents_are_header_entries",
     "<meta http-equiv=Content-Type content='text/html; charset=utf-8'>"
     "<meta name=d content=Desc><meta content=''>",
     kMeta, false, "2:text/html; charset=utf-8|2:Desc|"},
    {"images_and_image_inputs",
     "<img alt='Logo'><img><input type=image alt=Go value=v><input type=IMAGE alt=''>", kImages, false,
     "1:Logo|1:Go|"},
    {"image_input_listed_by_value_without_images", "<input type=image alt=Go value=Val>", kValues, false,
     "3:Val|"},
    {"field_values", "<input value='Send'><input type=submit value=OK><textarea>no</textarea>", kValues,
     false, "3:Send|3:OK|"},
    {"script_strings_keep_their_numbers", "<script>a('x'); b(''); c('y'); d('odd</script>", kScripts, false,
     "4:x|4:y|"},
    {"double_quotes_do_not_hide_apostrophes", "<script>a(\"it's\", 'z')</script>", kScripts, false,
     "4:s\",|"},
    {"event_attributes_in_table_order",
     "<a onmouseover=\"f('over')\" onclick=\"g('one','two')\" href=#>Link</a>", kAll, false,
     "0:Link|4:one|4:two|4:over|"},
    {"view_text_off_lists_the_rest", "<title>T</title><p>text<img alt=cap><input value=v>", kAll & ~kText,
     false, "1:cap|3:v|"},
    {"filter_merges_equal_texts_case_sensitively", "<p>Home</p><p>Home</p><p>home</p><img alt=Home>", kAll,
     true, "0:Home*3|0:home|"},
    {"no_filter_keeps_every_copy", "<p>Home</p><p>Home</p>", kText, false, "0:Home|0:Home|"},
    {"empty_page", "", kAll, true, ""},
};

class DocumentScanTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(DocumentScanTest, ListsTheBlocksInScanOrder) {
  const ScanCase& c = GetParam();
  HeadlessView view;
  view.show(html::Document::fromBytes(c.page));
  BlockList list;
  EXPECT_TRUE(ScanDocument(list, view, viewSettings(c.view, c.filter)));
  EXPECT_EQ(rows(list), c.rows);
}

INSTANTIATE_TEST_SUITE_P(Pages, DocumentScanTest, ::testing::ValuesIn(kScanCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentScan, BlocksAddressTheirTexts) {
  HeadlessView view;
  view.show(html::Document::fromBytes(
      "<p>lead<img alt=cap>tail</p><a onclick=\"f('a','b')\" onblur=\"g('c')\">x</a>"));
  BlockList list;
  ScanDocument(list, view, viewSettings(kAll));
  struct Expected {
    const char* text;
    const char* tag;
    bool inner;
    ScriptStringKind kind;
    int occurrence;
    const char* attr;
  };
  const Expected expected[] = {{"lead", "P", true, ScriptStringKind::None, 0, ""},
                               {"cap", "IMG", true, ScriptStringKind::None, 0, ""},
                               {"tail", "IMG", false, ScriptStringKind::None, 0, ""},
                               {"x", "A", true, ScriptStringKind::None, 0, ""},
                               {"a", "A", true, ScriptStringKind::EventAttribute, 1, "ONCLICK"},
                               {"b", "A", true, ScriptStringKind::EventAttribute, 2, "ONCLICK"},
                               {"c", "A", true, ScriptStringKind::EventAttribute, 1, "ONBLUR"}};
  ASSERT_EQ(list.rowCount(), std::size(expected));
  for (size_t i = 0; i < list.rowCount(); ++i) {
    SCOPED_TRACE(expected[i].text);
    const TTag& tag = list.row(i).group->GetTag(0);
    EXPECT_EQ(list.row(i).text, expected[i].text);
    EXPECT_EQ(tag.TagName, expected[i].tag);
    EXPECT_EQ(tag.Inner, expected[i].inner);
    EXPECT_EQ(tag.ScriptKind, expected[i].kind);
    EXPECT_EQ(tag.Occurrence, expected[i].occurrence);
    EXPECT_EQ(tag.AttrName, expected[i].attr);
    EXPECT_EQ(tag.Browser, &view);
    EXPECT_EQ(view.currentDocument()->elementByUniqueID(tag.ElementID).tagName(), tag.TagName);
    EXPECT_EQ(list.row(i).group->ListView, &list);
  }
  EXPECT_EQ(list.row(1).group->GetTag(0).ElementID, list.row(2).group->GetTag(0).ElementID);
}

class RecordingListener : public BlockListListener {
 public:
  void rowAdded(const BlockList& list) override { added.push_back(list.rowCount()); }
  void scanFinished(const BlockList& list) override { finishedWith = static_cast<int>(list.rowCount()); }
  std::vector<size_t> added;
  int finishedWith = -1;
};

TEST(DocumentScan, TellsTheListenerAndCountsDuplicates) {
  HeadlessView view;
  BlockList list;
  RecordingListener listener;
  list.setListener(&listener);
  EXPECT_TRUE(ScanDocument(list, view, viewSettings(kAll, true)));  // no document at all
  EXPECT_EQ(listener.finishedWith, 0);
  view.show(html::Document::fromBytes("<p>a</p><p>b</p><p>a</p><p>a</p>"));
  ScanDocument(list, view, viewSettings(kAll, true));
  EXPECT_EQ(listener.added, (std::vector<size_t>{1, 2}));
  EXPECT_EQ(listener.finishedWith, 2);
  EXPECT_EQ(list.duplicateCount(), 2);
  ScanDocument(list, view, viewSettings(kAll, false));
  EXPECT_EQ(list.duplicateCount(), 0);
  EXPECT_EQ(list.rowCount(), 4u);
}

TEST(BlockList, FindGroupByTextGivesTheFirstRowAlsoAfterChanges) {
  BlockList list;
  for (const char* text : {"a", "b", "a", "c"}) {
    auto group = std::make_unique<TDuplTags>();
    group->Text = text;
    list.addRow(BlockClass::RunningText, text, std::move(group));
  }
  EXPECT_EQ(list.FindGroupByText("a"), list.row(0).group.get());
  EXPECT_EQ(list.FindGroupByText("A"), nullptr);
  list.setRowText(0, "z");
  EXPECT_EQ(list.FindGroupByText("a"), list.row(2).group.get());
  list.reorder({3, 2, 1, 0});
  EXPECT_EQ(list.FindGroupByText("a"), list.row(1).group.get());
  EXPECT_EQ(list.FindGroupByText("z"), list.row(3).group.get());
}

// The index must answer as the plain search from the top does, whatever happened to the rows.
TEST(BlockList, FindGroupByTextAgreesWithALinearSearch) {
  std::mt19937 random(7);
  BlockList list;
  auto linear = [&](const std::string& text) -> TDuplTags* {
    for (const BlockRow& row : list.rows())
      if (row.text == text) return row.group.get();
    return nullptr;
  };
  for (int step = 0; step < 5000; ++step) {
    std::string text(1, static_cast<char>('a' + random() % 12));
    switch (random() % 8) {
      case 0:
        if (list.rowCount()) list.setRowText(random() % list.rowCount(), text);
        break;
      case 1: {
        std::vector<size_t> order(list.rowCount());
        for (size_t i = 0; i < order.size(); ++i) order[i] = i;
        std::shuffle(order.begin(), order.end(), random);
        list.reorder(order);
        break;
      }
      case 2:
        if (random() % 50 == 0) list.clear();
        break;
      default:
        list.addRow(BlockClass::RunningText, text, std::make_unique<TDuplTags>());
    }
    std::string probe(1, static_cast<char>('a' + random() % 13));
    ASSERT_EQ(list.FindGroupByText(probe), linear(probe)) << "step " << step;
  }
}

class LoadRecorder : public BrowserViewListener {
 public:
  void downloadBegin() override { events += "begin "; }
  void titleChange(const std::string& title) override { events += "title(" + title + ") "; }
  void documentComplete() override { events += "complete "; }
  std::string events;
};

TEST(HeadlessView, RaisesTheLoadNotificationsInOrder) {
  HeadlessView view;
  LoadRecorder recorder;
  view.addListener(&recorder);
  EXPECT_TRUE(view.navigate(TOLVANE_FIXTURES "/windows1252.html"));
  EXPECT_EQ(recorder.events,
            "begin title(Gr\xC3\xBC\xC3\x9F"
            "e aus K\xC3\xB6ln) complete ");
  recorder.events.clear();
  html::FileStatus missing = view.navigate("/nonexistent.html");
  EXPECT_FALSE(missing);
  EXPECT_EQ(recorder.events, "begin ");
  EXPECT_EQ(view.currentDocument(), nullptr);
  view.removeListener(&recorder);
  view.show(html::Document::fromBytes("<p>x"));
  EXPECT_EQ(recorder.events, "begin ");
}

TEST(BlockList, CountWords) {
  BlockList list;
  for (const char* text : {"Hello world", "a  b", "x", "one\ttwo", "", " "}) {
    auto group = std::make_unique<TDuplTags>();
    list.addRow(BlockClass::RunningText, text, std::move(group));
  }
  EXPECT_EQ(CountWords(list), 2 + 3 + 1 + 1 + 0 + 1);
}

TEST(TextTags, IsTextTag) {
  for (const char* tag : {"td", "TD", "Td", "p", "OPTION", "blockquote", "wbr"})
    EXPECT_TRUE(IsTextTag(tag)) << tag;
  for (const char* tag : {"TABLE", "HTML", "", "TITLE", "TDX", "!"}) EXPECT_FALSE(IsTextTag(tag)) << tag;
}

}  // namespace
}  // namespace tolvane
