#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "document/page_file.h"
#include "support/outline.h"

namespace tolvane::html {
namespace {

std::vector<std::filesystem::path> fixturePages() {
  std::vector<std::filesystem::path> pages;
  for (const auto& entry : std::filesystem::directory_iterator(TOLVANE_FIXTURES))
    if (entry.path().extension() == ".html") pages.push_back(entry.path());
  std::sort(pages.begin(), pages.end());
  return pages;
}

std::string read(const std::filesystem::path& path) {
  std::string bytes;
  EXPECT_TRUE(readFileBytes(path.string(), bytes));
  return bytes;
}

TEST(RoundTrip, EveryFixtureIsWrittenBackByteForByte) {
  auto pages = fixturePages();
  ASSERT_GE(pages.size(), 5u);
  for (const auto& path : pages) {
    SCOPED_TRACE(path.filename().string());
    std::string bytes = read(path);
    auto doc = Document::fromBytes(bytes);
    EXPECT_EQ(doc->markup(), bytes);
    EXPECT_EQ(doc->documentElement().tagName(), "HTML");
  }
}

struct EncodedPage {
  const char* fixture;
  const char* encoding;
  const char* title;
};

TEST(RoundTrip, PagesAreDecodedFromTheirOwnEncoding) {
  const EncodedPage pages[] = {
      {"windows1252.html", "windows-1252",
       "Gr\xC3\xBC\xC3\x9F"
       "e aus K\xC3\xB6ln"},
      {"utf16le_bom.html", "utf-16le", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"},
      {"classic_crlf.html", "utf-8", "Caf\xC3\xA9 & Bar"},
  };
  for (const EncodedPage& page : pages) {
    SCOPED_TRACE(page.fixture);
    auto doc = Document::fromBytes(read(std::filesystem::path(TOLVANE_FIXTURES) / page.fixture));
    EXPECT_EQ(doc->encoding(), page.encoding);
    EXPECT_EQ(doc->title(), page.title);
  }
}

TEST(RoundTrip, EditsAreWrittenInThePagesEncoding) {
  auto doc = Document::fromBytes(read(std::filesystem::path(TOLVANE_FIXTURES) / "utf16le_bom.html"));
  ASSERT_TRUE(
      doc->setTitle("\xC3\x9C"
                    "bersetzt"));
  auto again = Document::fromBytes(doc->markup());
  EXPECT_EQ(again->encoding(), "utf-16le");
  EXPECT_EQ(again->title(),
            "\xC3\x9C"
            "bersetzt");
  std::string expected = read(std::filesystem::path(TOLVANE_FIXTURES) / "utf16le_bom.html");
  EXPECT_EQ(doc->markup().substr(0, 14), expected.substr(0, 14));  // byte order mark and "<html>"
}

TEST(RoundTrip, InvalidBytesOfAnUntouchedNodeStayAsTheyWere) {
  std::string bytes = read(std::filesystem::path(TOLVANE_FIXTURES) / "invalid_utf8.html");
  auto doc = Document::fromBytes(bytes);
  ASSERT_EQ(doc->encoding(), "utf-8");
  Element second = doc->item(doc->length() - 1);
  ASSERT_EQ(second.tagName(), "P");
  second.replaceAdjacentText(Adjacent::AfterBegin, "fine");
  std::string expected = bytes;
  expected.replace(expected.find("ok \xC3\xA9"), 5, "fine");
  EXPECT_EQ(doc->markup(), expected);
  // Inside the program the broken bytes read as replacement characters.
  EXPECT_NE(doc->item(doc->length() - 2).adjacentText(Adjacent::AfterBegin).find("\xEF\xBF\xBD"),
            std::string::npos);
}

// Pages put together from pieces that stress the tokenizer and the tree builder.
TEST(RoundTrip, GeneratedPagesLoadAndComeBackUnchanged) {
  const char* pieces[] = {"<p>",      "</p>",       "<b>",         "</i>",       "<table>", "<td>",
                          "<tr>",     "</table>",   "<li>",        "text ",      "&amp;",   "&#x",
                          "&",        "<",          ">",           "<!--",       "-->",     "<!DOCTYPE html>",
                          "<script>", "</script>",  "<title>",     "</title>",   "<svg>",   "<![CDATA[",
                          "]]>",      "<a href='x", "\"",          "'",          "=",       " ",
                          "\r\n",     "\0",         "\xFF",        "\xC3\xA9",   "<br/>",   "</br>",
                          "<select>", "<option>",   "<plaintext>", "<textarea>", "</",      "<?xml",
                          "<!x",      "<math>",     "<div>",       "</div>",     "<html>",  "<body>"};
  std::mt19937 random(20261211);
  for (int round = 0; round < 3000; ++round) {
    std::string page;
    int length = static_cast<int>(random() % 40);
    for (int i = 0; i < length; ++i) page += std::string_view(pieces[random() % std::size(pieces)]);
    if (page.find('\0') == std::string::npos && random() % 2) page += std::string(1, '\0');
    auto doc = Document::fromBytes(page);
    ASSERT_EQ(doc->markup(), page) << "round " << round;
    // Every element answers; editing its texts keeps the page loadable and the text readable.
    for (size_t i = 0; i < doc->length(); ++i) {
      Element e = doc->item(i);
      (void)e.innerText();
      (void)e.outerHTML();
    }
    if (doc->length() > 3) {
      Element e = doc->item(random() % doc->length());
      if (e.replaceAdjacentText(Adjacent::AfterEnd, "<x&y>")) {
        auto again = Document::fromBytes(doc->markup());
        ASSERT_EQ(again->markup(), doc->markup());
      }
    }
  }
}

}  // namespace
}  // namespace tolvane::html
