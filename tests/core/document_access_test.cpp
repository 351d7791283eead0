#include <gtest/gtest.h>

#include "support/outline.h"

namespace tolvane::html {
namespace {

using testing::load;

Element first(Document& doc, std::string_view tag) {
  for (size_t i = 0; i < doc.length(); ++i)
    if (doc.item(i).tagName() == tag) return doc.item(i);
  return {};
}

TEST(DocumentAccess, UniqueIdsAreStableAndFindTheirElement) {
  auto doc = load("<p>a<b>b</b></p><!--c--><img alt=x>");
  for (size_t i = 0; i < doc->length(); ++i) {
    Element e = doc->item(i);
    EXPECT_EQ(e.uniqueID(), "tv_id" + std::to_string(i + 1));
    EXPECT_EQ(e.uniqueID(), e.uniqueID());
    EXPECT_EQ(doc->elementByUniqueID(e.uniqueID()), e);
  }
  first(*doc, "P").replaceAdjacentText(Adjacent::AfterEnd, "new");
  EXPECT_EQ(doc->elementByUniqueID("tv_id7").tagName(), "IMG");
  for (const char* bad : {"", "tv_id", "tv_id0", "tv_id08", "tv_id999", "tv_id1x", "ms__id1", "tv_id-1"})
    EXPECT_FALSE(doc->elementByUniqueID(bad)) << bad;
}

TEST(DocumentAccess, TagNamesAndKinds) {
  auto doc = load("<Script>x</script><INPUT><br><Custom-Tag></custom-tag><!--c--><p>");
  struct Expected {
    const char* tag;
    ElementKind kind;
  };
  const Expected expected[] = {
      {"HTML", ElementKind::General},       {"HEAD", ElementKind::General}, {"SCRIPT", ElementKind::Script},
      {"BODY", ElementKind::General},       {"INPUT", ElementKind::Input},  {"BR", ElementKind::LineBreak},
      {"CUSTOM-TAG", ElementKind::General}, {"!", ElementKind::General},    {"P", ElementKind::General}};
  ASSERT_EQ(doc->length(), std::size(expected));
  for (size_t i = 0; i < doc->length(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(doc->item(i).tagName(), expected[i].tag);
    EXPECT_EQ(doc->item(i).kind(), expected[i].kind);
  }
  EXPECT_EQ(Element().kind(), ElementKind::Undefined);
}

TEST(DocumentAccess, AttributesAreDecodedAndFoundWithoutRegardToCase) {
  auto doc = load(
      "<a HREF='x?a=1&amp;b=2&copy=3' onClick=\"if (a) { go('x'); }\" Title=\"&quot;q&quot;\" empty>t</a>"
      "<input type=IMAGE value=\"v\" alt=\"Go\"><meta content=\"c &lt; d\">");
  Element a = first(*doc, "A");
  EXPECT_EQ(a.attribute("href"), "x?a=1&b=2&copy=3");
  EXPECT_EQ(a.attribute("ONCLICK"), "if (a) { go('x'); }");  // the code whole, braces included
  EXPECT_EQ(a.attribute("title"), "\"q\"");
  EXPECT_EQ(a.attribute("empty"), "");
  EXPECT_EQ(a.attribute("missing"), std::nullopt);
  Element input = first(*doc, "INPUT");
  EXPECT_EQ(input.inputType(), "IMAGE");
  EXPECT_EQ(input.value(), "v");
  EXPECT_EQ(input.alt(), "Go");
  EXPECT_EQ(first(*doc, "META").content(), "c < d");
  EXPECT_EQ(first(*doc, "IMG").alt(), "");
}

TEST(DocumentAccess, AdjacentAndInnerText) {
  auto doc = load("<p>Hello<b>world</b>again</p>Next<div><!--c-->x</div><p>a<br>b<script>s()</script>c</p>");
  Element p = first(*doc, "P");
  EXPECT_EQ(p.adjacentText(Adjacent::AfterBegin), "Hello");
  EXPECT_EQ(p.adjacentText(Adjacent::AfterEnd), "Next");
  EXPECT_EQ(first(*doc, "B").adjacentText(Adjacent::AfterBegin), "world");
  EXPECT_EQ(first(*doc, "B").adjacentText(Adjacent::AfterEnd), "again");
  EXPECT_EQ(first(*doc, "DIV").adjacentText(Adjacent::AfterBegin), "");  // a comment comes first
  EXPECT_EQ(first(*doc, "!").adjacentText(Adjacent::AfterEnd), "x");
  EXPECT_EQ(first(*doc, "DIV").adjacentText(Adjacent::AfterEnd), "");
  EXPECT_EQ(p.innerText(), "Helloworldagain");
  EXPECT_EQ(doc->item(doc->length() - 3).innerText(), "a\nbc");
  EXPECT_EQ(first(*doc, "SCRIPT").scriptCode(), "s()");
}

TEST(DocumentAccess, TitleIsStrippedAndCollapsed) {
  EXPECT_EQ(load("<title>\n  Caf&eacute;   &amp;\tBar </title>")->title(), "Caf\xC3\xA9 & Bar");
  EXPECT_EQ(load("<p>no title")->title(), "");
  EXPECT_FALSE(load("<p>no title")->setTitle("x"));
}

TEST(DocumentAccess, OuterHtmlIsProgramTextWithEditsWrittenIn) {
  auto doc = load("<p id=a>caf\xE9 <b>x</b></p><p>y</p>");  // windows-1252: not valid UTF-8
  ASSERT_EQ(doc->encoding(), "windows-1252");
  Element p = first(*doc, "P");
  EXPECT_EQ(p.outerHTML(), "<p id=a>caf\xC3\xA9 <b>x</b></p>");
  first(*doc, "B").replaceAdjacentText(Adjacent::AfterBegin, "\xC4\x81");  // ā, not in windows-1252
  EXPECT_EQ(p.outerHTML(), "<p id=a>caf\xC3\xA9 <b>\xC4\x81</b></p>");
  EXPECT_EQ(doc->markup(), "<p id=a>caf\xE9 <b>&#257;</b></p><p>y</p>");
}

}  // namespace
}  // namespace tolvane::html
