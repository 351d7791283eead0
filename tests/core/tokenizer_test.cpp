// What the html5lib suites leave out: the byte ranges of tokens and attributes, the pull order
// a tree builder relies on, inputs of pathological shape, and decodeText on its own (with the
// named reference lookup checked against a plain scan of the published table).
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "document/text_decoding.h"
#include "document/tokenizer.h"
#include "support/json.h"

namespace tolvane::html {
namespace {

using namespace std::string_literals;

const char* typeName(TokenType type) {
  switch (type) {
    case TokenType::Doctype:
      return "Doctype";
    case TokenType::StartTag:
      return "StartTag";
    case TokenType::EndTag:
      return "EndTag";
    case TokenType::Comment:
      return "Comment";
    case TokenType::Character:
      return "Character";
    case TokenType::EndOfFile:
      return "EndOfFile";
  }
  return "?";
}

const char* kindName(TextKind kind) {
  switch (kind) {
    case TextKind::Data:
      return "";
    case TextKind::RcData:
      return ":RcData";
    case TextKind::RawText:
      return ":RawText";
    case TextKind::CData:
      return ":CData";
    case TextKind::AttributeValue:
      return ":AttributeValue";
    case TextKind::Comment:
      return ":Comment";
  }
  return "?";
}

// A token as "Type[its source](its data)": the data only where it is not the whole token.
std::string describe(const Token& token, std::string_view source) {
  std::string out = typeName(token.type);
  if (token.type == TokenType::Character) out += kindName(token.textKind);
  out += "[" + std::string(token.range.in(source)) + "]";
  const bool hasData = token.type == TokenType::Comment || token.type == TokenType::Character;
  if (hasData && token.data != token.range) out += "(" + std::string(token.data.in(source)) + ")";
  if (token.selfClosing) out += "/";
  return out;
}

struct Options {
  bool cdataAllowed = false;
};

std::vector<std::string> describeAll(std::string_view source, Options options = {}) {
  Tokenizer tokenizer(source);
  tokenizer.setCDataAllowed(options.cdataAllowed);
  std::vector<std::string> out;
  Token token;
  while (tokenizer.next(token)) {
    out.push_back(describe(token, source));
    if (token.type == TokenType::EndOfFile) {
      EXPECT_EQ(token.range,
                (SourceRange{static_cast<uint32_t>(source.size()), static_cast<uint32_t>(source.size())}));
      EXPECT_FALSE(tokenizer.next(token)) << "nothing follows the end of file";
      break;
    }
  }
  return out;
}

struct RangeCase {
  const char* input;
  std::vector<std::string> tokens;  // the EndOfFile token left out
  Options options = {};
};

class TokenRanges : public ::testing::TestWithParam<RangeCase> {};

TEST_P(TokenRanges, EachTokenCoversItsMarkup) {
  std::vector<std::string> expected = GetParam().tokens;
  expected.push_back("EndOfFile[]");
  EXPECT_EQ(describeAll(GetParam().input, GetParam().options), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tokenizer, TokenRanges,
    ::testing::Values(
        RangeCase{"a<!--c--><!DOCTYPE html><b x=1>t</b>",
                  {"Character[a]", "Comment[<!--c-->](c)", "Doctype[<!DOCTYPE html>]", "StartTag[<b x=1>]",
                   "Character[t]", "EndTag[</b>]"}},
        RangeCase{"a<>b < c &amp; d",
                  {"Character[a<>b < c &amp; d]"}},            // a "<" that opens nothing joins the run
        RangeCase{"a</>b", {"Character[a]", "Character[b]"}},  // "</>" is dropped between two runs
        RangeCase{"x<a href", {"Character[x]"}},               // a tag cut off by the end is dropped
        RangeCase{"x<!--y", {"Character[x]", "Comment[<!--y](y)"}},
        RangeCase{"<!--a--!><!----><!-->",
                  {"Comment[<!--a--!>](a)", "Comment[<!---->]()", "Comment[<!-->]()"}},
        RangeCase{"<!--a---><!--<!-- b-->", {"Comment[<!--a--->](a-)", "Comment[<!--<!-- b-->](<!-- b)"}},
        RangeCase{"<?php x ?></ y>", {"Comment[<?php x ?>](?php x ?)", "Comment[</ y>]( y)"}},
        RangeCase{"<![CDATA[x]]>", {"Comment[<![CDATA[x]]>]([CDATA[x]])"}},
        RangeCase{"a<![CDATA[x]]]>b",
                  {"Character[a]", "Character:CData[<![CDATA[x]]]>](x])", "Character[b]"},
                  Options{true}},
        RangeCase{"a<![CDATA[]]>b", {"Character[a]", "Character[b]"}, Options{true}},
        RangeCase{"<br/><p\r\nclass=x>\r\n",
                  {"StartTag[<br/>]/", "StartTag[<p\r\nclass=x>]", "Character[\r\n]"}},
        RangeCase{"<!doctype html public 'x'><!DOCTYPE",
                  {"Doctype[<!doctype html public 'x'>]", "Doctype[<!DOCTYPE]"}}));

struct AttributeCase {
  const char* input;
  size_t count;  // attributes left once duplicates are dropped
  size_t index;  // the one checked
  const char* whole;
  const char* name;
  const char* value;
  uint32_t valueBegin;
  char quote;
};

class AttributeRanges : public ::testing::TestWithParam<AttributeCase> {};

TEST_P(AttributeRanges, KeepWholeNameValueAndQuote) {
  const AttributeCase& c = GetParam();
  const std::string_view source = c.input;
  Tokenizer tokenizer(source);
  Token token;
  ASSERT_TRUE(tokenizer.next(token));
  ASSERT_EQ(token.type, TokenType::StartTag);
  EXPECT_EQ(token.range.in(source), source);
  ASSERT_EQ(token.attributes.size(), c.count);
  const Attribute& attribute = token.attributes[c.index];
  EXPECT_EQ(attribute.whole.in(source), c.whole);
  EXPECT_EQ(attribute.name.in(source), c.name);
  EXPECT_EQ(attribute.value.in(source), c.value);
  EXPECT_EQ(attribute.value.begin, c.valueBegin);
  EXPECT_EQ(attribute.quote, c.quote);
  EXPECT_EQ(attribute.whole.begin, attribute.name.begin);
}

// A tag with many attributes, attribute i named "a<i>", the duplicate "A3" written last.
std::string manyAttributes() {
  std::string tag = "<p";
  for (int i = 0; i < 20; ++i) tag += " a" + std::to_string(i) + "=" + std::to_string(i);
  return tag + " A3='again'>";
}

const std::string kManyAttributes = manyAttributes();

INSTANTIATE_TEST_SUITE_P(
    Tokenizer, AttributeRanges,
    ::testing::Values(
        AttributeCase{"<a b=\"c d\">", 1, 0, "b=\"c d\"", "b", "c d", 6, '"'},
        AttributeCase{"<a b='' c>", 2, 0, "b=''", "b", "", 6, '\''},
        AttributeCase{"<a b=c/d>", 1, 0, "b=c/d", "b", "c/d", 5, 0},
        AttributeCase{"<a Checked>", 1, 0, "Checked", "Checked", "", 10, 0},  // empty, at name.end
        AttributeCase{"<a B = \"x\"/>", 1, 0, "B = \"x\"", "B", "x", 8, '"'},
        AttributeCase{"<a b=>", 1, 0, "b=", "b", "", 4, 0},
        AttributeCase{"<a =b>", 1, 0, "=b", "=b", "", 5, 0},
        AttributeCase{"<a x=1 X=2 y x>", 2, 1, "y", "y", "", 12, 0},  // later duplicates dropped
        AttributeCase{"<a x=1 X=2 y x>", 2, 0, "x=1", "x", "1", 5, 0},
        // Past the few that are compared one by one, duplicates go through a hash set.
        AttributeCase{kManyAttributes.c_str(), 20, 3, "a3=3", "a3", "3",
                      static_cast<uint32_t>(kManyAttributes.find(" a3=") + 4), 0}));

TEST(TokenizerPullOrder, TextComesFirstAndNothingIsReadPastAStartTag) {
  const std::string_view source = "x<script>if (a</b) {}</script>y";
  Tokenizer tokenizer(source);
  Token token;
  std::vector<std::string> seen;
  while (tokenizer.next(token) && token.type != TokenType::EndOfFile) {
    seen.push_back(describe(token, source));
    // Only now does the consumer know the element; the last start tag is tracked without being set.
    if (token.type == TokenType::StartTag && token.name == "script")
      tokenizer.switchTo(Tokenizer::State::ScriptData);
  }
  EXPECT_EQ(seen,
            (std::vector<std::string>{"Character[x]", "StartTag[<script>]", "Character:RawText[if (a</b) {}]",
                                      "EndTag[</script>]", "Character[y]"}));
}

TEST(TokenizerPullOrder, SetLastStartTagChoosesTheEndTag) {
  const std::string_view source = "a&amp;</b></title>";
  Tokenizer tokenizer(source);
  tokenizer.switchTo(Tokenizer::State::RcData);
  tokenizer.setLastStartTag("title");
  Token token;
  std::vector<std::string> seen;
  while (tokenizer.next(token) && token.type != TokenType::EndOfFile) seen.push_back(describe(token, source));
  EXPECT_EQ(seen, (std::vector<std::string>{"Character:RcData[a&amp;</b>]", "EndTag[</title>]"}));
}

TEST(TokenizerPullOrder, AReusedTokenCarriesNothingOver) {
  const std::string_view source = "<a x=1 y/><!DOCTYPE q><b>";
  Tokenizer tokenizer(source);
  Token token;
  ASSERT_TRUE(tokenizer.next(token));
  EXPECT_EQ(token.attributes.size(), 2u);
  EXPECT_TRUE(token.selfClosing);
  ASSERT_TRUE(tokenizer.next(token));
  EXPECT_EQ(token.doctypeName, "q");
  ASSERT_TRUE(tokenizer.next(token));
  EXPECT_EQ(token.name, "b");
  EXPECT_TRUE(token.attributes.empty());
  EXPECT_FALSE(token.selfClosing);
  EXPECT_FALSE(token.doctypeName);
}

std::string repeated(std::string_view piece, size_t times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (size_t i = 0; i < times; ++i) out += piece;
  return out;
}

struct PathologicalCase {
  const char* name;
  std::string input;
  Tokenizer::State state = Tokenizer::State::Data;
};

// Shapes that make a careless tokenizer go back over the input; each must simply run to the end,
// with every token inside the input and after the one before.
TEST(TokenizerPathological, LongInputsRunToTheEnd) {
  constexpr size_t kTimes = 200'000;
  std::string distinctAttributes = "<a";
  for (size_t i = 0; i < kTimes; ++i) distinctAttributes += " a" + std::to_string(i);
  const PathologicalCase cases[] = {
      {"comment openings", repeated("<!--", kTimes)},
      {"tag openings", repeated("<a ", kTimes)},
      {"duplicate attributes", "<a" + repeated(" a=''", kTimes)},
      {"distinct attributes", distinctAttributes + ">"},
      {"references", repeated("&#", kTimes)},
      {"end tag openings", repeated("</", kTimes)},
      {"doctype openings", repeated("<!DOCTYPE", kTimes)},
      {"script comment openings", repeated("<!--<script>", kTimes), Tokenizer::State::ScriptData},
      {"end tag candidates", repeated("</scrip", kTimes), Tokenizer::State::ScriptData},
      {"less-than signs", repeated("<", kTimes), Tokenizer::State::RcData},
      {"bytes of every value",
       [] {
         std::string all;
         for (int i = 0; i < 256 * 800; ++i) all += static_cast<char>(i * 37 % 256);
         return all;
       }()},
  };
  for (const PathologicalCase& c : cases) {
    SCOPED_TRACE(c.name);
    Tokenizer tokenizer(c.input);
    tokenizer.switchTo(c.state);
    Token token;
    uint32_t previousEnd = 0;
    size_t count = 0;
    while (tokenizer.next(token) && token.type != TokenType::EndOfFile) {
      ASSERT_GE(token.range.begin, previousEnd);
      ASSERT_LE(token.range.end, c.input.size());
      previousEnd = token.range.end;
      if (token.type == TokenType::StartTag && c.input.starts_with("<a a0")) {
        EXPECT_EQ(token.attributes.size(), kTimes);
      }
      ++count;
    }
    EXPECT_EQ(token.type, TokenType::EndOfFile);
    EXPECT_LE(count, c.input.size());
  }
}

TEST(TokenizerPathological, DecodingLongReferencesRunsToTheEnd) {
  constexpr size_t kTimes = 200'000;
  EXPECT_EQ(decodeText(repeated("&#", kTimes), TextKind::Data), repeated("&#", kTimes));
  EXPECT_EQ(decodeText(repeated("&amp=", kTimes), TextKind::AttributeValue), repeated("&amp=", kTimes));
  EXPECT_EQ(decodeText(repeated("&amp", kTimes), TextKind::Data), repeated("&", kTimes));
  EXPECT_EQ(decodeText("&" + repeated("a", kTimes), TextKind::Data), "&" + repeated("a", kTimes));
  EXPECT_EQ(decodeText("&#" + repeated("9", kTimes) + ";", TextKind::Data), "\xEF\xBF\xBD");
}

struct DecodeCase {
  std::string raw;
  TextKind kind;
  std::string expected;
};

class DecodeText : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeText, Decodes) {
  EXPECT_EQ(decodeText(GetParam().raw, GetParam().kind), GetParam().expected) << GetParam().raw;
}

INSTANTIATE_TEST_SUITE_P(
    References, DecodeText,
    ::testing::Values(DecodeCase{"&amp;&amp&AMP;", TextKind::Data, "&&&"},
                      DecodeCase{"&notit; &notin;", TextKind::Data,
                                 "\xC2\xAC"
                                 "it; \xE2\x88\x89"},
                      DecodeCase{"&nGt;", TextKind::RcData, "\xE2\x89\xAB\xE2\x83\x92"},  // two code points
                      DecodeCase{"&xyz; & &; &#; &#x;", TextKind::Data, "&xyz; & &; &#; &#x;"},
                      // In attribute values a reference without ";" before "=" or a letter stays as written.
                      DecodeCase{"?a=1&copy=2&ampx&amp;x&amp-", TextKind::AttributeValue,
                                 "?a=1&copy=2&ampx&x&-"},
                      DecodeCase{"&ampx&copy=2", TextKind::Data, "&x\xC2\xA9=2"},
                      DecodeCase{"&amp;", TextKind::RawText, "&amp;"},
                      DecodeCase{"&amp;", TextKind::Comment, "&amp;"},
                      DecodeCase{"&amp;", TextKind::CData, "&amp;"}));

INSTANTIATE_TEST_SUITE_P(
    Numeric, DecodeText,
    ::testing::Values(DecodeCase{"&#65;&#x41&#X61;&#0000000065;", TextKind::Data, "AAaA"},
                      DecodeCase{"&#x80;&#128&#x9f;", TextKind::Data, "\xE2\x82\xAC\xE2\x82\xAC\xC5\xB8"},
                      DecodeCase{"&#x81;&#x8D", TextKind::Data,
                                 "\xC2\x81\xC2\x8D"},  // not in the table: kept
                      DecodeCase{"&#0;&#x110000;&#xD800;&#99999999999;", TextKind::Data,
                                 "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
                      DecodeCase{"&#xFFFF;&#x1;&#13;", TextKind::Data, "\xEF\xBF\xBF\x01\r"},  // kept, CR too
                      DecodeCase{"&#x1F600;x", TextKind::AttributeValue, "\xF0\x9F\x98\x80x"}));

INSTANTIATE_TEST_SUITE_P(LineEndsAndNul, DecodeText,
                         ::testing::Values(DecodeCase{"a\r\nb\rc\n\r\r\n", TextKind::Data, "a\nb\nc\n\n\n"},
                                           DecodeCase{"\r\n]]\r", TextKind::CData, "\n]]\n"},
                                           DecodeCase{"a\0&amp;"s, TextKind::Data, "a\0&"s},
                                           DecodeCase{"a\0b"s, TextKind::CData, "a\0b"s},
                                           DecodeCase{"a\0&amp;"s, TextKind::RcData, "a\xEF\xBF\xBD&"},
                                           DecodeCase{"a\0b"s, TextKind::RawText,
                                                      "a\xEF\xBF\xBD"
                                                      "b"},
                                           DecodeCase{"a\0b"s, TextKind::AttributeValue,
                                                      "a\xEF\xBF\xBD"
                                                      "b"},
                                           DecodeCase{"a\0b"s, TextKind::Comment,
                                                      "a\xEF\xBF\xBD"
                                                      "b"}));

TEST(AppendUtf8, WritesEveryLength) {
  const std::pair<uint32_t, std::string> cases[] = {
      {0x41, "A"},
      {0xE9, "\xC3\xA9"},
      {0x20AC, "\xE2\x82\xAC"},
      {0xD800, "\xED\xA0\x80"},
      {0x10FFFF, "\xF4\x8F\xBF\xBF"},
  };
  for (const auto& [cp, utf8] : cases) {
    std::string out = "x";
    appendUtf8(out, cp);
    EXPECT_EQ(out, "x" + utf8) << std::hex << cp;
  }
}

// The named reference lookup against the plain way: the longest name in entities.json that the
// text after "&" starts with, found by trying every entry.
TEST(DecodeTextNamedReferences, MatchTheLongestNameOfTheTable) {
  std::ifstream in(std::string(TOLVANE_TESTDATA) + "/entities.json", std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const std::optional<testing::Json> table = testing::parseJson(text);
  ASSERT_TRUE(table && table->isObject());
  std::vector<std::pair<std::string, std::string>> entries;  // name without "&", characters
  for (const auto& [name, entry] : table->object())
    entries.emplace_back(name.substr(1), entry.find("characters")->string());
  ASSERT_EQ(entries.size(), 2231u);

  auto reference = [&](const std::string& afterAmpersand) {
    const std::pair<std::string, std::string>* longest = nullptr;
    for (const auto& entry : entries)
      if (afterAmpersand.starts_with(entry.first) && (!longest || entry.first.size() > longest->first.size()))
        longest = &entry;
    return longest ? longest->second + afterAmpersand.substr(longest->first.size()) : "&" + afterAmpersand;
  };

  std::mt19937 random(20240611);
  const std::string tails = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789;; ";
  for (int i = 0; i < 5000; ++i) {
    // A name from the table, cut short or run on, so that near misses are as common as hits.
    const std::string& name = entries[random() % entries.size()].first;
    std::string afterAmpersand = name.substr(0, random() % (name.size() + 1));
    for (unsigned extra = random() % 4; extra > 0; --extra) afterAmpersand += tails[random() % tails.size()];
    SCOPED_TRACE("&" + afterAmpersand);
    ASSERT_EQ(decodeText("&" + afterAmpersand, TextKind::Data), reference(afterAmpersand));
  }
}

}  // namespace
}  // namespace tolvane::html
