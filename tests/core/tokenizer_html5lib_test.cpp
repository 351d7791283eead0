// Runs every html5lib tokenizer suite (tokenizer/*.test) through Tokenizer and decodeText: one
// test per file, each case once per initial state it names. The input is fed as it is, CR and
// all, since CR LF is only turned into LF when text is decoded; the error codes are not checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "document/ascii.h"
#include "document/text_decoding.h"
#include "document/tokenizer.h"
#include "support/json.h"

namespace tolvane::html {
namespace {

using testing::Json;

const std::filesystem::path kSuiteFolder =
    std::filesystem::path(TOLVANE_TESTDATA) / "html5lib-tests" / "tokenizer";

// A case where we knowingly answer otherwise than the suite, with the reason.
struct KnownDifference {
  const char* file;
  const char* description;
  const char* reason;
};

constexpr const char* kXmlCoercion =
    "expects the output coerced into an XML infoset, which a tokenizer for HTML pages does not do";

constexpr KnownDifference kKnownDifferences[] = {
    {"xmlViolation.test", "Non-XML character", kXmlCoercion},
    {"xmlViolation.test", "Non-XML space", kXmlCoercion},
    {"xmlViolation.test", "Double hyphen in comment", kXmlCoercion},
};

const KnownDifference* knownDifference(const std::string& file, const std::string& description) {
  const auto* found = std::ranges::find_if(kKnownDifferences, [&](const KnownDifference& known) {
    return file == known.file && description == known.description;
  });
  return found == std::end(kKnownDifferences) ? nullptr : found;
}

std::optional<Tokenizer::State> initialState(const std::string& name) {
  static const std::pair<const char*, Tokenizer::State> kStates[] = {
      {"Data state", Tokenizer::State::Data},
      {"PLAINTEXT state", Tokenizer::State::Plaintext},
      {"RCDATA state", Tokenizer::State::RcData},
      {"RAWTEXT state", Tokenizer::State::RawText},
      {"Script data state", Tokenizer::State::ScriptData},
      {"CDATA section state", Tokenizer::State::CDataSection},
  };
  for (const auto& [label, state] : kStates)
    if (name == label) return state;
  return std::nullopt;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The code unit of a "\uHHHH" at text[at], or -1.
long codeUnitAt(const std::string& text, size_t at) {
  if (at + 6 > text.size() || text[at] != '\\' || text[at + 1] != 'u') return -1;
  long unit = 0;
  for (size_t i = at + 2; i < at + 6; ++i) {
    if (hexValue(text[i]) < 0) return -1;
    unit = unit * 16 + hexValue(text[i]);
  }
  return unit;
}

// The second round of unescaping that "doubleEscaped" cases ask for: "\uHHHH" becomes the code
// point (a surrogate pair one code point, a lone surrogate its three-byte form).
std::string unescapeTwice(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    long unit = codeUnitAt(text, i);
    if (unit < 0) {
      out += text[i++];
      continue;
    }
    i += 6;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      const long low = codeUnitAt(text, i);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        i += 6;
      }
    }
    appendUtf8(out, static_cast<uint32_t>(unit));
  }
  return out;
}

// Quotes text with its control and non-ASCII bytes as \xHH, so that a failure shows every byte.
std::string shown(const std::string& text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c < 0x20 || c >= 0x7F || c == '"' || c == '\\') {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string shownOrNull(const std::optional<std::string>& text) {
  return text ? shown(*text) : "null";
}

// The tokens in one notation for both sides, adjacent Character tokens merged.
class Rendering {
 public:
  void character(const std::string& text) { m_pendingText += text; }

  void other(const std::string& token) {
    flushText();
    m_tokens.push_back(token);
  }

  std::vector<std::string> finish() {
    flushText();
    return std::move(m_tokens);
  }

  static std::string doctype(const std::optional<std::string>& name,
                             const std::optional<std::string>& publicId,
                             const std::optional<std::string>& systemId, bool correct) {
    return "DOCTYPE(" + shownOrNull(name) + ", " + shownOrNull(publicId) + ", " + shownOrNull(systemId) +
           (correct ? ")" : ", force-quirks)");
  }

  static std::string startTag(const std::string& name,
                              std::vector<std::pair<std::string, std::string>> attributes, bool selfClosing) {
    std::ranges::sort(attributes);  // the suites compare attributes as a map
    std::string out = "StartTag(" + shown(name) + ", {";
    for (const auto& [key, value] : attributes) out += shown(key) + "=" + shown(value) + " ";
    return out + (selfClosing ? "}, self-closing)" : "})");
  }

  static std::string endTag(const std::string& name) { return "EndTag(" + shown(name) + ")"; }
  static std::string comment(const std::string& text) { return "Comment(" + shown(text) + ")"; }

 private:
  void flushText() {
    if (!m_pendingText.empty()) m_tokens.push_back("Character(" + shown(m_pendingText) + ")");
    m_pendingText.clear();
  }

  std::vector<std::string> m_tokens;
  std::string m_pendingText;
};

std::string attributeName(std::string_view raw) {
  std::string out;
  for (char c : raw) {
    if (c == '\0')
      out += "\xEF\xBF\xBD";
    else
      out += asciiLower(c);
  }
  return out;
}

std::vector<std::string> tokenize(const std::string& input, Tokenizer::State state,
                                  const Json* lastStartTag) {
  Tokenizer tokenizer(input);
  tokenizer.switchTo(state);
  if (lastStartTag != nullptr && lastStartTag->isString()) tokenizer.setLastStartTag(lastStartTag->string());
  Rendering rendering;
  Token token;
  while (tokenizer.next(token) && token.type != TokenType::EndOfFile) {
    switch (token.type) {
      case TokenType::Character:
        rendering.character(decodeText(token.data.in(input), token.textKind));
        break;
      case TokenType::Comment:
        rendering.other(Rendering::comment(decodeText(token.data.in(input), TextKind::Comment)));
        break;
      case TokenType::Doctype:
        rendering.other(
            Rendering::doctype(token.doctypeName, token.publicId, token.systemId, !token.forceQuirks));
        break;
      case TokenType::StartTag: {
        std::vector<std::pair<std::string, std::string>> attributes;
        for (const Attribute& attribute : token.attributes)
          attributes.emplace_back(attributeName(attribute.name.in(input)),
                                  decodeText(attribute.value.in(input), TextKind::AttributeValue));
        rendering.other(Rendering::startTag(token.name, std::move(attributes), token.selfClosing));
        break;
      }
      case TokenType::EndTag:
        rendering.other(Rendering::endTag(token.name));
        break;
      case TokenType::EndOfFile:
        break;
    }
  }
  return rendering.finish();
}

std::vector<std::string> expectedTokens(const Json& output, bool doubleEscaped) {
  auto text = [doubleEscaped](const Json& value) -> std::optional<std::string> {
    if (value.isNull()) return std::nullopt;
    return doubleEscaped ? unescapeTwice(value.string()) : value.string();
  };
  Rendering rendering;
  for (const Json& entry : output.array()) {
    const Json::Array& token = entry.array();
    const std::string& type = token.at(0).string();
    if (type == "Character") {
      rendering.character(*text(token.at(1)));
    } else if (type == "Comment") {
      rendering.other(Rendering::comment(*text(token.at(1))));
    } else if (type == "EndTag") {
      rendering.other(Rendering::endTag(*text(token.at(1))));
    } else if (type == "DOCTYPE") {
      rendering.other(
          Rendering::doctype(text(token.at(1)), text(token.at(2)), text(token.at(3)), token.at(4).boolean()));
    } else if (type == "StartTag") {
      std::vector<std::pair<std::string, std::string>> attributes;
      for (const auto& [key, value] : token.at(2).object())
        attributes.emplace_back(*text(Json{key}), *text(value));
      const bool selfClosing = token.size() > 3 && token.at(3).boolean();
      rendering.other(Rendering::startTag(*text(token.at(1)), std::move(attributes), selfClosing));
    } else {
      ADD_FAILURE() << "unknown token type " << type;
    }
  }
  return rendering.finish();
}

struct Tally {
  int passed = 0;
  int known = 0;
  int total = 0;
};

Tally g_total;

// Prints the sum over the files once all tests have run.
class TotalPrinter : public ::testing::Environment {
 public:
  void TearDown() override {
    if (g_total.total == 0) return;
    std::cout << "[ html5lib ] tokenizer total: " << g_total.passed << " of " << g_total.total << " passed, "
              << g_total.known << " known differences\n";
  }
};

[[maybe_unused]] ::testing::Environment* const g_totalPrinter =
    ::testing::AddGlobalTestEnvironment(new TotalPrinter);

std::vector<std::string> suiteFiles() {
  std::vector<std::string> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(kSuiteFolder, error))
    if (entry.path().extension() == ".test") files.push_back(entry.path().filename().string());
  std::ranges::sort(files);
  return files;
}

class TokenizerHtml5lib : public ::testing::TestWithParam<std::string> {};

TEST_P(TokenizerHtml5lib, MatchesTheSuite) {
  const std::string& file = GetParam();
  std::ifstream in(kSuiteFolder / file, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const std::optional<Json> suite = testing::parseJson(text);
  ASSERT_TRUE(suite) << file << " is not valid JSON";
  const Json* cases = suite->find("tests");
  if (cases == nullptr) cases = suite->find("xmlViolationTests");
  ASSERT_TRUE(cases != nullptr && cases->isArray()) << file << " has no list of tests";

  Tally tally;
  for (const Json& testCase : cases->array()) {
    const std::string& description = testCase.find("description")->string();
    const Json* doubleEscaped = testCase.find("doubleEscaped");
    const bool twice = doubleEscaped != nullptr && doubleEscaped->boolean();
    const std::string input =
        twice ? unescapeTwice(testCase.find("input")->string()) : testCase.find("input")->string();
    const std::vector<std::string> expected = expectedTokens(*testCase.find("output"), twice);
    const KnownDifference* known = knownDifference(file, description);

    std::vector<std::string> states{"Data state"};
    if (const Json* listed = testCase.find("initialStates")) {
      states.clear();
      for (const Json& state : listed->array()) states.push_back(state.string());
    }
    for (const std::string& stateName : states) {
      SCOPED_TRACE(file + ": " + shown(description) + " in the " + stateName);
      ++tally.total;
      const std::optional<Tokenizer::State> state = initialState(stateName);
      if (!state) {
        ADD_FAILURE() << "unknown initial state";
        continue;
      }
      const std::vector<std::string> actual = tokenize(input, *state, testCase.find("lastStartTag"));
      if (known != nullptr) {
        EXPECT_NE(actual, expected) << "listed as a known difference (" << known->reason
                                    << ") but passes now: take it off the list";
        ++tally.known;
        continue;
      }
      EXPECT_EQ(actual, expected) << "input " << shown(input);
      if (actual == expected) ++tally.passed;
    }
  }
  std::cout << "[ html5lib ] " << file << ": " << tally.passed << " of " << tally.total << " passed, "
            << tally.known << " known differences\n";
  g_total.passed += tally.passed;
  g_total.known += tally.known;
  g_total.total += tally.total;
}

INSTANTIATE_TEST_SUITE_P(Files, TokenizerHtml5lib, ::testing::ValuesIn(suiteFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = std::filesystem::path(info.param).stem().string();
                           std::ranges::replace_if(
                               name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
                               '_');
                           return name;
                         });

// Guards against a missing data folder, which would otherwise just run no files.
TEST(TokenizerHtml5libData, AllSuiteFilesArePresent) {
  EXPECT_EQ(suiteFiles().size(), 14u) << kSuiteFolder;
}

}  // namespace
}  // namespace tolvane::html
