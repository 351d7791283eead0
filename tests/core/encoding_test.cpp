// Encodings beyond what the html5lib suites check: the order of the sniffing steps, the prescan's
// byte limit, labels, and the conversions to and from UTF-8.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "document/encoding.h"

namespace tolvane::html {
namespace {

using namespace std::string_literals;

// ---- sniffing --------------------------------------------------------------------------------

// bytes padded with a comment so that the '>' of the META that follows is at byte index end.
std::string metaEndingAt(size_t end, const std::string& meta) {
  const size_t padding = end + 1 - meta.size();
  return "<!--" + std::string(padding - 7, 'x') + "-->" + meta;
}

struct SniffCase {
  const char* name;
  std::string bytes;
  const char* encoding;
  size_t bomLength;
};

const SniffCase kSniffCases[] = {
    {"utf8_bom_wins_over_meta", "\xEF\xBB\xBF<meta charset=iso-8859-2><p>\xE9", "utf-8", 3},
    {"utf16le_bom", "\xFF\xFE<\0p\0"s, "utf-16le", 2},
    {"utf16be_bom_wins_over_meta", "\xFE\xFF<meta charset=koi8-r>", "utf-16be", 2},
    {"meta_wins_over_valid_utf8", "<meta charset=iso-8859-2><p>caf\xC3\xA9", "iso-8859-2", 0},
    {"valid_utf8_without_meta", "<p>caf\xC3\xA9", "utf-8", 0},
    {"ascii_is_valid_utf8", "<p>plain", "utf-8", 0},
    {"invalid_utf8_without_meta", "<p>caf\xE9", "windows-1252", 0},
    {"truncated_utf8_at_end", "<p>caf\xC3", "windows-1252", 0},
    {"declared_utf16_reads_as_utf8", "<meta charset=utf-16le><p>\xE9", "utf-8", 0},
    {"declared_x_user_defined_reads_as_windows1252", "<meta charset=x-user-defined>", "windows-1252", 0},
    {"utf16le_xml_declaration", "<\0?\0x\0m\0l\0"s, "utf-16le", 0},
    {"utf16be_xml_declaration", "\0<\0?\0x\0m\0l"s, "utf-16be", 0},
    {"xml_declaration", "<?xml version=\"1.0\" encoding=\"ISO-8859-2\"?><p>\xE9", "iso-8859-2", 0},
    {"xml_declaration_spaces_and_single_quotes", "<?xml encoding \n= 'koi8-r'?>", "koi8-r", 0},
    {"xml_declaration_utf16_reads_as_utf8", "<?xml encoding='utf-16'?><p>\xE9", "utf-8", 0},
    {"meta_wins_over_xml_declaration", "<?xml encoding='iso-8859-2'?><meta charset=koi8-r>", "koi8-r", 0},
    {"xml_declaration_only_at_start", " <?xml encoding='iso-8859-2'?><p>\xE9", "windows-1252", 0},
    {"xml_encoding_after_declaration_end", "<?xml version='1.0'?><a encoding='koi8-r'>", "utf-8", 0},
    {"shortest_comment_ends_at_once", "<!--><meta charset=koi8-r>-->", "koi8-r", 0},
    {"meta_inside_comment_is_not_seen", "<!-- <meta charset=koi8-r> -->", "utf-8", 0},
    {"first_of_repeated_attributes_counts", "<meta charset=koi8-r charset=iso-8859-2>", "koi8-r", 0},
    {"equals_sign_starting_a_name_is_part_of_it", "<meta = charset=koi8-r>", "koi8-r", 0},
    {"charset_attribute_wins_over_content",
     "<meta charset=koi8-r http-equiv=content-type content='charset=iso-8859-2'>", "koi8-r", 0},
    {"charset_attribute_naming_nothing_still_wins",
     "<meta charset=bogus http-equiv=content-type content='charset=iso-8859-2'>", "utf-8", 0},
    {"meta_ending_at_last_prescanned_byte", metaEndingAt(1023, "<meta charset=koi8-r>"), "koi8-r", 0},
    {"meta_ending_past_prescanned_bytes", metaEndingAt(1024, "<meta charset=koi8-r>"), "utf-8", 0},
};

void PrintTo(const SniffCase& sniffCase, std::ostream* os) {
  *os << sniffCase.name;
}

class SniffEncoding : public testing::TestWithParam<SniffCase> {};

TEST_P(SniffEncoding, FollowsBomThenPrescanThenUtf8Guess) {
  const SniffCase& sniffCase = GetParam();
  const SniffResult result = sniffEncoding(sniffCase.bytes);
  EXPECT_EQ(result.encoding, sniffCase.encoding);
  EXPECT_EQ(result.bomLength, sniffCase.bomLength);
}

INSTANTIATE_TEST_SUITE_P(Cases, SniffEncoding, testing::ValuesIn(kSniffCases),
                         [](const testing::TestParamInfo<SniffCase>& info) { return info.param.name; });

TEST(EncodingByteOrderMark, ReportsNoMarkAsZeroLength) {
  size_t length = 99;
  EXPECT_EQ(sniffByteOrderMark("\xEF\xBB<p>", &length), std::nullopt);
  EXPECT_EQ(length, 0u);
  EXPECT_EQ(sniffByteOrderMark(""), std::nullopt);
}

// ---- labels ----------------------------------------------------------------------------------

struct LabelCase {
  std::string label;
  std::optional<std::string> encoding;
};

const LabelCase kLabelCases[] = {
    {" Latin1 ", "windows-1252"},
    {"US-ASCII", "windows-1252"},
    {"UTF8", "utf-8"},
    {"\t\n\f\rshift-jis\r\n", "shift_jis"},
    {"ms932", "shift_jis"},
    {"unicodefffe", "utf-16be"},
    {"UCS-2", "utf-16le"},
    {"iso-2022-kr", "replacement"},
    {"koi8-ru", "koi8-u"},
    {"CSEUCPKDFMTJAPANESE", "euc-jp"},
    {"iso_8859-1:1987", "windows-1252"},
    {"latin-1", std::nullopt},
    {"utf 8", std::nullopt},
    {"\vutf-8", std::nullopt},  // vertical tab is no ASCII white space
    {"utf-8\0"s, std::nullopt},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"cseucpkdfmtjapanesex", std::nullopt},
};

TEST(EncodingForLabel, MapsLabelsToNames) {
  for (const LabelCase& labelCase : kLabelCases) {
    SCOPED_TRACE("label \"" + labelCase.label + "\"");
    EXPECT_EQ(encodingForLabel(labelCase.label), labelCase.encoding);
  }
}

// Every encoding of the standard, under its own name.
const char* const kAllEncodings[] = {
    "utf-8",        "ibm866",       "iso-8859-2",   "iso-8859-3",     "iso-8859-4",     "iso-8859-5",
    "iso-8859-6",   "iso-8859-7",   "iso-8859-8",   "iso-8859-8-i",   "iso-8859-10",    "iso-8859-13",
    "iso-8859-14",  "iso-8859-15",  "iso-8859-16",  "koi8-r",         "koi8-u",         "macintosh",
    "windows-874",  "windows-1250", "windows-1251", "windows-1252",   "windows-1253",   "windows-1254",
    "windows-1255", "windows-1256", "windows-1257", "windows-1258",   "x-mac-cyrillic", "gbk",
    "gb18030",      "big5",         "euc-jp",       "iso-2022-jp",    "shift_jis",      "euc-kr",
    "replacement",  "utf-16be",     "utf-16le",     "x-user-defined",
};

TEST(Codec, OpensEveryEncodingButReplacementAndUserDefined) {
  for (const std::string name : kAllEncodings) {
    SCOPED_TRACE(name);
    EXPECT_EQ(encodingForLabel(name), name);
    const std::unique_ptr<Codec> codec = Codec::open(name);
    if (name == "replacement" || name == "x-user-defined") {
      EXPECT_EQ(codec, nullptr);
      continue;
    }
    ASSERT_NE(codec, nullptr);
    EXPECT_EQ(codec->name(), name);
    const std::string markup = "<p a='b'>&amp;";
    std::string bytes;
    codec->encode(markup, bytes, Codec::Fallback::CharacterReference);
    std::string back;
    codec->decode(bytes, back);
    EXPECT_EQ(back, markup);
    if (codec->asciiCompatible()) {
      EXPECT_EQ(bytes, markup);
    }
  }
}

TEST(Codec, OpenTakesLabelsAndRefusesUnknownNames) {
  const std::unique_ptr<Codec> codec = Codec::open("Latin1");
  ASSERT_NE(codec, nullptr);
  EXPECT_EQ(codec->name(), "windows-1252");
  EXPECT_EQ(Codec::open("no-such-encoding"), nullptr);
  EXPECT_EQ(Codec::open(""), nullptr);
}

TEST(Codec, AsciiCompatibility) {
  const std::pair<const char*, bool> cases[] = {
      {"utf-8", true},     {"windows-1252", true}, {"shift_jis", true},    {"gb18030", true},
      {"utf-16le", false}, {"utf-16be", false},    {"iso-2022-jp", false},
  };
  for (const auto& [name, compatible] : cases) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Codec::open(name)->asciiCompatible(), compatible);
  }
}

// ---- decoding --------------------------------------------------------------------------------

struct ConversionCase {
  const char* encoding;
  std::string input;
  std::string output;
};

std::string decoded(const std::string& encoding, std::string_view raw) {
  const std::unique_ptr<Codec> codec = Codec::open(encoding);
  std::string out = "[";
  codec->decode(raw, out);
  return out.substr(1);
}

const ConversionCase kDecodeCases[] = {
    // The five bytes glibc refuses are the C1 controls they stand for, as the WHATWG index says.
    {"windows-1252", "\x80\x81\x8D\x8F\x90\x9D\x9F\xE9", "€\u0081\u008D\u008F\u0090\u009D\u0178é"},
    {"windows-1250", "\x81\x8A\x83", "\u0081Š\u0083"},
    {"iso-8859-2", "\xA1\xB1\xC8\xE8", "ĄąČč"},
    {"iso-8859-3", "a\xA5z", "a\uFFFDz"},  // 0xA5 is no character in iso-8859-3
    {"utf-8", "a\xFFz", "a\uFFFDz"},
    {"utf-8", "\xE2\x82z", "\uFFFDz"},                          // truncated: one error, z read again
    {"utf-8", "\xC0\xAF", "\uFFFD\uFFFD"},                      // overlong
    {"utf-8", "\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},            // surrogate
    {"utf-8", "\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
    {"utf-8", "ok\xF0\x9F\x98", "ok\uFFFD"},                    // truncated at the end
    {"utf-8", "\xEF\xBB\xBF\xF0\x9F\x98\x80", "\uFEFF😀"},
    {"shift_jis", "\x5C\x7E\x93\xFA", "\\~日"},
    {"shift_jis", "\x93 ", "\uFFFD "},  // a lead byte without its trail byte
    {"euc-jp", "\xC6\xFC", "日"},
    {"euc-kr", "\xB0\xA1", "가"},
    {"gb18030", "\x81\x30\x81\x30", "\u0080"},
    {"gb18030", "a\x81\x30\x81", "a\uFFFD"},  // a four-byte sequence cut off: one error
    {"koi8-u", "\xAE\xBE\xA4", "ўЎє"},
    {"iso-2022-jp", "\x1B$B\x46\x7C\x1B(B!", "日!"},
    {"utf-16le", "A\0\x3D\xD8\x00\xDE"s, "A😀"},
    {"utf-16be", "\0A\xD8\x3D\xDE\x00"s, "A😀"},
    {"utf-16le", "A\0B"s, "A\uFFFD"},  // odd byte at the end
    {"utf-16le",
     "\x00\xDC"
     "A\0"s,
     "\uFFFDA"},  // lone low surrogate
    {"utf-16le",
     "\x3D\xD8"
     "A\0"s,
     "\uFFFDA"},                              // high surrogate without its pair
    {"utf-16le", "A\0\x3D\xD8"s, "A\uFFFD"},  // high surrogate at the end
};

TEST(CodecDecode, ConvertsToUtf8AndReplacesInvalidBytes) {
  for (const ConversionCase& decodeCase : kDecodeCases) {
    SCOPED_TRACE(std::string(decodeCase.encoding) + ": " + decodeCase.output);
    EXPECT_EQ(decoded(decodeCase.encoding, decodeCase.input), decodeCase.output);
  }
}

TEST(CodecDecode, StartsEveryCallInTheInitialState) {
  const std::unique_ptr<Codec> codec = Codec::open("iso-2022-jp");
  std::string first;
  codec->decode("\x1B$B\x46\x7C", first);  // ends shifted to JIS X 0208
  EXPECT_EQ(first, "日");
  std::string second;
  codec->decode("\x46\x7C", second);
  EXPECT_EQ(second, "F|");
}

// ---- encoding --------------------------------------------------------------------------------

struct EncodeCase {
  const char* encoding;
  std::string utf8;
  Codec::Fallback fallback;
  std::string bytes;
};

constexpr auto kReference = Codec::Fallback::CharacterReference;
constexpr auto kEscape = Codec::Fallback::ScriptEscape;

const EncodeCase kEncodeCases[] = {
    {"windows-1252", "€é", kReference, "\x80\xE9"},
    {"windows-1252", "aāz", kReference, "a&#257;z"},
    {"windows-1252", "aāz", kEscape, "a\\u0101z"},
    {"windows-1252", "😀", kReference, "&#128512;"},
    {"windows-1252", "😀", kEscape, "\\uD83D\\uDE00"},
    {"windows-1252", "\u0081\u009D", kReference, "\x81\x9D"},
    {"windows-1252", "\u0080", kReference, "&#128;"},      // 0x80 is the euro sign, not U+0080
    {"windows-1252", "a\xFFz", kReference, "a&#65533;z"},  // not UTF-8: U+FFFD, which it cannot hold
    {"iso-8859-2", "Čč€", kReference, "\xC8\xE8&#8364;"},
    {"gb18030", "\xFF", kReference, "\x84\x31\xA4\x37"},  // U+FFFD, which gb18030 holds
    {"shift_jis", "日\\~", kReference, "\x93\xFA\\~"},
    {"utf-8", "a😀\xFF", kReference, "a😀\xFF"},  // a copy
    {"utf-16le", "A😀", kReference, "A\0\x3D\xD8\x00\xDE"s},
    {"utf-16be", "A😀", kReference, "\0A\xD8\x3D\xDE\x00"s},
    // Back to ASCII before the reference, and at the end.
    {"iso-2022-jp", "日€本", kReference, "\x1B$BF|\x1B(B&#8364;\x1B$BK\\\x1B(B"},
};

TEST(CodecEncode, ConvertsFromUtf8WithFallbacks) {
  for (const EncodeCase& encodeCase : kEncodeCases) {
    SCOPED_TRACE(std::string(encodeCase.encoding) + ": " + encodeCase.utf8);
    std::string out = "[";
    Codec::open(encodeCase.encoding)->encode(encodeCase.utf8, out, encodeCase.fallback);
    EXPECT_EQ(out, "[" + encodeCase.bytes);
  }
}

// ---- round trips and differential tests ------------------------------------------------------

std::string allBytes() {
  std::string bytes;
  for (int byte = 0; byte < 256; ++byte) bytes += static_cast<char>(byte);
  return bytes;
}

TEST(CodecRoundTrip, EverySingleByteComesBackUnchanged) {
  for (const char* name : {"windows-1252", "iso-8859-2"}) {
    SCOPED_TRACE(name);
    const std::unique_ptr<Codec> codec = Codec::open(name);
    const std::string bytes = allBytes();
    std::string text;
    codec->decode(bytes, text);
    EXPECT_EQ(text.find("\uFFFD"), std::string::npos);
    std::string back;
    codec->encode(text, back, kReference);
    EXPECT_EQ(back, bytes);
  }
}

TEST(CodecRoundTrip, Utf8TextComesBackUnchanged) {
  const std::string text = "Grüße, 日本語, 😀, \u0081, \uFEFF";
  const std::unique_ptr<Codec> codec = Codec::open("utf-8");
  std::string bytes;
  codec->encode(text, bytes, kReference);
  std::string back;
  codec->decode(bytes, back);
  EXPECT_EQ(back, text);
}

// The WHATWG UTF-8 decoder written plainly, one byte at a time; errors counts the U+FFFDs.
std::string referenceUtf8Decode(std::string_view bytes, int& errors) {
  std::string out;
  errors = 0;
  uint32_t codePoint = 0;
  int needed = 0;
  int seen = 0;
  unsigned lower = 0x80;
  unsigned upper = 0xBF;
  size_t start = 0;
  const auto fail = [&] {
    out += "\uFFFD";
    ++errors;
    needed = seen = 0;
    lower = 0x80;
    upper = 0xBF;
  };
  for (size_t i = 0; i < bytes.size(); ++i) {
    const unsigned byte = static_cast<unsigned char>(bytes[i]);
    if (needed == 0) {
      start = i;
      if (byte < 0x80) {
        out += static_cast<char>(byte);
      } else if (byte >= 0xC2 && byte <= 0xDF) {
        needed = 1;
        codePoint = byte & 0x1F;
      } else if (byte >= 0xE0 && byte <= 0xEF) {
        lower = byte == 0xE0 ? 0xA0 : 0x80;
        upper = byte == 0xED ? 0x9F : 0xBF;
        needed = 2;
        codePoint = byte & 0xF;
      } else if (byte >= 0xF0 && byte <= 0xF4) {
        lower = byte == 0xF0 ? 0x90 : 0x80;
        upper = byte == 0xF4 ? 0x8F : 0xBF;
        needed = 3;
        codePoint = byte & 0x7;
      } else {
        fail();
      }
      continue;
    }
    if (byte < lower || byte > upper) {
      fail();
      --i;  // read the byte again
      continue;
    }
    lower = 0x80;
    upper = 0xBF;
    codePoint = (codePoint << 6) | (byte & 0x3F);
    if (++seen == needed) {
      out.append(bytes.substr(start, i + 1 - start));
      needed = seen = 0;
    }
  }
  if (needed) fail();
  return out;
}

TEST(CodecDifferential, Utf8DecodeAndValidationMatchThePlainDecoder) {
  // Bytes where the decoder's boundaries are, with ASCII runs long enough for the 8-byte steps.
  const std::string alphabet =
      "aaaaaaa\x80\x8F\x90\x9F\xA0\xBF\xC0\xC1\xC2\xDF\xE0\xE1\xED\xEF\xF0\xF4\xF5\xFF";
  std::mt19937 random(20240611);
  const std::unique_ptr<Codec> codec = Codec::open("utf-8");
  for (int round = 0; round < 5000; ++round) {
    std::string bytes(random() % 40, ' ');
    for (char& byte : bytes) byte = alphabet[random() % alphabet.size()];
    SCOPED_TRACE(testing::PrintToString(bytes));
    int errors = 0;
    const std::string expected = referenceUtf8Decode(bytes, errors);
    std::string actual;
    codec->decode(bytes, actual);
    ASSERT_EQ(actual, expected);
    ASSERT_EQ(isValidUtf8(bytes), errors == 0);
  }
}

TEST(CodecDifferential, LongSingleByteInputDecodesAsItsBytesOneByOne) {
  // Far longer than one conversion chunk, with bytes the encodings refuse or map to C1 controls.
  std::mt19937 random(7);
  std::string bytes(100000, ' ');
  for (char& byte : bytes) byte = static_cast<char>(random() % 256);
  for (const char* name : {"windows-1252", "iso-8859-3", "windows-1253"}) {
    SCOPED_TRACE(name);
    const std::unique_ptr<Codec> codec = Codec::open(name);
    std::string expected;
    for (const char byte : bytes) codec->decode(std::string_view(&byte, 1), expected);
    std::string actual;
    codec->decode(bytes, actual);
    EXPECT_EQ(actual, expected);
  }
}

TEST(CodecDifferential, LongTextEncodesAsItsCharactersOneByOne) {
  const std::vector<std::string> pieces = {"a", "<p>", "é", "€", "ā", "😀", "\u0081", "日", "本", "\xFF"};
  std::mt19937 random(11);
  std::vector<std::string> characters(40000);
  for (std::string& character : characters) character = pieces[random() % pieces.size()];
  std::string text;
  for (const std::string& character : characters) text += character;

  for (const char* name : {"windows-1252", "iso-2022-jp", "utf-16le", "big5"}) {
    for (const Codec::Fallback fallback : {kReference, kEscape}) {
      SCOPED_TRACE(name);
      const std::unique_ptr<Codec> codec = Codec::open(name);
      std::string expected;
      for (const std::string& character : characters) codec->encode(character, expected, fallback);
      std::string actual;
      codec->encode(text, actual, fallback);
      if (std::string_view(name) == "iso-2022-jp") {
        // Shifts between runs are merged when encoding in one go; the text must still agree.
        std::string expectedText;
        std::string actualText;
        codec->decode(expected, expectedText);
        codec->decode(actual, actualText);
        EXPECT_EQ(actualText, expectedText);
      } else {
        EXPECT_EQ(actual, expected);
      }
    }
  }
}

// ---- UTF-8 validation ------------------------------------------------------------------------

TEST(EncodingUtf8Validation, AcceptsWellFormedAndRejectsTheRest) {
  const std::pair<std::string, bool> cases[] = {
      {"", true},
      {"plain ascii", true},
      {"\xC3\xA9", true},
      {"\xED\x9F\xBF", true},       // U+D7FF, just below the surrogates
      {"\xEE\x80\x80", true},       // U+E000, just above them
      {"\xF4\x8F\xBF\xBF", true},   // U+10FFFF
      {"\xED\xA0\x80", false},      // U+D800
      {"\xED\xBF\xBF", false},      // U+DFFF
      {"\xF4\x90\x80\x80", false},  // U+110000
      {"\xF5\x80\x80\x80", false},
      {"\xC0\x80", false},          // overlong NUL
      {"\xC1\xBF", false},          // overlong
      {"\xE0\x9F\xBF", false},      // overlong
      {"\xF0\x8F\xBF\xBF", false},  // overlong
      {"\xE2\x82", false},          // truncated
      {"\xF0\x9F\x98", false},      // truncated
      {"\x80", false},              // lone continuation
      {"\xC3\xA9\xA9", false},      // one continuation too many
      {"\xFF", false},
      {"1234567\xFF", false},  // the invalid byte at each place of an 8-byte step
      {"12345678\xFF", false},
      {"123456789012345\xFF", false},
      {"1234567890123456\xFF", false},
      {"12345678901234567890\xC3\xA9", true},
  };
  for (const auto& [bytes, valid] : cases) {
    SCOPED_TRACE(testing::PrintToString(bytes));
    EXPECT_EQ(isValidUtf8(bytes), valid);
  }
}

}  // namespace
}  // namespace tolvane::html
