#include "support/json.h"

#include <cstdlib>

#include "document/text_decoding.h"

namespace tolvane::testing {

namespace {

class Parser {
 public:
  explicit Parser(std::string_view text) : m_text(text) {}

  std::optional<Json> document() {
    std::optional<Json> result = value();
    skipWhitespace();
    if (!result || m_pos != m_text.size()) return std::nullopt;
    return result;
  }

 private:
  std::optional<Json> value() {
    skipWhitespace();
    if (m_pos >= m_text.size()) return std::nullopt;
    switch (m_text[m_pos]) {
      case '{':
        return object();
      case '[':
        return array();
      case '"': {
        std::optional<std::string> text = string();
        if (!text) return std::nullopt;
        return Json{std::move(*text)};
      }
      case 't':
        return literal("true", Json{true});
      case 'f':
        return literal("false", Json{false});
      case 'n':
        return literal("null", Json{nullptr});
      default:
        return number();
    }
  }

  std::optional<Json> literal(std::string_view word, Json result) {
    if (m_text.substr(m_pos, word.size()) != word) return std::nullopt;
    m_pos += word.size();
    return result;
  }

  std::optional<Json> number() {
    const std::string digits(
        m_text.substr(m_pos, m_text.find_first_not_of("+-0123456789.eE", m_pos) - m_pos));
    char* end = nullptr;
    const double result = std::strtod(digits.c_str(), &end);
    if (digits.empty() || end != digits.c_str() + digits.size()) return std::nullopt;
    m_pos += digits.size();
    return Json{result};
  }

  std::optional<Json> array() {
    Json::Array items;
    ++m_pos;
    if (consume(']')) return Json{std::move(items)};
    do {
      std::optional<Json> item = value();
      if (!item) return std::nullopt;
      items.push_back(std::move(*item));
    } while (consume(','));
    if (!consume(']')) return std::nullopt;
    return Json{std::move(items)};
  }

  std::optional<Json> object() {
    Json::Object members;
    ++m_pos;
    if (consume('}')) return Json{std::move(members)};
    do {
      skipWhitespace();
      if (m_pos >= m_text.size() || m_text[m_pos] != '"') return std::nullopt;
      std::optional<std::string> key = string();
      if (!key || !consume(':')) return std::nullopt;
      std::optional<Json> member = value();
      if (!member) return std::nullopt;
      members.emplace_back(std::move(*key), std::move(*member));
    } while (consume(','));
    if (!consume('}')) return std::nullopt;
    return Json{std::move(members)};
  }

  std::optional<std::string> string() {
    std::string out;
    ++m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != '"') {
      const char c = m_text[m_pos++];
      if (c != '\\') {
        out += c;
        continue;
      }
      if (m_pos >= m_text.size()) return std::nullopt;
      const char escaped = m_text[m_pos++];
      switch (escaped) {
        case '"':
        case '\\':
        case '/':
          out += escaped;
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          std::optional<uint32_t> cp = codeUnit();
          if (!cp) return std::nullopt;
          // A high surrogate followed by a low one is one code point; any other surrogate stays as it is.
          if (*cp >= 0xD800 && *cp <= 0xDBFF && m_text.substr(m_pos, 2) == "\\u") {
            const size_t save = m_pos;
            m_pos += 2;
            std::optional<uint32_t> low = codeUnit();
            if (low && *low >= 0xDC00 && *low <= 0xDFFF)
              cp = 0x10000 + ((*cp - 0xD800) << 10) + (*low - 0xDC00);
            else
              m_pos = save;
          }
          html::appendUtf8(out, *cp);
          break;
        }
        default:
          return std::nullopt;
      }
    }
    if (!consume('"')) return std::nullopt;
    return out;
  }

  // The four hex digits after "\u".
  std::optional<uint32_t> codeUnit() {
    if (m_pos + 4 > m_text.size()) return std::nullopt;
    uint32_t result = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = m_text[m_pos++];
      const int digit = c >= '0' && c <= '9'   ? c - '0'
                        : c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                               : -1;
      if (digit < 0) return std::nullopt;
      result = result * 16 + static_cast<uint32_t>(digit);
    }
    return result;
  }

  bool consume(char c) {
    skipWhitespace();
    if (m_pos >= m_text.size() || m_text[m_pos] != c) return false;
    ++m_pos;
    return true;
  }

  void skipWhitespace() {
    while (m_pos < m_text.size() &&
           (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' || m_text[m_pos] == '\n' || m_text[m_pos] == '\r'))
      ++m_pos;
  }

  std::string_view m_text;
  size_t m_pos = 0;
};

}  // namespace

const Json* Json::find(std::string_view key) const {
  if (!isObject()) return nullptr;
  for (const auto& [name, member] : object())
    if (name == key) return &member;
  return nullptr;
}

std::optional<Json> parseJson(std::string_view text) {
  return Parser(text).document();
}

}  // namespace tolvane::testing
