#include "document/text_block.h"

#include "document/ascii.h"

namespace tolvane {
namespace {

// The text containers, in the order of the table they come from (CENTER, DIV and TD stand twice there).
constexpr std::string_view kTextContainers[] = {
    "BODY", "CENTER", "FONT",   "A",   "TD",    "B",  "U",          "I",         "P",      "LI",
    "SPAN", "PRE",    "CENTER", "DIV", "EM",    "FN", "INS",        "PLAINTEXT", "STRIKE", "STRONG",
    "SUB",  "SUP",    "TH",     "TR",  "THEAD", "TT", "WBR",        "DIV",       "SMALL",  "H1",
    "H2",   "H3",     "H4",     "H5",  "H6",    "OL", "BLOCKQUOTE", "TD",        "FORM",   "OPTION"};

}  // namespace

bool IsTextTag(std::string_view tagName) {
  std::string upper = asciiUpperCopy(tagName);
  for (std::string_view entry : kTextContainers)
    if (entry == upper) return true;
  return false;
}

}  // namespace tolvane
