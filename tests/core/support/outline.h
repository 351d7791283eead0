#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "document/document.h"
#include "settings/settings.h"

namespace tolvane::testing {

// The document's tree in a compact notation: TAG(children) for elements, "text" for text nodes,
// ! for comments; the DOCTYPE is left out. Example: HTML(HEAD BODY(P("a" B("b")))).
std::string outline(const html::Document& document);

// What a page says, element by element: tag, attributes and adjacent texts, decoded (CR dropped),
// for comparing pages that must read the same whatever their markup.
std::string contentOf(html::Document& document);

// Settings with every view flag on.
settings::TGlobalVars allViews(bool filter = false);

// Loads a page from a string.
std::unique_ptr<html::Document> load(std::string_view page);

}  // namespace tolvane::testing
