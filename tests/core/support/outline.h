#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "document/document.h"

namespace tolvane::testing {

// The document's tree in a compact notation: TAG(children) for elements, "text" for text nodes,
// ! for comments; the DOCTYPE is left out. Example: HTML(HEAD BODY(P("a" B("b")))).
std::string outline(const html::Document& document);

// Loads a page from a string.
std::unique_ptr<html::Document> load(std::string_view page);

}  // namespace tolvane::testing
