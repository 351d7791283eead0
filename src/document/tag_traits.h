#pragma once

#include <cstdint>
#include <string_view>

namespace tolvane::html {

// What the tree builder needs to know of an HTML tag name (lower case).
enum TagTrait : uint32_t {
  kVoid = 1u << 0,                 // never has children
  kSpecial = 1u << 1,              // stops the search of a stray end tag
  kClosesParagraph = 1u << 2,      // its start tag closes an open P
  kHeadContent = 1u << 3,          // belongs into HEAD before the body starts
  kFormatting = 1u << 4,           // closed by its end tag across other elements
  kHeading = 1u << 5,              // H1 ... H6
  kScopeBoundary = 1u << 6,        // ends the default scope
  kListScopeBoundary = 1u << 7,    // also ends the list item scope (OL, UL)
  kButtonScopeBoundary = 1u << 8,  // also ends the button scope
  kTableScopeBoundary = 1u << 9,   // ends the table scope
  kTableStructure = 1u << 10,      // TABLE, TBODY, THEAD, TFOOT, TR
  kBreaksOutOfForeign = 1u << 11,  // an HTML tag that ends SVG or MathML content
  kRcData = 1u << 12,              // its text is RCDATA
  kRawText = 1u << 13,             // its text is RAWTEXT
  kScriptData = 1u << 14,
  kPlaintext = 1u << 15,
  kIntegrationPoint = 1u << 16,  // inside SVG or MathML, holds HTML again
};

uint32_t tagTraits(std::string_view lowerName);

}  // namespace tolvane::html
