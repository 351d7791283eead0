#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/source_range.h"
#include "document/text_decoding.h"

namespace tolvane::html {

// One attribute of a tag, as byte ranges in the source.
struct Attribute {
  SourceRange
      whole;         // from the first byte of the name to the last byte of the value (closing quote included)
  SourceRange name;  // the name as written (original case)
  SourceRange value;  // the raw value without its quotes; empty, at name.end, when there is no value
  char quote = 0;     // '"' or '\'' when quoted, 0 when unquoted or without value
};

enum class TokenType { Doctype, StartTag, EndTag, Comment, Character, EndOfFile };

// A token of the HTML standard's tokenizer. Everything keeps its byte range; values that the
// markup does not need right away (character data, attribute values, comment text) stay raw
// and are decoded on demand with decodeText().
struct Token {
  TokenType type = TokenType::EndOfFile;
  SourceRange range;  // the whole token in the source

  // StartTag / EndTag
  std::string name;                   // ASCII-lower-cased; NUL becomes U+FFFD
  std::vector<Attribute> attributes;  // in source order; later duplicates (same lower-cased name) dropped
  bool selfClosing = false;

  // Comment (its text) and Character (the text; one token per contiguous run of one kind)
  SourceRange data;
  TextKind textKind = TextKind::Data;  // Character only: how the run is decoded

  // Doctype, decoded (lower-cased name; NUL becomes U+FFFD)
  std::optional<std::string> doctypeName, publicId, systemId;
  bool forceQuirks = false;
};

// The tokenization stage of the HTML standard over a byte buffer in an ASCII-compatible
// encoding (UTF-8 for the public test suites). Pull API: next() gives one token at a time;
// the consumer (the tree builder) switches the content state after a start tag, before it
// asks for the next token. Any input is accepted; the work is linear in its size.
class Tokenizer {
 public:
  enum class State { Data, RcData, RawText, ScriptData, Plaintext, CDataSection };

  // Tokenizes source from byte offset start (past a byte order mark, say).
  explicit Tokenizer(std::string_view source, uint32_t start = 0);

  // Fills token with the next token; returns false once the EndOfFile token was given.
  bool next(Token& token);

  // Switches the content state (after a start tag of TITLE, SCRIPT, ...).
  void switchTo(State state);
  // The tag name that an end tag must carry to leave RCDATA, RAWTEXT or script data.
  void setLastStartTag(std::string_view lowerCaseName);
  // Whether "<![CDATA[" opens a CDATA section (the current node is foreign content) or a bogus comment.
  void setCDataAllowed(bool allowed);

  ~Tokenizer();
  Tokenizer(const Tokenizer&) = delete;
  Tokenizer& operator=(const Tokenizer&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

}  // namespace tolvane::html
