#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/text_block.h"

namespace tolvane {

// Writes newText at the block's place in its browser's live document: as adjacent text, the title,
// META content, an alt text, an input value, or one quoted string of script code or an event
// attribute. The white space that the scan trimmed from the old text stays around the new one,
// "&nbsp" becomes a no-break space again, and apostrophes of a new script string are written as
// \u0027. Running text and image captions are selected afterwards. Returns true when the block is
// a script string whose element was found; false otherwise (nothing is written for a block whose
// element no longer exists).
bool DefineText(const TTag& block, std::string_view newText);

// One text to write into one block.
struct BlockWrite {
  const TTag* block;
  std::string text;
};

// Writes many blocks as DefineText does one after the other, but the strings of one script element
// in a single pass over its code, so that a large script with many strings costs its size once,
// not once per string. Returns true when any block was a script string whose element was found.
bool DefineTexts(const std::vector<BlockWrite>& writes);

// text with the contents of its k-th quoted string (between apostrophes 2k-1 and 2k) replaced by
// newString; nullopt when k < 1 or the string is not there.
std::optional<std::string> ReplaceQuoted(std::string_view text, std::string_view newString, int32_t k);

// The contents of the k-th quoted string of text; nullopt when it is not there.
std::optional<std::string_view> QuotedString(std::string_view text, int32_t k);

}  // namespace tolvane
