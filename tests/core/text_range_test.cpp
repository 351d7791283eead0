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

TEST(TextRange, FindsTextInsideTheElementAndSelectsIt) {
  auto doc = load("<p>Click <a href=#>here</a> now</p><p>here</p>");
  TextRange range = doc->createRange();
  range.moveToElementText(first(*doc, "P"));
  EXPECT_EQ(range.text(), "Click here now");
  ASSERT_TRUE(range.findText("here"));
  range.select();
  const Selection& s = doc->selection();
  ASSERT_EQ(s.kind, Selection::Kind::Text);
  EXPECT_EQ(doc->node(s.start.textNode).parent, first(*doc, "A").node());
  EXPECT_EQ(s.start.offset, 0u);
  EXPECT_EQ(s.end.offset, 4u);
  EXPECT_EQ(doc->createRange().text(), "here");
}

TEST(TextRange, TheSearchStartsAtTheRangeStartSoAnEarlierCopyWins) {
  auto doc = load("<p>Home <b>x</b> Home</p>");
  TextRange range = doc->createRange();
  range.moveToElementText(first(*doc, "P"));
  ASSERT_TRUE(range.findText("Home"));
  EXPECT_EQ(range.span().start, (TextPoint{doc->node(first(*doc, "P").node()).firstChild, 0}));
}

TEST(TextRange, TextAcrossNodesAndMissingText) {
  auto doc = load("<div>ab<i>cd</i>ef<script>no</script></div>");
  TextRange range = doc->createRange();
  range.moveToElementText(first(*doc, "DIV"));
  Selection before = range.span();
  EXPECT_FALSE(range.findText("zz"));
  EXPECT_FALSE(range.findText(""));
  EXPECT_FALSE(range.findText("no"));  // script code is no page text
  EXPECT_EQ(range.span(), before);
  ASSERT_TRUE(range.findText("bcde"));
  EXPECT_EQ(range.text(), "bcde");
  // A second search stays within the found range.
  EXPECT_FALSE(range.findText("ef"));
  EXPECT_TRUE(range.findText("cd"));
}

TEST(TextRange, AnElementWithoutTextIsTakenAsAWhole) {
  auto doc = load("<p>x<img alt=logo src=a.png></p>");
  TextRange range = doc->createRange();
  range.moveToElementText(first(*doc, "IMG"));
  range.select();
  EXPECT_EQ(doc->selection().kind, Selection::Kind::Element);
  EXPECT_EQ(doc->selection().element, first(*doc, "IMG").node());
  EXPECT_FALSE(doc->createRange().findText("x"));
  doc->emptySelection();
  EXPECT_EQ(doc->selection().kind, Selection::Kind::None);
}

TEST(TextRange, EditedTextIsFound) {
  auto doc = load("<p>old</p>");
  first(*doc, "P").replaceAdjacentText(Adjacent::AfterBegin, "brand new");
  TextRange range = doc->createRange();
  range.moveToElementText(first(*doc, "P"));
  EXPECT_TRUE(range.findText("new"));
  EXPECT_EQ(range.span().start.offset, 6u);
}

}  // namespace
}  // namespace tolvane::html
