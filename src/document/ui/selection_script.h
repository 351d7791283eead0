#pragma once

#include <QString>

namespace tolvane::html {
class Document;
struct Selection;
}  // namespace tolvane::html

namespace tolvane::ui {

// The script (for the isolated world) that makes the web view's DOM selection match our
// document's selection, scrolls it into view and returns the selected range's text.
//
// The browser builds its own tree from the markup, which may differ from ours (implied elements,
// foster-parented text), so nodes are addressed by what both trees share: a text node by its whole
// text and its ordinal among the text nodes with that same text, an element by its tag name and
// its ordinal among the elements of that name. Offsets are converted to UTF-16 units. If the text
// node is not found as such (the browser joined or trimmed it), the first text node that contains
// the selected text is taken.
QString selectionScript(const html::Document& document, const html::Selection& selection);

// The script that returns the text of the view's current DOM selection range ("" when none).
QString selectedTextScript();

}  // namespace tolvane::ui
