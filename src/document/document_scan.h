#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/block_list.h"
#include "document/element.h"
#include "settings/settings.h"

namespace tolvane {

class BrowserView;

// Rebuilds list from the browser's current document under the view settings: walks every element
// once in document order and adds a block for each non-empty translatable text. With ItemsFilter
// on, equal texts share one row. Tells the list's listener about every row and, at the end,
// scanFinished. Returns false when an element of undefined kind was met, true otherwise (also when
// there is no document).
bool ScanDocument(BlockList& list, BrowserView& browser, const settings::TGlobalVars& settings);

// Normalises text (no-break spaces as "&nbsp", trimmed) and, when anything is left, files a block
// for it: in the first row with the same text when ItemsFilter is on, else in a new row.
void AddBlock(BlockList& list, BrowserView& browser, html::Element element, std::string_view text, bool inner,
              BlockClass blockClass, ScriptStringKind scriptKind, int32_t occurrence,
              std::string_view attrName, const settings::TGlobalVars& settings);

}  // namespace tolvane
