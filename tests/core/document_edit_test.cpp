#include <gtest/gtest.h>

#include <functional>

#include "support/outline.h"

namespace tolvane::html {
namespace {

using testing::load;

// The first element with the given upper-case tag name.
Element first(Document& doc, std::string_view tag) {
  for (size_t i = 0; i < doc.length(); ++i)
    if (doc.item(i).tagName() == tag) return doc.item(i);
  return {};
}

struct EditCase {
  const char* name;
  const char* page;
  std::function<void(Document&)> edit;
  const char* expected;
};

const EditCase kEditCases[] = {
    {"text_after_start_tag_is_escaped", "<p class=x>Hello <b>w</b></p>",
     [](Document& d) { first(d, "P").replaceAdjacentText(Adjacent::AfterBegin, "Hi & <you> \xC2\xA0!"); },
     "<p class=x>Hi &amp; &lt;you&gt; &nbsp;!<b>w</b></p>"},
    {"text_after_end_tag", "<p>a<b>w</b> again</p>",
     [](Document& d) { first(d, "B").replaceAdjacentText(Adjacent::AfterEnd, " wieder"); },
     "<p>a<b>w</b> wieder</p>"},
    {"absent_text_after_start_tag_is_inserted", "<p><b>x</b></p>",
     [](Document& d) { first(d, "P").replaceAdjacentText(Adjacent::AfterBegin, "new"); },
     "<p>new<b>x</b></p>"},
    {"absent_text_after_end_tag_is_inserted", "<p><b>x</b></p>",
     [](Document& d) { first(d, "B").replaceAdjacentText(Adjacent::AfterEnd, "new"); }, "<p><b>x</b>new</p>"},
    {"text_after_comment", "<p>x<!-- c -->old</p>",
     [](Document& d) { first(d, "!").replaceAdjacentText(Adjacent::AfterEnd, "neu"); },
     "<p>x<!-- c -->neu</p>"},
    {"character_references_around_an_edit_stay", "<p>caf&eacute;</p><p>&copy; 2001</p>",
     [](Document& d) { first(d, "P").replaceAdjacentText(Adjacent::AfterBegin, "bar"); },
     "<p>bar</p><p>&copy; 2001</p>"},
    {"changed_attribute_replaces_only_itself", "<img ALT='old' src=a.png   title=t>",
     [](Document& d) { first(d, "IMG").setAlt("new \"q\" & more"); },
     "<img ALT=\"new &quot;q&quot; &amp; more\" src=a.png   title=t>"},
    {"attribute_without_value", "<input disabled value>",
     [](Document& d) { first(d, "INPUT").setValue("v"); }, "<input disabled value=\"v\">"},
    {"added_attribute_goes_to_the_end_of_the_tag", "<img src=a.png>",
     [](Document& d) { first(d, "IMG").setAlt("x"); }, "<img src=a.png alt=\"x\">"},
    {"added_attribute_before_self_closing_slash", "<br/>",
     [](Document& d) { first(d, "BR").setAttribute("title", "x"); }, "<br title=\"x\"/>"},
    {"added_attribute_after_bare_name", "<input>", [](Document& d) { first(d, "INPUT").setValue("x"); },
     "<input value=\"x\">"},
    {"meta_content", "<meta name=d content=\"alt\">", [](Document& d) { first(d, "META").setContent("neu"); },
     "<meta name=d content=\"neu\">"},
    {"script_code_is_written_raw", "<script>var a='x';</script><p>",
     [](Document& d) { first(d, "SCRIPT").setScriptCode("var a='<b>' && 1 < 2;"); },
     "<script>var a='<b>' && 1 < 2;</script><p>"},
    {"title_text", "<title>Old &amp; dull</title>",
     [](Document& d) { EXPECT_TRUE(d.setTitle("New & <shiny>")); }, "<title>New &amp; &lt;shiny&gt;</title>"},
    {"empty_title_gets_a_text", "<title></title>", [](Document& d) { EXPECT_TRUE(d.setTitle("T")); },
     "<title>T</title>"},
    {"event_attribute", "<a onclick=\"alert('one')\">x</a>",
     [](Document& d) { first(d, "A").setAttribute("ONCLICK", "alert('eins')"); },
     "<a onclick=\"alert('eins')\">x</a>"},
    {"second_edit_of_the_same_text_wins", "<p>a</p>",
     [](Document& d) {
       first(d, "P").replaceAdjacentText(Adjacent::AfterBegin, "b");
       first(d, "P").replaceAdjacentText(Adjacent::AfterBegin, "c");
     },
     "<p>c</p>"},
    {"several_edits_in_one_page", "<p>a<b>b</b>c</p><img alt=d>",
     [](Document& d) {
       first(d, "P").replaceAdjacentText(Adjacent::AfterBegin, "1");
       first(d, "B").replaceAdjacentText(Adjacent::AfterBegin, "2");
       first(d, "B").replaceAdjacentText(Adjacent::AfterEnd, "3");
       first(d, "IMG").setAlt("4");
     },
     "<p>1<b>2</b>3</p><img alt=\"4\">"},
};

class DocumentEditTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(DocumentEditTest, WritesOnlyWhatChanged) {
  const EditCase& c = GetParam();
  auto doc = load(c.page);
  c.edit(*doc);
  EXPECT_EQ(doc->markup(), c.expected);
  // What was written must read back as what was set.
  auto reloaded = load(doc->markup());
  EXPECT_EQ(testing::outline(*reloaded), testing::outline(*doc));
}

INSTANTIATE_TEST_SUITE_P(Edits, DocumentEditTest, ::testing::ValuesIn(kEditCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentEdit, NoTextCanStandInsideVoidElementsOrComments) {
  auto doc = load("<img src=x><!--c--><br>");
  EXPECT_FALSE(first(*doc, "IMG").replaceAdjacentText(Adjacent::AfterBegin, "x"));
  EXPECT_FALSE(first(*doc, "!").replaceAdjacentText(Adjacent::AfterBegin, "x"));
  EXPECT_FALSE(first(*doc, "!").setAttribute("a", "b"));
  EXPECT_FALSE(first(*doc, "BR").setTextContent("x"));
  EXPECT_FALSE(doc->edited());
  EXPECT_EQ(doc->markup(), "<img src=x><!--c--><br>");
}

TEST(DocumentEdit, AttributeNamesThatWouldBreakTheTagAreRefused) {
  auto doc = load("<p>x</p>");
  for (const char* name : {"", "a b", "a=b", "a>", "a\"", "/"})
    EXPECT_FALSE(first(*doc, "P").setAttribute(name, "v"));
  EXPECT_EQ(doc->markup(), "<p>x</p>");
}

TEST(DocumentEdit, EditedTextReadsBackWithEveryTrickyCharacter) {
  const std::string tricky = "a<b>&amp;</p>\"'\xC2\xA0&nbsp;<!--x-->";
  auto doc = load("<div>old<span>s</span>tail</div>");
  first(*doc, "DIV").replaceAdjacentText(Adjacent::AfterBegin, tricky);
  first(*doc, "SPAN").replaceAdjacentText(Adjacent::AfterEnd, tricky);
  first(*doc, "SPAN").setAttribute("title", tricky);
  auto reloaded = load(doc->markup());
  EXPECT_EQ(first(*reloaded, "DIV").adjacentText(Adjacent::AfterBegin), tricky);
  EXPECT_EQ(first(*reloaded, "SPAN").adjacentText(Adjacent::AfterEnd), tricky);
  EXPECT_EQ(first(*reloaded, "SPAN").attribute("title"), tricky);
}

TEST(DocumentEdit, ScriptCodeCannotEndItsElementEarly) {
  struct Case {
    const char* code;
    const char*
        written;  // the same code for a script engine: "<\/" and "<\s" read as "</" and "<s" in strings
  };
  const Case cases[] = {
      {"var x = '</p>' + \"</b>\";", "var x = '</p>' + \"</b>\";"},
      {"document.write('</script><b>');", "document.write('<\\/script><b>');"},
      {"w('</SCRIPT >')", "w('<\\/SCRIPT >')"},
      {"<!-- w('<script>x</script>') //-->", "<!-- w('<\\script>x<\\/script>') //-->"},
      {"<!-- hide\nrun();\n//-->", "<!-- hide\nrun();\n//-->"},
      {"w('</script\t/x')", "w('<\\/script\t/x')"},
      // Not an end tag or a script start for the tokenizer: written as it is.
      {"w('</scripts>'); w('</script$')", "w('</scripts>'); w('</script$')"},
      {"<!-- w('<scripting>') //-->", "<!-- w('<scripting>') //-->"},
      {"w('</script", "w('</script"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    auto doc = load("<script>old()</script><p>after</p>");
    first(*doc, "SCRIPT").setScriptCode(c.code);
    EXPECT_EQ(doc->markup(), std::string("<script>") + c.written + "</script><p>after</p>");
    auto reloaded = load(doc->markup());
    EXPECT_EQ(first(*reloaded, "SCRIPT").scriptCode(), c.written);
    EXPECT_EQ(first(*reloaded, "P").adjacentText(Adjacent::AfterBegin), "after");
  }
}

TEST(DocumentEdit, StyleCodeCannotEndItsElementEarly) {
  auto doc = load("<style>p{}</style><p>after</p>");
  first(*doc, "STYLE").setTextContent("a::after { content: '</style>'; }");
  EXPECT_EQ(doc->markup(), "<style>a::after { content: '<\\/style>'; }</style><p>after</p>");
}

}  // namespace
}  // namespace tolvane::html
