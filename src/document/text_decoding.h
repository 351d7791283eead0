#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tolvane::html {

class Codec;

// How a raw run of source text becomes text, following the tokenizer state it was read in.
enum class TextKind : uint8_t {
  Data,            // character references decoded; NUL kept as U+0000
  RcData,          // character references decoded; NUL becomes U+FFFD
  RawText,         // RAWTEXT, script data, PLAINTEXT: no references; NUL becomes U+FFFD
  CData,           // CDATA section content: taken as it is
  AttributeValue,  // attribute rules for references; NUL becomes U+FFFD
  Comment,         // comment text: no references; NUL becomes U+FFFD
};

// Decodes raw source bytes of the given kind into UTF-8: the bytes are converted from the page's
// encoding by codec (nullptr: the bytes are already UTF-8 and are copied as they are), CR LF and
// lone CR become LF, and character references are resolved where the kind has them (named ones
// by the standard's table, numeric ones with the standard's replacements).
std::string decodeText(std::string_view raw, TextKind kind, const Codec* codec = nullptr);

// Appends code point cp to out as UTF-8 (surrogates are written as three bytes, as they are).
void appendUtf8(std::string& out, uint32_t cp);

}  // namespace tolvane::html
