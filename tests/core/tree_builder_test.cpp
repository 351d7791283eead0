#include <gtest/gtest.h>

#include "support/outline.h"

namespace tolvane::html {
namespace {

using testing::load;
using testing::outline;

struct TreeCase {
  const char* name;
  const char* page;
  const char* tree;
};

const TreeCase kTreeCases[] = {
    {"implied_html_head_body", "<p>x", R"(HTML(HEAD BODY(P("x"))))"},
    {"text_order_of_nested_elements", "<p>Hello<b>world</b>again</p>Next",
     R"(HTML(HEAD BODY(P("Hello" B("world") "again") "Next")))"},
    {"head_content_goes_into_head", "<title>T</title><meta charset=utf-8><p>x",
     R"(HTML(HEAD(TITLE("T") META) BODY(P("x"))))"},
    {"explicit_structure", "<html><head><title>T</title></head>\n<body><p>x</p></body></html>",
     "HTML(HEAD(TITLE(\"T\")) \"\n\" BODY(P(\"x\")))"},
    {"white_space_before_the_body_stays_out_of_it", "  \n<p>x", R"(HTML(HEAD BODY(P("x"))))"},
    {"text_before_any_tag_starts_the_body", "  hello <b>you</b>", R"(HTML(HEAD BODY("hello " B("you"))))"},
    {"paragraph_closes_paragraph", "<p>a<p>b", R"(HTML(HEAD BODY(P("a") P("b"))))"},
    {"block_closes_paragraph", "<p>para<div>block</div>", R"(HTML(HEAD BODY(P("para") DIV("block"))))"},
    {"list_items", "<ul><li>a<li>b</ul>c", R"(HTML(HEAD BODY(UL(LI("a") LI("b")) "c")))"},
    {"nested_list_keeps_outer_item", "<ul><li>a<ul><li>b</ul>c<li>d</ul>",
     R"(HTML(HEAD BODY(UL(LI("a" UL(LI("b")) "c") LI("d")))))"},
    {"definition_list", "<dl><dt>a<dd>b<dt>c</dl>", R"(HTML(HEAD BODY(DL(DT("a") DD("b") DT("c")))))"},
    {"options", "<select><option>a<option>b<optgroup><option>c</select>",
     R"(HTML(HEAD BODY(SELECT(OPTION("a") OPTION("b") OPTGROUP(OPTION("c"))))))"},
    {"table_cells_and_rows", "<table><tr><td>a<td>b<tr><th>c</table>d",
     R"(HTML(HEAD BODY(TABLE(TR(TD("a") TD("b")) TR(TH("c"))) "d")))"},
    {"cell_closes_what_is_open_inside_it", "<table><tr><td><div>a<td>b</table>",
     R"(HTML(HEAD BODY(TABLE(TR(TD(DIV("a")) TD("b"))))))"},
    {"table_text_is_not_moved", "<table>loose<tr><td>cell</table>",
     R"(HTML(HEAD BODY(TABLE("loose" TR(TD("cell"))))))"},
    {"headings_close_headings", "<h1>a<h2>b</h2>c", R"(HTML(HEAD BODY(H1("a") H2("b") "c")))"},
    {"links_do_not_nest", "<a href=1>x<a href=2>y</a>", R"(HTML(HEAD BODY(A("x") A("y"))))"},
    {"misnested_formatting_keeps_text_order", "<b>1<i>2</b>3</i>4",
     R"(HTML(HEAD BODY(B("1" I("2")) "3" "4")))"},
    {"end_tag_of_outer_element_closes_inner", "<div><span>a</div>b",
     R"(HTML(HEAD BODY(DIV(SPAN("a")) "b")))"},
    {"stray_end_tags_are_ignored", "a</p></li></td></table></x>b", R"(HTML(HEAD BODY("a" "b")))"},
    {"end_tag_stops_at_special_element", "<span><div>a</span>b</div>",
     R"(HTML(HEAD BODY(SPAN(DIV("a" "b")))))"},
    {"end_tag_br_is_a_line_break", "a</br>b", R"(HTML(HEAD BODY("a" BR "b")))"},
    {"void_elements", "<img src=x>after<br>x<input value=v>y<hr>z",
     R"(HTML(HEAD BODY(IMG "after" BR "x" INPUT "y" HR "z")))"},
    {"self_closing_html_element_stays_open", "<div/>x", R"(HTML(HEAD BODY(DIV("x"))))"},
    {"comments_are_nodes", "<!--a--><p>x<!--b-->y", R"(! HTML(HEAD BODY(P("x" ! "y"))))"},
    {"script_code_is_raw_text", "<script>if (a<b) x='</p>';</script>z",
     R"(HTML(HEAD(SCRIPT("if (a<b) x='</p>';")) BODY("z")))"},
    {"title_is_rcdata", "<title>a <b> &amp; c</title>", R"(HTML(HEAD(TITLE("a <b> & c")) BODY))"},
    {"textarea_is_rcdata", "<textarea><p>x</textarea>", R"(HTML(HEAD BODY(TEXTAREA("<p>x"))))"},
    {"character_references_in_text", "<p>caf&eacute; &lt;&#65;&#x42;&nbsp;",
     "HTML(HEAD BODY(P(\"caf\xC3\xA9 <AB\xC2\xA0\")))"},
    {"svg_is_foreign_until_an_html_tag", "<svg><title>t</title><rect/><p>x",
     R"(HTML(HEAD BODY(SVG(TITLE("t") RECT) P("x"))))"},
    {"cdata_in_svg", "<svg><![CDATA[a<b]]></svg>", R"(HTML(HEAD BODY(SVG("a<b"))))"},
    {"repeated_root_tags_are_ignored", "<html><body>a<body>b<html>c", R"(HTML(HEAD BODY("a" "b" "c")))"},
    {"content_after_the_body_stays_in_it", "<body>a</body>b</html>c", R"(HTML(HEAD BODY("a" "b" "c")))"},
    {"plaintext_takes_the_rest", "<plaintext><p>x</p>", R"(HTML(HEAD BODY(PLAINTEXT("<p>x</p>"))))"},
    {"empty_page", "", "HTML(HEAD BODY)"},
};

class TreeBuilderTest : public ::testing::TestWithParam<TreeCase> {};

TEST_P(TreeBuilderTest, BuildsTheTreeInSourceOrderAndKeepsTheSource) {
  const TreeCase& c = GetParam();
  auto doc = load(c.page);
  EXPECT_EQ(outline(*doc), c.tree);
  EXPECT_EQ(doc->markup(), c.page);
}

INSTANTIATE_TEST_SUITE_P(Pages, TreeBuilderTest, ::testing::ValuesIn(kTreeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TreeBuilder, AllListsElementsAndCommentsInDocumentOrder) {
  auto doc = load("<!DOCTYPE html><!--c--><title>t</title><p>a<b>b</b></p>");
  std::string tags;
  for (size_t i = 0; i < doc->length(); ++i) tags += doc->item(i).tagName() + " ";
  EXPECT_EQ(tags, "! HTML HEAD TITLE BODY P B ");
}

TEST(TreeBuilder, ImpliedElementsHaveNoSourceOfTheirOwn) {
  auto doc = load("<p>x</p>");
  Element html = doc->documentElement();
  EXPECT_EQ(html.outerHTML(), "<p>x</p>");
  EXPECT_FALSE(html.setAttribute("lang", "de"));
}

TEST(TreeBuilder, DeepNestingLoads) {
  std::string page;
  for (int i = 0; i < 100000; ++i) page += "<div><b>";
  page += "x";
  auto doc = load(page);
  EXPECT_EQ(doc->length(), 3u + 200000u);
  EXPECT_EQ(doc->markup(), page);
}

}  // namespace
}  // namespace tolvane::html
