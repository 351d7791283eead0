#include "document/tag_traits.h"

#include <string>
#include <unordered_map>

namespace tolvane::html {
namespace {

struct TraitEntry {
  std::string_view name;
  uint32_t traits;
};

constexpr uint32_t kBlock = kSpecial | kClosesParagraph | kBreaksOutOfForeign;

// Names not listed have no traits: they are ordinary containers.
constexpr TraitEntry kTraitTable[] = {
    {"a", kFormatting},
    {"address", kSpecial | kClosesParagraph},
    {"applet", kSpecial | kScopeBoundary},
    {"area", kVoid | kSpecial},
    {"article", kSpecial | kClosesParagraph},
    {"aside", kSpecial | kClosesParagraph},
    {"b", kFormatting | kBreaksOutOfForeign},
    {"base", kVoid | kSpecial | kHeadContent},
    {"basefont", kVoid | kSpecial | kHeadContent},
    {"bgsound", kVoid | kSpecial | kHeadContent},
    {"big", kFormatting | kBreaksOutOfForeign},
    {"blockquote", kBlock},
    {"body", kSpecial | kBreaksOutOfForeign},
    {"br", kVoid | kSpecial | kBreaksOutOfForeign},
    {"button", kSpecial | kButtonScopeBoundary},
    {"caption", kSpecial | kScopeBoundary},
    {"center", kBlock},
    {"code", kFormatting | kBreaksOutOfForeign},
    {"col", kVoid | kSpecial},
    {"colgroup", kSpecial},
    {"dd", kSpecial | kBreaksOutOfForeign},
    {"desc", kIntegrationPoint},
    {"details", kSpecial | kClosesParagraph},
    {"dialog", kClosesParagraph},
    {"dir", kSpecial | kClosesParagraph},
    {"div", kBlock},
    {"dl", kBlock},
    {"dt", kSpecial | kBreaksOutOfForeign},
    {"em", kFormatting | kBreaksOutOfForeign},
    {"embed", kVoid | kSpecial | kBreaksOutOfForeign},
    {"fieldset", kSpecial | kClosesParagraph},
    {"figcaption", kSpecial | kClosesParagraph},
    {"figure", kSpecial | kClosesParagraph},
    {"font", kFormatting},
    {"footer", kSpecial | kClosesParagraph},
    {"foreignobject", kIntegrationPoint},
    {"form", kSpecial | kClosesParagraph},
    {"frame", kVoid | kSpecial},
    {"frameset", kSpecial},
    {"h1", kBlock | kHeading},
    {"h2", kBlock | kHeading},
    {"h3", kBlock | kHeading},
    {"h4", kBlock | kHeading},
    {"h5", kBlock | kHeading},
    {"h6", kBlock | kHeading},
    {"head", kSpecial | kBreaksOutOfForeign},
    {"header", kSpecial | kClosesParagraph},
    {"hgroup", kSpecial | kClosesParagraph},
    {"hr", kVoid | kBlock},
    {"html", kSpecial | kScopeBoundary | kTableScopeBoundary},
    {"i", kFormatting | kBreaksOutOfForeign},
    {"iframe", kSpecial | kRawText},
    {"img", kVoid | kSpecial | kBreaksOutOfForeign},
    {"input", kVoid | kSpecial},
    {"keygen", kVoid | kSpecial},
    {"li", kSpecial | kBreaksOutOfForeign},
    {"link", kVoid | kSpecial | kHeadContent},
    {"listing", kBlock},
    {"main", kSpecial | kClosesParagraph},
    {"marquee", kSpecial | kScopeBoundary},
    {"menu", kBlock},
    {"meta", kVoid | kSpecial | kHeadContent | kBreaksOutOfForeign},
    {"mi", kIntegrationPoint},
    {"mn", kIntegrationPoint},
    {"mo", kIntegrationPoint},
    {"ms", kIntegrationPoint},
    {"mtext", kIntegrationPoint},
    {"nav", kSpecial | kClosesParagraph},
    {"nobr", kFormatting | kBreaksOutOfForeign},
    {"noembed", kSpecial | kRawText},
    {"noframes", kSpecial | kRawText | kHeadContent},
    {"noscript", kSpecial | kHeadContent},
    {"object", kSpecial | kScopeBoundary},
    {"ol", kBlock | kListScopeBoundary},
    {"p", kBlock},
    {"param", kVoid | kSpecial},
    {"plaintext", kSpecial | kClosesParagraph | kPlaintext},
    {"pre", kBlock},
    {"ruby", kBreaksOutOfForeign},
    {"s", kFormatting | kBreaksOutOfForeign},
    {"script", kSpecial | kHeadContent | kScriptData},
    {"search", kSpecial | kClosesParagraph},
    {"section", kSpecial | kClosesParagraph},
    {"select", kSpecial},
    {"small", kFormatting | kBreaksOutOfForeign},
    {"source", kVoid | kSpecial},
    {"span", kBreaksOutOfForeign},
    {"strike", kFormatting | kBreaksOutOfForeign},
    {"strong", kFormatting | kBreaksOutOfForeign},
    {"style", kSpecial | kHeadContent | kRawText},
    {"sub", kBreaksOutOfForeign},
    {"summary", kSpecial | kClosesParagraph},
    {"sup", kBreaksOutOfForeign},
    {"table", kSpecial | kClosesParagraph | kBreaksOutOfForeign | kScopeBoundary | kTableScopeBoundary |
                  kTableStructure},
    {"tbody", kSpecial | kTableStructure},
    {"td", kSpecial | kScopeBoundary},
    {"template", kSpecial | kHeadContent | kScopeBoundary | kTableScopeBoundary},
    {"textarea", kSpecial | kRcData},
    {"tfoot", kSpecial | kTableStructure},
    {"th", kSpecial | kScopeBoundary},
    {"thead", kSpecial | kTableStructure},
    {"title", kSpecial | kHeadContent | kRcData | kIntegrationPoint},
    {"tr", kSpecial | kTableStructure},
    {"track", kVoid | kSpecial},
    {"tt", kFormatting | kBreaksOutOfForeign},
    {"u", kFormatting | kBreaksOutOfForeign},
    {"ul", kBlock | kListScopeBoundary},
    {"var", kBreaksOutOfForeign},
    {"wbr", kVoid | kSpecial},
    {"xmp", kSpecial | kClosesParagraph | kRawText},
};

}  // namespace

uint32_t tagTraits(std::string_view lowerName) {
  static const std::unordered_map<std::string_view, uint32_t> table = [] {
    std::unordered_map<std::string_view, uint32_t> map;
    for (const TraitEntry& entry : kTraitTable) map.emplace(entry.name, entry.traits);
    return map;
  }();
  auto it = table.find(lowerName);
  return it == table.end() ? 0 : it->second;
}

}  // namespace tolvane::html
