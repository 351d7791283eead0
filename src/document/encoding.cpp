// Finding the encoding of a page: the byte order mark, the HTML standard's prescan for a META
// declaration, then a guess from the bytes.
#include "document/encoding.h"

#include <algorithm>
#include <vector>

namespace tolvane::html {
namespace {

// The prescan reads no further than this, as the HTML standard encourages.
constexpr size_t kPrescanLimit = 1024;

bool isSpace(unsigned char c) {
  return c == 0x09 || c == 0x0A || c == 0x0C || c == 0x0D || c == 0x20;
}

bool isAsciiAlpha(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char toLower(char c) {
  return c >= 'A' && c <= 'Z' ? char(c + 0x20) : c;
}

// True when s holds word (lower case) at pos, ignoring ASCII case.
bool matchesAt(std::string_view s, size_t pos, std::string_view word) {
  if (s.size() - std::min(pos, s.size()) < word.size()) return false;
  for (size_t i = 0; i < word.size(); ++i)
    if (toLower(s[pos + i]) != word[i]) return false;
  return true;
}

size_t findIgnoringCase(std::string_view s, std::string_view word, size_t from) {
  for (size_t pos = from; pos + word.size() <= s.size(); ++pos)
    if (matchesAt(s, pos, word)) return pos;
  return std::string_view::npos;
}

// A declaration may not switch the parser to UTF-16 or to x-user-defined.
std::string declaredForParser(std::string encoding) {
  if (encoding == "utf-16le" || encoding == "utf-16be") return "utf-8";
  if (encoding == "x-user-defined") return "windows-1252";
  return encoding;
}

// The HTML standard's "extracting a character encoding from a meta element" on a content value.
std::optional<std::string> encodingFromMetaContent(std::string_view content) {
  size_t pos = 0;
  for (;;) {
    pos = findIgnoringCase(content, "charset", pos);
    if (pos == std::string_view::npos) return std::nullopt;
    pos += 7;
    while (pos < content.size() && isSpace(content[pos])) ++pos;
    if (pos < content.size() && content[pos] == '=') break;
  }
  ++pos;
  while (pos < content.size() && isSpace(content[pos])) ++pos;
  if (pos == content.size()) return std::nullopt;

  const char first = content[pos];
  if (first == '"' || first == '\'') {
    const size_t close = content.find(first, pos + 1);
    if (close == std::string_view::npos) return std::nullopt;
    return encodingForLabel(content.substr(pos + 1, close - pos - 1));
  }
  size_t end = pos;
  while (end < content.size() && !isSpace(content[end]) && content[end] != ';') ++end;
  return encodingForLabel(content.substr(pos, end - pos));
}

// The HTML standard's "get an XML encoding": the encoding named by an XML declaration at the start.
std::optional<std::string> xmlDeclarationEncoding(std::string_view bytes) {
  if (!bytes.starts_with("<?xml")) return std::nullopt;
  const size_t declarationEnd = bytes.find('>');
  if (declarationEnd == std::string_view::npos) return std::nullopt;
  const std::string_view declaration = bytes.substr(0, declarationEnd);

  size_t pos = declaration.find("encoding");
  if (pos == std::string_view::npos) return std::nullopt;
  pos += 8;
  const auto skipControlsAndSpaces = [&] {
    while (pos < declaration.size() && static_cast<unsigned char>(declaration[pos]) <= 0x20) ++pos;
  };
  skipControlsAndSpaces();
  if (pos == declaration.size() || declaration[pos] != '=') return std::nullopt;
  ++pos;
  skipControlsAndSpaces();
  if (pos == declaration.size()) return std::nullopt;
  const char quote = declaration[pos];
  if (quote != '"' && quote != '\'') return std::nullopt;
  ++pos;
  const size_t close = declaration.find(quote, pos);
  if (close == std::string_view::npos) return std::nullopt;

  const std::string_view name = declaration.substr(pos, close - pos);
  if (std::ranges::any_of(name, [](char c) { return static_cast<unsigned char>(c) <= 0x20; }))
    return std::nullopt;
  auto encoding = encodingForLabel(name);
  if (encoding && (*encoding == "utf-16le" || *encoding == "utf-16be")) return "utf-8";
  return encoding;
}

// One run of the prescan over at most kPrescanLimit bytes. Reading past the end of them ends the
// whole prescan without a result, wherever it happens, as the standard's "abort" does.
class Prescan {
 public:
  explicit Prescan(std::string_view bytes) : m_bytes(bytes.substr(0, kPrescanLimit)) {}

  std::optional<std::string> run() {
    if (m_bytes.starts_with(std::string_view("<\0?\0x\0", 6))) return "utf-16le";
    if (m_bytes.starts_with(std::string_view("\0<\0?\0x", 6))) return "utf-16be";
    std::optional<std::string> found = scanMarkup();
    if (found) return found;
    return xmlDeclarationEncoding(m_bytes);
  }

 private:
  enum class Outcome { Continue, EndOfInput };
  enum class Got { Attribute, NoMore, EndOfInput };

  struct Attribute {
    std::string name;
    std::string value;
  };

  bool atEnd() const { return m_pos >= m_bytes.size(); }
  unsigned char byte() const { return static_cast<unsigned char>(m_bytes[m_pos]); }
  bool at(std::string_view what) const { return m_bytes.substr(m_pos).starts_with(what); }

  std::optional<std::string> scanMarkup() {
    for (; !atEnd(); ++m_pos) {
      if (at("<!--")) {
        // The dashes of "<!--" may also end it: "<!-->" is a whole comment.
        const size_t close = m_bytes.find("-->", m_pos + 2);
        if (close == std::string_view::npos) return std::nullopt;
        m_pos = close + 2;
      } else if (matchesAt(m_bytes, m_pos, "<meta") && m_pos + 5 < m_bytes.size() &&
                 (isSpace(m_bytes[m_pos + 5]) || m_bytes[m_pos + 5] == '/')) {
        m_pos += 6;
        std::optional<std::string> encoding;
        if (readMeta(encoding) == Outcome::EndOfInput) return std::nullopt;
        if (encoding) return encoding;
      } else if (atTagStart()) {
        if (skipTag() == Outcome::EndOfInput) return std::nullopt;
      } else if (at("<!") || at("</") || at("<?")) {
        const size_t close = m_bytes.find('>', m_pos + 1);
        if (close == std::string_view::npos) return std::nullopt;
        m_pos = close;
      }
    }
    return std::nullopt;
  }

  bool atTagStart() const {
    if (byte() != '<') return false;
    size_t next = m_pos + 1;
    if (next < m_bytes.size() && m_bytes[next] == '/') ++next;
    return next < m_bytes.size() && isAsciiAlpha(m_bytes[next]);
  }

  // Any other tag: its attributes are read only to step over them.
  Outcome skipTag() {
    while (!atEnd() && !isSpace(byte()) && byte() != '>') ++m_pos;
    if (atEnd()) return Outcome::EndOfInput;
    Attribute ignored;
    for (;;) {
      const Got got = getAttribute(ignored);
      if (got == Got::EndOfInput) return Outcome::EndOfInput;
      if (got == Got::NoMore) return Outcome::Continue;
    }
  }

  // The attributes of a META element; encoding receives what it declares, if anything.
  Outcome readMeta(std::optional<std::string>& encoding) {
    enum class NeedPragma { Unknown, Yes, No };
    std::vector<std::string> seenNames;
    bool gotPragma = false;
    NeedPragma needPragma = NeedPragma::Unknown;
    bool charsetSet = false;  // a charset attribute that names no encoding still counts
    std::optional<std::string> charset;

    Attribute attribute;
    for (;;) {
      const Got got = getAttribute(attribute);
      if (got == Got::EndOfInput) return Outcome::EndOfInput;
      if (got == Got::NoMore) break;
      if (std::ranges::find(seenNames, attribute.name) != seenNames.end()) continue;
      seenNames.push_back(attribute.name);

      if (attribute.name == "http-equiv") {
        if (attribute.value == "content-type") gotPragma = true;
      } else if (attribute.name == "content") {
        std::optional<std::string> fromContent = encodingFromMetaContent(attribute.value);
        if (fromContent && !charsetSet) {
          charset = std::move(fromContent);
          charsetSet = true;
          needPragma = NeedPragma::Yes;
        }
      } else if (attribute.name == "charset") {
        charset = encodingForLabel(attribute.value);
        charsetSet = true;
        needPragma = NeedPragma::No;
      }
    }

    if (needPragma == NeedPragma::Unknown) return Outcome::Continue;
    if (needPragma == NeedPragma::Yes && !gotPragma) return Outcome::Continue;
    if (!charset) return Outcome::Continue;
    encoding = declaredForParser(std::move(*charset));
    return Outcome::Continue;
  }

  // The standard's "get an attribute"; names and values come out in ASCII lower case.
  Got getAttribute(Attribute& attribute) {
    while (!atEnd() && (isSpace(byte()) || byte() == '/')) ++m_pos;
    if (atEnd()) return Got::EndOfInput;
    if (byte() == '>') return Got::NoMore;

    attribute.name.clear();
    attribute.value.clear();
    for (;; ++m_pos) {
      if (atEnd()) return Got::EndOfInput;
      const char c = m_bytes[m_pos];
      if (c == '=' && !attribute.name.empty()) {
        ++m_pos;
        return getValue(attribute);
      }
      if (isSpace(c)) break;
      if (c == '/' || c == '>') return Got::Attribute;
      attribute.name += toLower(c);
    }

    while (!atEnd() && isSpace(byte())) ++m_pos;
    if (atEnd()) return Got::EndOfInput;
    if (byte() != '=') return Got::Attribute;
    ++m_pos;
    return getValue(attribute);
  }

  Got getValue(Attribute& attribute) {
    while (!atEnd() && isSpace(byte())) ++m_pos;
    if (atEnd()) return Got::EndOfInput;

    const char first = m_bytes[m_pos];
    if (first == '"' || first == '\'') {
      for (++m_pos; !atEnd(); ++m_pos) {
        if (m_bytes[m_pos] == first) {
          ++m_pos;
          return Got::Attribute;
        }
        attribute.value += toLower(m_bytes[m_pos]);
      }
      return Got::EndOfInput;
    }
    if (first == '>') return Got::Attribute;

    for (; !atEnd(); ++m_pos) {
      const char c = m_bytes[m_pos];
      if (isSpace(c) || c == '>') return Got::Attribute;
      attribute.value += toLower(c);
    }
    return Got::EndOfInput;
  }

  std::string_view m_bytes;
  size_t m_pos = 0;
};

}  // namespace

std::optional<std::string> sniffByteOrderMark(std::string_view bytes, size_t* bomLength) {
  struct Mark {
    std::string_view bytes;
    const char* encoding;
  };
  static constexpr Mark kMarks[] = {
      {"\xEF\xBB\xBF", "utf-8"},
      {"\xFE\xFF", "utf-16be"},
      {"\xFF\xFE", "utf-16le"},
  };
  for (const Mark& mark : kMarks) {
    if (bytes.starts_with(mark.bytes)) {
      if (bomLength) *bomLength = mark.bytes.size();
      return mark.encoding;
    }
  }
  if (bomLength) *bomLength = 0;
  return std::nullopt;
}

std::optional<std::string> prescanMetaCharset(std::string_view bytes) {
  return Prescan(bytes).run();
}

SniffResult sniffEncoding(std::string_view bytes) {
  SniffResult result;
  if (auto encoding = sniffByteOrderMark(bytes, &result.bomLength)) {
    result.encoding = std::move(*encoding);
  } else if (auto declared = prescanMetaCharset(bytes)) {
    result.encoding = std::move(*declared);
  } else {
    result.encoding = isValidUtf8(bytes) ? "utf-8" : "windows-1252";
  }
  return result;
}

}  // namespace tolvane::html
