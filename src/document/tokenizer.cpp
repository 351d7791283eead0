#include "document/tokenizer.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <unordered_set>

#include "document/ascii.h"

namespace tolvane::html {

namespace {

constexpr int kEndOfInput = -1;

// CR counts as white space: the tokenizer reads the bytes before CR LF becomes LF.
bool isWhitespace(int c) {
  return c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ';
}
bool isAsciiAlpha(int c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Tag, attribute and DOCTYPE names as the standard keeps them: ASCII lower case, NUL as U+FFFD.
void appendFoldedName(std::string& out, std::string_view raw) {
  for (char c : raw) {
    if (c == '\0')
      out += "\xEF\xBF\xBD";
    else
      out += asciiLower(c);
  }
}

// The first offset from `from` on whose byte stop() holds, or the size of source.
template <typename Stop>
uint32_t scanFrom(std::string_view source, uint32_t from, Stop stop) {
  while (from < source.size() && !stop(static_cast<unsigned char>(source[from]))) ++from;
  return from;
}

void resetToken(Token& token, TokenType type) {
  token.type = type;
  token.range = {};
  token.name.clear();
  token.attributes.clear();
  token.selfClosing = false;
  token.data = {};
  token.textKind = TextKind::Data;
  token.doctypeName.reset();
  token.publicId.reset();
  token.systemId.reset();
  token.forceQuirks = false;
}

// Up to this many attributes a duplicate is found by comparing with each earlier one; past it by
// a hash set, so that a tag with thousands of attributes stays linear.
constexpr size_t kAttributeScanLimit = 8;

}  // namespace

// The state machine behind Tokenizer; kept out of the header so that the header shows the API only.
struct Tokenizer::Impl {
  // Every state of the standard's tokenizer (State names the few a consumer switches to). The
  // character reference states are missing: references are resolved later, by decodeText().
  // clang-format off
  enum class InnerState : uint8_t {
    Data, RcData, RawText, ScriptData, Plaintext,
    TagOpen, EndTagOpen, TagName,
    TextLessThanSign, TextEndTagOpen, TextEndTagName,  // RCDATA and RAWTEXT; the end tag ones for script data too
    ScriptDataLessThanSign, ScriptDataEscapeStart, ScriptDataEscapeStartDash,
    ScriptDataEscaped, ScriptDataEscapedDash, ScriptDataEscapedDashDash, ScriptDataEscapedLessThanSign,
    ScriptDataDoubleEscapeStart, ScriptDataDoubleEscaped, ScriptDataDoubleEscapedDash,
    ScriptDataDoubleEscapedDashDash, ScriptDataDoubleEscapedLessThanSign, ScriptDataDoubleEscapeEnd,
    BeforeAttributeName, AttributeName, AfterAttributeName, BeforeAttributeValue,
    AttributeValueDoubleQuoted, AttributeValueSingleQuoted, AttributeValueUnquoted, AfterAttributeValueQuoted,
    SelfClosingStartTag, BogusComment, MarkupDeclarationOpen,
    CommentStart, CommentStartDash, Comment, CommentLessThanSign, CommentLessThanSignBang,
    CommentLessThanSignBangDash, CommentLessThanSignBangDashDash, CommentEndDash, CommentEnd, CommentEndBang,
    Doctype, BeforeDoctypeName, DoctypeName, AfterDoctypeName,
    AfterDoctypePublicKeyword, BeforeDoctypePublicIdentifier,
    DoctypePublicIdentifierDoubleQuoted, DoctypePublicIdentifierSingleQuoted, AfterDoctypePublicIdentifier,
    BetweenDoctypePublicAndSystemIdentifiers, AfterDoctypeSystemKeyword, BeforeDoctypeSystemIdentifier,
    DoctypeSystemIdentifierDoubleQuoted, DoctypeSystemIdentifierSingleQuoted, AfterDoctypeSystemIdentifier,
    BogusDoctype, CDataSection,
  };
  // clang-format on

  Impl(std::string_view source, uint32_t start);
  bool next(Token& token);
  void switchTo(State state);

  void step();
  uint32_t inputEnd() const;
  int current() const;          // the byte at m_pos, or -1 at the end of input
  uint32_t find(char c) const;  // the next c from m_pos on, or inputEnd()
  void moveTo(InnerState state, uint32_t consumed = 1);
  void reconsumeIn(InnerState state);
  void emitCurrentAndMoveTo(InnerState state);
  void textUpToLessThanSign(InnerState lessThanSignState);
  void escapedLessThanSign();

  void addText(uint32_t begin, uint32_t end);
  void endTextRun();
  void giveText(Token& token);
  void reachEnd();

  void beginTag(TokenType type);
  void beginAttribute();
  void finishAttribute();
  bool isDuplicateOfEarlierAttribute();
  void setAttributeValueEnd(uint32_t end, uint32_t wholeEnd);
  void emitTag();
  bool isAppropriateEndTag() const;
  bool bufferIsScript() const;

  void beginComment(uint32_t dataBegin);
  void emitComment(uint32_t dataEnd);
  void readCDataSection();

  void beginDoctype();
  void emitDoctype();
  void emitDoctypeAtEnd();
  void beginIdentifier(std::optional<SourceRange>& identifier, InnerState quotedState);
  void beforeIdentifier(std::optional<SourceRange>& identifier, InnerState afterWhitespace,
                        InnerState doubleQuoted, InnerState singleQuoted);
  void inQuotedIdentifier(std::optional<SourceRange>& identifier, char quote, InnerState afterIdentifier);
  void afterPublicIdentifier(InnerState afterWhitespace);

  std::string_view m_source;
  uint32_t m_pos = 0;
  InnerState m_state = InnerState::Data;
  InnerState m_returnState = InnerState::Data;  // where a failed end tag candidate resumes as text
  TextKind m_textKind = TextKind::Data;         // the kind of text the content state produces
  bool m_cdataAllowed = false;
  std::string m_lastStartTag;

  // The run of text not yet handed out, and whether it is complete (markup that made no token ends it).
  SourceRange m_text;
  TextKind m_textRunKind = TextKind::Data;
  bool m_textComplete = false;

  // The markup token being read; handed out after any text before it.
  Token m_token;
  bool m_tokenReady = false;
  uint32_t m_markupStart = 0;  // the "<" of the markup being read
  uint32_t m_bufferStart = 0;  // the letters the script data escape states compare with "script"
  bool m_attributeOpen = false;
  std::string m_foldedName, m_foldedOther;
  std::unordered_set<std::string> m_seenNames;  // the names of a tag with many attributes

  // The parts of the DOCTYPE being read, decoded when it is handed out.
  std::optional<SourceRange> m_doctypeName, m_publicId, m_systemId;

  bool m_atEnd = false;
  bool m_endGiven = false;
};

Tokenizer::Impl::Impl(std::string_view source, uint32_t start)
    // Offsets are 32 bits wide; a longer source is read up to that limit.
    : m_source(source.substr(0, std::min<size_t>(source.size(), std::numeric_limits<uint32_t>::max()))),
      m_pos(std::min<uint32_t>(start, static_cast<uint32_t>(m_source.size()))) {}

bool Tokenizer::Impl::next(Token& token) {
  while (true) {
    if (!m_text.empty() && (m_textComplete || m_tokenReady || m_atEnd)) {
      giveText(token);
      return true;
    }
    if (m_tokenReady) {
      std::swap(token, m_token);  // the vectors and strings change hands instead of being copied
      m_tokenReady = false;
      return true;
    }
    if (m_atEnd) {
      if (m_endGiven) return false;
      m_endGiven = true;
      resetToken(token, TokenType::EndOfFile);
      token.range = {inputEnd(), inputEnd()};
      return true;
    }
    step();
  }
}

void Tokenizer::Impl::switchTo(State state) {
  switch (state) {
    case State::Data:
      m_state = InnerState::Data;
      m_textKind = TextKind::Data;
      break;
    case State::RcData:
      m_state = InnerState::RcData;
      m_textKind = TextKind::RcData;
      break;
    case State::RawText:
      m_state = InnerState::RawText;
      m_textKind = TextKind::RawText;
      break;
    case State::ScriptData:
      m_state = InnerState::ScriptData;
      m_textKind = TextKind::RawText;
      break;
    case State::Plaintext:
      m_state = InnerState::Plaintext;
      m_textKind = TextKind::RawText;
      break;
    case State::CDataSection:
      m_state = InnerState::CDataSection;
      m_textKind = TextKind::Data;  // the text after the section's end
      m_markupStart = m_pos;
      break;
  }
}

uint32_t Tokenizer::Impl::inputEnd() const {
  return static_cast<uint32_t>(m_source.size());
}

int Tokenizer::Impl::current() const {
  return m_pos < m_source.size() ? static_cast<unsigned char>(m_source[m_pos]) : kEndOfInput;
}

uint32_t Tokenizer::Impl::find(char c) const {
  if (m_pos >= inputEnd()) return inputEnd();
  const void* found = std::memchr(m_source.data() + m_pos, c, inputEnd() - m_pos);
  return found ? static_cast<uint32_t>(static_cast<const char*>(found) - m_source.data()) : inputEnd();
}

void Tokenizer::Impl::moveTo(InnerState state, uint32_t consumed) {
  m_pos += consumed;
  m_state = state;
}

void Tokenizer::Impl::reconsumeIn(InnerState state) {
  m_state = state;
}

void Tokenizer::Impl::emitCurrentAndMoveTo(InnerState state) {
  addText(m_pos, m_pos + 1);
  moveTo(state);
}

void Tokenizer::Impl::textUpToLessThanSign(InnerState lessThanSignState) {
  const uint32_t lessThanSign = find('<');
  addText(m_pos, lessThanSign);
  m_pos = lessThanSign;
  if (m_pos == inputEnd()) return reachEnd();
  m_markupStart = m_pos;
  m_returnState = m_state;
  moveTo(lessThanSignState);
}

// A "<" in escaped script data: it may open the element's end tag, or a "<script" that escapes twice.
void Tokenizer::Impl::escapedLessThanSign() {
  m_markupStart = m_pos;
  moveTo(InnerState::ScriptDataEscapedLessThanSign);
}

void Tokenizer::Impl::addText(uint32_t begin, uint32_t end) {
  if (begin == end) return;
  if (m_text.empty()) {
    m_text = {begin, end};
    m_textRunKind = m_textKind;
    return;
  }
  // Markup that makes no token ends the run, and the kind only changes after a token, so pieces touch.
  assert(m_text.end == begin && m_textRunKind == m_textKind);
  m_text.end = end;
}

void Tokenizer::Impl::endTextRun() {
  if (!m_text.empty()) m_textComplete = true;
}

void Tokenizer::Impl::giveText(Token& token) {
  resetToken(token, TokenType::Character);
  token.range = m_text;
  token.data = m_text;
  token.textKind = m_textRunKind;
  m_text = {};
  m_textComplete = false;
}

void Tokenizer::Impl::reachEnd() {
  m_pos = inputEnd();
  m_atEnd = true;
}

void Tokenizer::Impl::beginTag(TokenType type) {
  resetToken(m_token, type);
  m_attributeOpen = false;
  if (!m_seenNames.empty())
    m_seenNames = {};  // frees the buckets, so that clearing stays cheap for the next tag
}

void Tokenizer::Impl::beginAttribute() {
  finishAttribute();
  const SourceRange here{m_pos, m_pos};
  m_token.attributes.push_back(Attribute{here, here, here, 0});
  m_attributeOpen = true;
}

void Tokenizer::Impl::finishAttribute() {
  if (!m_attributeOpen) return;
  m_attributeOpen = false;
  if (isDuplicateOfEarlierAttribute()) m_token.attributes.pop_back();
}

bool Tokenizer::Impl::isDuplicateOfEarlierAttribute() {
  const std::vector<Attribute>& attributes = m_token.attributes;
  auto fold = [this](const Attribute& attribute, std::string& out) {
    out.clear();
    appendFoldedName(out, attribute.name.in(m_source));
  };
  fold(attributes.back(), m_foldedName);
  const size_t earlier = attributes.size() - 1;
  if (attributes.size() <= kAttributeScanLimit) {
    for (size_t i = 0; i < earlier; ++i) {
      fold(attributes[i], m_foldedOther);
      if (m_foldedOther == m_foldedName) return true;
    }
    return false;
  }
  if (m_seenNames.empty()) {
    for (size_t i = 0; i < earlier; ++i) {
      fold(attributes[i], m_foldedOther);
      m_seenNames.insert(m_foldedOther);
    }
  }
  return !m_seenNames.insert(m_foldedName).second;
}

void Tokenizer::Impl::setAttributeValueEnd(uint32_t end, uint32_t wholeEnd) {
  Attribute& attribute = m_token.attributes.back();
  attribute.value.end = end;
  attribute.whole.end = wholeEnd;
}

void Tokenizer::Impl::emitTag() {
  finishAttribute();
  m_token.range = {m_markupStart, m_pos};
  if (m_token.type == TokenType::StartTag) m_lastStartTag = m_token.name;
  m_textKind = TextKind::Data;  // a tag always leaves the tokenizer in the data state
  m_tokenReady = true;
}

bool Tokenizer::Impl::isAppropriateEndTag() const {
  return m_token.name == m_lastStartTag;
}

bool Tokenizer::Impl::bufferIsScript() const {
  return equalsIgnoringAsciiCase(m_source.substr(m_bufferStart, m_pos - m_bufferStart), "script");
}

void Tokenizer::Impl::beginComment(uint32_t dataBegin) {
  resetToken(m_token, TokenType::Comment);
  m_token.data = {dataBegin, dataBegin};
}

void Tokenizer::Impl::emitComment(uint32_t dataEnd) {
  m_token.data.end = dataEnd;
  m_token.range = {m_markupStart, m_pos};
  m_tokenReady = true;
}

void Tokenizer::Impl::readCDataSection() {
  const size_t close = m_source.find("]]>", m_pos);
  const uint32_t dataEnd = close == std::string_view::npos ? inputEnd() : static_cast<uint32_t>(close);
  const SourceRange data{m_pos, dataEnd};
  m_pos = close == std::string_view::npos ? inputEnd() : dataEnd + 3;
  if (data.empty()) {
    endTextRun();  // an empty section makes no token, but the text around it stays apart
  } else {
    resetToken(m_token, TokenType::Character);
    m_token.data = data;
    m_token.range = {m_markupStart, m_pos};
    m_token.textKind = TextKind::CData;
    m_tokenReady = true;
  }
  if (close == std::string_view::npos) return reachEnd();
  m_state = InnerState::Data;
}

void Tokenizer::Impl::beginDoctype() {
  resetToken(m_token, TokenType::Doctype);
  m_doctypeName.reset();
  m_publicId.reset();
  m_systemId.reset();
}

void Tokenizer::Impl::emitDoctype() {
  if (m_doctypeName) appendFoldedName(m_token.doctypeName.emplace(), m_doctypeName->in(m_source));
  // The identifiers follow the rules of comment text: no references, NUL as U+FFFD, CR LF as LF.
  if (m_publicId) m_token.publicId = decodeText(m_publicId->in(m_source), TextKind::Comment);
  if (m_systemId) m_token.systemId = decodeText(m_systemId->in(m_source), TextKind::Comment);
  m_token.range = {m_markupStart, m_pos};
  m_tokenReady = true;
}

void Tokenizer::Impl::emitDoctypeAtEnd() {
  m_token.forceQuirks = true;
  emitDoctype();
  reachEnd();
}

void Tokenizer::Impl::beginIdentifier(std::optional<SourceRange>& identifier, InnerState quotedState) {
  moveTo(quotedState);
  identifier = SourceRange{m_pos, m_pos};
}

void Tokenizer::Impl::beforeIdentifier(std::optional<SourceRange>& identifier, InnerState afterWhitespace,
                                       InnerState doubleQuoted, InnerState singleQuoted) {
  const int c = current();
  if (isWhitespace(c)) return moveTo(afterWhitespace);
  if (c == '"') return beginIdentifier(identifier, doubleQuoted);
  if (c == '\'') return beginIdentifier(identifier, singleQuoted);
  if (c == kEndOfInput) return emitDoctypeAtEnd();
  m_token.forceQuirks = true;
  if (c == '>') {
    moveTo(InnerState::Data);
    return emitDoctype();
  }
  reconsumeIn(InnerState::BogusDoctype);
}

void Tokenizer::Impl::inQuotedIdentifier(std::optional<SourceRange>& identifier, char quote,
                                         InnerState afterIdentifier) {
  m_pos = scanFrom(m_source, m_pos, [quote](int c) { return c == quote || c == '>'; });
  identifier->end = m_pos;
  const int c = current();
  if (c == quote) return moveTo(afterIdentifier);
  if (c == kEndOfInput) return emitDoctypeAtEnd();
  m_token.forceQuirks = true;  // a ">" inside the quotes ends the DOCTYPE early
  moveTo(InnerState::Data);
  emitDoctype();
}

void Tokenizer::Impl::afterPublicIdentifier(InnerState afterWhitespace) {
  const int c = current();
  if (isWhitespace(c)) return moveTo(afterWhitespace);
  if (c == '>') {
    moveTo(InnerState::Data);
    return emitDoctype();
  }
  if (c == '"') return beginIdentifier(m_systemId, InnerState::DoctypeSystemIdentifierDoubleQuoted);
  if (c == '\'') return beginIdentifier(m_systemId, InnerState::DoctypeSystemIdentifierSingleQuoted);
  if (c == kEndOfInput) return emitDoctypeAtEnd();
  m_token.forceQuirks = true;
  reconsumeIn(InnerState::BogusDoctype);
}

void Tokenizer::Impl::step() {
  const int c = current();
  switch (m_state) {
    case InnerState::Data:
      return textUpToLessThanSign(InnerState::TagOpen);
    case InnerState::RcData:
    case InnerState::RawText:
      return textUpToLessThanSign(InnerState::TextLessThanSign);
    case InnerState::ScriptData:
      return textUpToLessThanSign(InnerState::ScriptDataLessThanSign);
    case InnerState::Plaintext:
      addText(m_pos, inputEnd());
      return reachEnd();

    case InnerState::TagOpen:
      if (c == '!') return moveTo(InnerState::MarkupDeclarationOpen);
      if (c == '/') return moveTo(InnerState::EndTagOpen);
      if (isAsciiAlpha(c)) {
        beginTag(TokenType::StartTag);
        return reconsumeIn(InnerState::TagName);
      }
      if (c == '?') {
        beginComment(m_pos);
        return reconsumeIn(InnerState::BogusComment);
      }
      addText(m_markupStart, m_pos);  // a "<" that opens nothing is text
      if (c == kEndOfInput) return reachEnd();
      return reconsumeIn(InnerState::Data);

    case InnerState::EndTagOpen:
      if (isAsciiAlpha(c)) {
        beginTag(TokenType::EndTag);
        return reconsumeIn(InnerState::TagName);
      }
      if (c == '>') {
        endTextRun();  // "</>" is dropped; the text before it is not joined with the text after it
        return moveTo(InnerState::Data);
      }
      if (c == kEndOfInput) {
        addText(m_markupStart, m_pos);
        return reachEnd();
      }
      beginComment(m_pos);
      return reconsumeIn(InnerState::BogusComment);

    case InnerState::TagName: {
      const uint32_t end =
          scanFrom(m_source, m_pos, [](int b) { return isWhitespace(b) || b == '/' || b == '>'; });
      appendFoldedName(m_token.name, m_source.substr(m_pos, end - m_pos));
      m_pos = end;
      const int stop = current();
      if (isWhitespace(stop)) return moveTo(InnerState::BeforeAttributeName);
      if (stop == '/') return moveTo(InnerState::SelfClosingStartTag);
      if (stop == '>') {
        moveTo(InnerState::Data);
        return emitTag();
      }
      return reachEnd();  // a tag cut off by the end of input is dropped
    }

    case InnerState::TextLessThanSign:
      if (c == '/') return moveTo(InnerState::TextEndTagOpen);
      addText(m_markupStart, m_pos);
      return reconsumeIn(m_returnState);

    case InnerState::TextEndTagOpen:
      if (isAsciiAlpha(c)) {
        beginTag(TokenType::EndTag);
        return reconsumeIn(InnerState::TextEndTagName);
      }
      addText(m_markupStart, m_pos);
      return reconsumeIn(m_returnState);

    case InnerState::TextEndTagName:
      if (isAsciiAlpha(c)) {
        m_token.name += asciiLower(static_cast<char>(c));
        return moveTo(InnerState::TextEndTagName);
      }
      if (isAppropriateEndTag()) {
        if (isWhitespace(c)) return moveTo(InnerState::BeforeAttributeName);
        if (c == '/') return moveTo(InnerState::SelfClosingStartTag);
        if (c == '>') {
          moveTo(InnerState::Data);
          return emitTag();
        }
      }
      addText(m_markupStart, m_pos);  // not the end of this element: "</name" is text
      return reconsumeIn(m_returnState);

    case InnerState::ScriptDataLessThanSign:
      if (c == '/') return moveTo(InnerState::TextEndTagOpen);
      if (c == '!') {
        addText(m_markupStart, m_pos);
        return emitCurrentAndMoveTo(InnerState::ScriptDataEscapeStart);
      }
      addText(m_markupStart, m_pos);
      return reconsumeIn(InnerState::ScriptData);

    case InnerState::ScriptDataEscapeStart:
      if (c == '-') return emitCurrentAndMoveTo(InnerState::ScriptDataEscapeStartDash);
      return reconsumeIn(InnerState::ScriptData);

    case InnerState::ScriptDataEscapeStartDash:
      if (c == '-') return emitCurrentAndMoveTo(InnerState::ScriptDataEscapedDashDash);
      return reconsumeIn(InnerState::ScriptData);

    case InnerState::ScriptDataEscaped: {
      const uint32_t end = scanFrom(m_source, m_pos, [](int b) { return b == '-' || b == '<'; });
      addText(m_pos, end);
      m_pos = end;
      const int stop = current();
      if (stop == '-') return emitCurrentAndMoveTo(InnerState::ScriptDataEscapedDash);
      if (stop == '<') return escapedLessThanSign();
      return reachEnd();
    }

    case InnerState::ScriptDataEscapedDash:
      if (c == '-') return emitCurrentAndMoveTo(InnerState::ScriptDataEscapedDashDash);
      if (c == '<') return escapedLessThanSign();
      if (c == kEndOfInput) return reachEnd();
      return emitCurrentAndMoveTo(InnerState::ScriptDataEscaped);

    case InnerState::ScriptDataEscapedDashDash:
      if (c == '-') return emitCurrentAndMoveTo(InnerState::ScriptDataEscapedDashDash);
      if (c == '<') return escapedLessThanSign();
      if (c == '>') return emitCurrentAndMoveTo(InnerState::ScriptData);
      if (c == kEndOfInput) return reachEnd();
      return emitCurrentAndMoveTo(InnerState::ScriptDataEscaped);

    case InnerState::ScriptDataEscapedLessThanSign:
      if (c == '/') {
        m_returnState = InnerState::ScriptDataEscaped;
        return moveTo(InnerState::TextEndTagOpen);
      }
      addText(m_markupStart, m_pos);
      if (isAsciiAlpha(c)) {
        m_bufferStart = m_pos;
        return reconsumeIn(InnerState::ScriptDataDoubleEscapeStart);
      }
      return reconsumeIn(InnerState::ScriptDataEscaped);

    case InnerState::ScriptDataDoubleEscapeStart:
      if (isWhitespace(c) || c == '/' || c == '>')
        return emitCurrentAndMoveTo(bufferIsScript() ? InnerState::ScriptDataDoubleEscaped
                                                     : InnerState::ScriptDataEscaped);
      if (isAsciiAlpha(c)) return emitCurrentAndMoveTo(InnerState::ScriptDataDoubleEscapeStart);
      return reconsumeIn(InnerState::ScriptDataEscaped);

    case InnerState::ScriptDataDoubleEscaped: {
      const uint32_t end = scanFrom(m_source, m_pos, [](int b) { return b == '-' || b == '<'; });
      addText(m_pos, end);
      m_pos = end;
      const int stop = current();
      if (stop == '-') return emitCurrentAndMoveTo(InnerState::ScriptDataDoubleEscapedDash);
      if (stop == '<') return emitCurrentAndMoveTo(InnerState::ScriptDataDoubleEscapedLessThanSign);
      return reachEnd();
    }

    case InnerState::ScriptDataDoubleEscapedDash:
      if (c == '-') return emitCurrentAndMoveTo(InnerState::ScriptDataDoubleEscapedDashDash);
      if (c == '<') return emitCurrentAndMoveTo(InnerState::ScriptDataDoubleEscapedLessThanSign);
      if (c == kEndOfInput) return reachEnd();
      return emitCurrentAndMoveTo(InnerState::ScriptDataDoubleEscaped);

    case InnerState::ScriptDataDoubleEscapedDashDash:
      if (c == '-') return emitCurrentAndMoveTo(InnerState::ScriptDataDoubleEscapedDashDash);
      if (c == '<') return emitCurrentAndMoveTo(InnerState::ScriptDataDoubleEscapedLessThanSign);
      if (c == '>') return emitCurrentAndMoveTo(InnerState::ScriptData);
      if (c == kEndOfInput) return reachEnd();
      return emitCurrentAndMoveTo(InnerState::ScriptDataDoubleEscaped);

    case InnerState::ScriptDataDoubleEscapedLessThanSign:
      if (c == '/') {
        m_bufferStart = m_pos + 1;
        return emitCurrentAndMoveTo(InnerState::ScriptDataDoubleEscapeEnd);
      }
      return reconsumeIn(InnerState::ScriptDataDoubleEscaped);

    case InnerState::ScriptDataDoubleEscapeEnd:
      if (isWhitespace(c) || c == '/' || c == '>')
        return emitCurrentAndMoveTo(bufferIsScript() ? InnerState::ScriptDataEscaped
                                                     : InnerState::ScriptDataDoubleEscaped);
      if (isAsciiAlpha(c)) return emitCurrentAndMoveTo(InnerState::ScriptDataDoubleEscapeEnd);
      return reconsumeIn(InnerState::ScriptDataDoubleEscaped);

    case InnerState::BeforeAttributeName:
      if (isWhitespace(c)) return moveTo(InnerState::BeforeAttributeName);
      if (c == '/' || c == '>' || c == kEndOfInput) return reconsumeIn(InnerState::AfterAttributeName);
      beginAttribute();
      if (c == '=') return moveTo(InnerState::AttributeName);  // a leading "=" is part of the name
      return reconsumeIn(InnerState::AttributeName);

    case InnerState::AttributeName: {
      m_pos = scanFrom(m_source, m_pos,
                       [](int b) { return isWhitespace(b) || b == '/' || b == '>' || b == '='; });
      Attribute& attribute = m_token.attributes.back();
      attribute.name.end = m_pos;
      attribute.whole.end = m_pos;
      attribute.value = {m_pos, m_pos};
      if (current() == '=') {
        attribute.whole.end = m_pos + 1;
        return moveTo(InnerState::BeforeAttributeValue);
      }
      return reconsumeIn(InnerState::AfterAttributeName);
    }

    case InnerState::AfterAttributeName:
      if (isWhitespace(c)) return moveTo(InnerState::AfterAttributeName);
      if (c == '/') return moveTo(InnerState::SelfClosingStartTag);
      if (c == '=') {
        m_token.attributes.back().whole.end = m_pos + 1;
        return moveTo(InnerState::BeforeAttributeValue);
      }
      if (c == '>') {
        moveTo(InnerState::Data);
        return emitTag();
      }
      if (c == kEndOfInput) return reachEnd();
      beginAttribute();
      return reconsumeIn(InnerState::AttributeName);

    case InnerState::BeforeAttributeValue: {
      if (isWhitespace(c)) return moveTo(InnerState::BeforeAttributeValue);
      if (c == '>') {
        moveTo(InnerState::Data);
        return emitTag();
      }
      Attribute& attribute = m_token.attributes.back();
      if (c == '"' || c == '\'') {
        attribute.quote = static_cast<char>(c);
        attribute.value = {m_pos + 1, m_pos + 1};
        return moveTo(c == '"' ? InnerState::AttributeValueDoubleQuoted
                               : InnerState::AttributeValueSingleQuoted);
      }
      attribute.value = {m_pos, m_pos};
      return reconsumeIn(InnerState::AttributeValueUnquoted);
    }

    case InnerState::AttributeValueDoubleQuoted:
    case InnerState::AttributeValueSingleQuoted: {
      const uint32_t quote = find(m_state == InnerState::AttributeValueDoubleQuoted ? '"' : '\'');
      if (quote == inputEnd()) return reachEnd();
      setAttributeValueEnd(quote, quote + 1);
      m_pos = quote;
      return moveTo(InnerState::AfterAttributeValueQuoted);
    }

    case InnerState::AttributeValueUnquoted: {
      m_pos = scanFrom(m_source, m_pos, [](int b) { return isWhitespace(b) || b == '>'; });
      setAttributeValueEnd(m_pos, m_pos);
      const int stop = current();
      if (isWhitespace(stop)) return moveTo(InnerState::BeforeAttributeName);
      if (stop == '>') {
        moveTo(InnerState::Data);
        return emitTag();
      }
      return reachEnd();
    }

    case InnerState::AfterAttributeValueQuoted:
      if (isWhitespace(c)) return moveTo(InnerState::BeforeAttributeName);
      if (c == '/') return moveTo(InnerState::SelfClosingStartTag);
      if (c == '>') {
        moveTo(InnerState::Data);
        return emitTag();
      }
      if (c == kEndOfInput) return reachEnd();
      return reconsumeIn(InnerState::BeforeAttributeName);

    case InnerState::SelfClosingStartTag:
      if (c == '>') {
        m_token.selfClosing = true;
        moveTo(InnerState::Data);
        return emitTag();
      }
      if (c == kEndOfInput) return reachEnd();
      return reconsumeIn(InnerState::BeforeAttributeName);

    case InnerState::BogusComment: {
      const uint32_t end = find('>');
      m_pos = end;
      if (end == inputEnd()) {
        emitComment(end);
        return reachEnd();
      }
      moveTo(InnerState::Data);
      return emitComment(end);
    }

    case InnerState::MarkupDeclarationOpen: {
      const std::string_view rest = m_source.substr(m_pos);
      if (rest.starts_with("--")) {
        moveTo(InnerState::CommentStart, 2);
        return beginComment(m_pos);
      }
      if (rest.size() >= 7 && equalsIgnoringAsciiCase(rest.substr(0, 7), "doctype")) {
        moveTo(InnerState::Doctype, 7);
        return beginDoctype();
      }
      if (m_cdataAllowed && rest.starts_with("[CDATA[")) return moveTo(InnerState::CDataSection, 7);
      beginComment(m_pos);  // outside foreign content "[CDATA[" starts the text of a bogus comment
      return reconsumeIn(InnerState::BogusComment);
    }

    case InnerState::CommentStart:
      if (c == '-') return moveTo(InnerState::CommentStartDash);
      if (c == '>') {
        moveTo(InnerState::Data);
        return emitComment(m_token.data.begin);
      }
      return reconsumeIn(InnerState::Comment);

    case InnerState::CommentStartDash:
      if (c == '-') return moveTo(InnerState::CommentEnd);
      if (c == '>') {
        moveTo(InnerState::Data);
        return emitComment(m_token.data.begin);
      }
      if (c == kEndOfInput) {
        emitComment(m_token.data.begin);
        return reachEnd();
      }
      return reconsumeIn(InnerState::Comment);

    // In the states after Comment the dashes (and "!") just read are not yet part of the text;
    // the comment's text ends where they begin.
    case InnerState::Comment:
      m_pos = scanFrom(m_source, m_pos, [](int b) { return b == '<' || b == '-'; });
      if (current() == '<') return moveTo(InnerState::CommentLessThanSign);
      if (current() == '-') return moveTo(InnerState::CommentEndDash);
      emitComment(m_pos);
      return reachEnd();

    case InnerState::CommentLessThanSign:
      if (c == '!') return moveTo(InnerState::CommentLessThanSignBang);
      if (c == '<') return moveTo(InnerState::CommentLessThanSign);
      return reconsumeIn(InnerState::Comment);

    case InnerState::CommentLessThanSignBang:
      if (c == '-') return moveTo(InnerState::CommentLessThanSignBangDash);
      return reconsumeIn(InnerState::Comment);

    case InnerState::CommentLessThanSignBangDash:
      if (c == '-') return moveTo(InnerState::CommentLessThanSignBangDashDash);
      return reconsumeIn(InnerState::CommentEndDash);

    case InnerState::CommentLessThanSignBangDashDash:
      return reconsumeIn(InnerState::CommentEnd);  // "<!--" inside a comment is only a parse error

    case InnerState::CommentEndDash:
      if (c == '-') return moveTo(InnerState::CommentEnd);
      if (c == kEndOfInput) {
        emitComment(m_pos - 1);
        return reachEnd();
      }
      return reconsumeIn(InnerState::Comment);

    case InnerState::CommentEnd:
      if (c == '>') {
        moveTo(InnerState::Data);
        return emitComment(m_pos - 3);
      }
      if (c == '!') return moveTo(InnerState::CommentEndBang);
      if (c == '-') return moveTo(InnerState::CommentEnd);  // the first of three dashes joins the text
      if (c == kEndOfInput) {
        emitComment(m_pos - 2);
        return reachEnd();
      }
      return reconsumeIn(InnerState::Comment);

    case InnerState::CommentEndBang:
      if (c == '-') return moveTo(InnerState::CommentEndDash);
      if (c == '>') {
        moveTo(InnerState::Data);
        return emitComment(m_pos - 4);
      }
      if (c == kEndOfInput) {
        emitComment(m_pos - 3);
        return reachEnd();
      }
      return reconsumeIn(InnerState::Comment);

    case InnerState::Doctype:
      if (isWhitespace(c)) return moveTo(InnerState::BeforeDoctypeName);
      if (c == kEndOfInput) return emitDoctypeAtEnd();
      return reconsumeIn(InnerState::BeforeDoctypeName);

    case InnerState::BeforeDoctypeName:
      if (isWhitespace(c)) return moveTo(InnerState::BeforeDoctypeName);
      if (c == '>') {
        m_token.forceQuirks = true;
        moveTo(InnerState::Data);
        return emitDoctype();
      }
      if (c == kEndOfInput) return emitDoctypeAtEnd();
      m_doctypeName = SourceRange{m_pos, m_pos};
      return reconsumeIn(InnerState::DoctypeName);

    case InnerState::DoctypeName:
      m_pos = scanFrom(m_source, m_pos, [](int b) { return isWhitespace(b) || b == '>'; });
      m_doctypeName->end = m_pos;
      if (isWhitespace(current())) return moveTo(InnerState::AfterDoctypeName);
      if (current() == '>') {
        moveTo(InnerState::Data);
        return emitDoctype();
      }
      return emitDoctypeAtEnd();

    case InnerState::AfterDoctypeName: {
      if (isWhitespace(c)) return moveTo(InnerState::AfterDoctypeName);
      if (c == '>') {
        moveTo(InnerState::Data);
        return emitDoctype();
      }
      if (c == kEndOfInput) return emitDoctypeAtEnd();
      const std::string_view keyword = m_source.substr(m_pos, 6);
      if (equalsIgnoringAsciiCase(keyword, "public")) return moveTo(InnerState::AfterDoctypePublicKeyword, 6);
      if (equalsIgnoringAsciiCase(keyword, "system")) return moveTo(InnerState::AfterDoctypeSystemKeyword, 6);
      m_token.forceQuirks = true;
      return reconsumeIn(InnerState::BogusDoctype);
    }

    // After the keyword and before the identifier only differ in the parse errors they report.
    case InnerState::AfterDoctypePublicKeyword:
    case InnerState::BeforeDoctypePublicIdentifier:
      return beforeIdentifier(m_publicId, InnerState::BeforeDoctypePublicIdentifier,
                              InnerState::DoctypePublicIdentifierDoubleQuoted,
                              InnerState::DoctypePublicIdentifierSingleQuoted);

    case InnerState::DoctypePublicIdentifierDoubleQuoted:
      return inQuotedIdentifier(m_publicId, '"', InnerState::AfterDoctypePublicIdentifier);
    case InnerState::DoctypePublicIdentifierSingleQuoted:
      return inQuotedIdentifier(m_publicId, '\'', InnerState::AfterDoctypePublicIdentifier);

    case InnerState::AfterDoctypePublicIdentifier:
    case InnerState::BetweenDoctypePublicAndSystemIdentifiers:
      return afterPublicIdentifier(InnerState::BetweenDoctypePublicAndSystemIdentifiers);

    case InnerState::AfterDoctypeSystemKeyword:
    case InnerState::BeforeDoctypeSystemIdentifier:
      return beforeIdentifier(m_systemId, InnerState::BeforeDoctypeSystemIdentifier,
                              InnerState::DoctypeSystemIdentifierDoubleQuoted,
                              InnerState::DoctypeSystemIdentifierSingleQuoted);

    case InnerState::DoctypeSystemIdentifierDoubleQuoted:
      return inQuotedIdentifier(m_systemId, '"', InnerState::AfterDoctypeSystemIdentifier);
    case InnerState::DoctypeSystemIdentifierSingleQuoted:
      return inQuotedIdentifier(m_systemId, '\'', InnerState::AfterDoctypeSystemIdentifier);

    case InnerState::AfterDoctypeSystemIdentifier:
      if (isWhitespace(c)) return moveTo(InnerState::AfterDoctypeSystemIdentifier);
      if (c == '>') {
        moveTo(InnerState::Data);
        return emitDoctype();
      }
      if (c == kEndOfInput) return emitDoctypeAtEnd();
      return reconsumeIn(InnerState::BogusDoctype);  // without force-quirks: the identifiers were complete

    case InnerState::BogusDoctype:
      m_pos = find('>');
      if (m_pos == inputEnd()) {
        emitDoctype();
        return reachEnd();
      }
      moveTo(InnerState::Data);
      return emitDoctype();

    case InnerState::CDataSection:
      return readCDataSection();
  }
}

Tokenizer::Tokenizer(std::string_view source, uint32_t start)
    : m_impl(std::make_unique<Impl>(source, start)) {}

Tokenizer::~Tokenizer() = default;

bool Tokenizer::next(Token& token) {
  return m_impl->next(token);
}

void Tokenizer::switchTo(State state) {
  m_impl->switchTo(state);
}

void Tokenizer::setLastStartTag(std::string_view lowerCaseName) {
  m_impl->m_lastStartTag = lowerCaseName;
}

void Tokenizer::setCDataAllowed(bool allowed) {
  m_impl->m_cdataAllowed = allowed;
}

}  // namespace tolvane::html
