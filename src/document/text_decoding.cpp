#include "document/text_decoding.h"

#include <algorithm>
#include <array>
#include <utility>

#include "document/encoding.h"

namespace tolvane::html {

namespace {

struct NamedReference {
  std::string_view name;  // without the leading "&"; ends in ';' or is one of the legacy forms without it
  uint32_t first;
  uint32_t second;  // 0 when the reference stands for one code point
};

constexpr NamedReference kNamedReferences[] = {
#include "document/named_references.inc"
};

static_assert(std::is_sorted(std::begin(kNamedReferences), std::end(kNamedReferences),
                             [](const NamedReference& a, const NamedReference& b) {
                               return a.name < b.name;
                             }),
              "the lookup narrows by binary search and needs the table sorted by name");

constexpr uint32_t kReplacementCharacter = 0xFFFD;

// What a numeric reference to 0x80..0x9F stands for (the windows-1252 reading); 0 keeps the number.
constexpr std::array<uint16_t, 32> kC1Replacements = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

bool isAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isAsciiAlphanumeric(char c) {
  return isAsciiDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int hexDigitValue(char c) {
  if (isAsciiDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool hasReferences(TextKind kind) {
  return kind == TextKind::Data || kind == TextKind::RcData || kind == TextKind::AttributeValue;
}

bool keepsNul(TextKind kind) {
  return kind == TextKind::Data || kind == TextKind::CData;
}

// The byte at position k of name, or -1 past its end, so that a name sorts before its extensions.
int byteAt(std::string_view name, size_t k) {
  return k < name.size() ? static_cast<unsigned char>(name[k]) : -1;
}

// The longest table name that text starts with, or nullptr. The entries sharing the prefix read
// so far form one sorted range, narrowed by one binary search per byte; a name is at most 32
// bytes long, so the range runs empty after that many.
const NamedReference* longestNamedReference(std::string_view text) {
  const NamedReference* low = std::begin(kNamedReferences);
  const NamedReference* high = std::end(kNamedReferences);
  const NamedReference* longest = nullptr;
  for (size_t k = 0; k < text.size() && low != high; ++k) {
    const int c = static_cast<unsigned char>(text[k]);
    low =
        std::lower_bound(low, high, c, [k](const NamedReference& r, int b) { return byteAt(r.name, k) < b; });
    high =
        std::upper_bound(low, high, c, [k](int b, const NamedReference& r) { return b < byteAt(r.name, k); });
    if (low != high && low->name.size() == k + 1) longest = low;
  }
  return longest;
}

uint32_t numericReferenceValue(uint32_t number) {
  if (number == 0 || number > 0x10FFFF || (number >= 0xD800 && number <= 0xDFFF))
    return kReplacementCharacter;
  if (number >= 0x80 && number <= 0x9F && kC1Replacements[number - 0x80] != 0)
    return kC1Replacements[number - 0x80];
  return number;
}

// Decodes the numeric reference at the start of text ("&#..."); returns the bytes it takes, 0 when
// no digit follows (then the "&" is literal).
size_t decodeNumericReference(std::string_view text, std::string& out) {
  size_t i = 2;
  const bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
  if (hex) ++i;
  const size_t digits = i;
  // Clamped so that a long run of digits cannot overflow; anything past U+10FFFF is replaced anyway.
  uint32_t number = 0;
  for (; i < text.size(); ++i) {
    const int digit = hex ? hexDigitValue(text[i]) : (isAsciiDigit(text[i]) ? text[i] - '0' : -1);
    if (digit < 0) break;
    number = std::min<uint32_t>(number * (hex ? 16 : 10) + static_cast<uint32_t>(digit), 0x110000);
  }
  if (i == digits) return 0;
  if (i < text.size() && text[i] == ';') ++i;
  appendUtf8(out, numericReferenceValue(number));
  return i;
}

// Decodes the named reference at the start of text ("&name"); returns the bytes it takes, 0 when
// the "&" is literal.
size_t decodeNamedReference(std::string_view text, TextKind kind, std::string& out) {
  const NamedReference* match = longestNamedReference(text.substr(1));
  if (match == nullptr) return 0;
  const size_t end = 1 + match->name.size();
  // In attribute values "&copy=1" or "&notit" stay as written: they are query strings more often than
  // references.
  if (kind == TextKind::AttributeValue && match->name.back() != ';' && end < text.size() &&
      (text[end] == '=' || isAsciiAlphanumeric(text[end])))
    return 0;
  appendUtf8(out, match->first);
  if (match->second != 0) appendUtf8(out, match->second);
  return end;
}

// Decodes the character reference at the start of text (which starts with "&"); returns the bytes
// it takes, 0 when the "&" is literal.
size_t decodeReference(std::string_view text, TextKind kind, std::string& out) {
  if (text.size() < 2) return 0;
  if (text[1] == '#') return decodeNumericReference(text, out);
  if (isAsciiAlphanumeric(text[1])) return decodeNamedReference(text, kind, out);
  return 0;
}

bool isSpecial(char c, TextKind kind) {
  return c == '\r' || (c == '&' && hasReferences(kind)) || (c == '\0' && !keepsNul(kind));
}

}  // namespace

std::string decodeText(std::string_view raw, TextKind kind, const Codec* codec) {
  std::string out;
  out.reserve(raw.size());
  auto appendLiteral = [&](std::string_view run) {
    if (run.empty()) return;
    if (codec != nullptr)
      codec->decode(run, out);
    else
      out.append(run);
  };
  size_t literal = 0;  // start of the literal run not yet appended
  size_t i = 0;
  while (i < raw.size()) {
    const char c = raw[i];
    if (!isSpecial(c, kind)) {
      ++i;
      continue;
    }
    appendLiteral(raw.substr(literal, i - literal));
    if (c == '\r') {
      out += '\n';
      i += (i + 1 < raw.size() && raw[i + 1] == '\n') ? 2 : 1;
    } else if (c == '\0') {
      appendUtf8(out, kReplacementCharacter);
      ++i;
    } else if (size_t taken = decodeReference(raw.substr(i), kind, out); taken != 0) {
      i += taken;
    } else {
      out += '&';
      ++i;
    }
    literal = i;
  }
  appendLiteral(raw.substr(literal));
  return out;
}

void appendUtf8(std::string& out, uint32_t cp) {
  auto byte = [&out](uint32_t b) { out += static_cast<char>(b); };
  if (cp < 0x80) {
    byte(cp);
  } else if (cp < 0x800) {
    byte(0xC0 | (cp >> 6));
    byte(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    byte(0xE0 | (cp >> 12));
    byte(0x80 | ((cp >> 6) & 0x3F));
    byte(0x80 | (cp & 0x3F));
  } else {
    byte(0xF0 | (cp >> 18));
    byte(0x80 | ((cp >> 12) & 0x3F));
    byte(0x80 | ((cp >> 6) & 0x3F));
    byte(0x80 | (cp & 0x3F));
  }
}

}  // namespace tolvane::html
