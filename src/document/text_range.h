#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "document/element.h"
#include "document/node.h"

namespace tolvane::html {

// A place in the page's text: a byte offset into the decoded UTF-8 text of a text node.
struct TextPoint {
  NodeId textNode = kNoNode;
  uint32_t offset = 0;
  friend bool operator==(const TextPoint&, const TextPoint&) = default;
};

// What the document has selected: nothing, a span of text, or one element as a whole (an image).
struct Selection {
  enum class Kind { None, Text, Element };
  Kind kind = Kind::None;
  TextPoint start, end;      // Kind::Text
  NodeId element = kNoNode;  // Kind::Element
  friend bool operator==(const Selection&, const Selection&) = default;
};

// A text range over the document, in the manner of the platform's text ranges: it is set to an
// element's text, searched, and made the document's selection. Text of script and style code is
// not part of any range.
class TextRange {
 public:
  TextRange() = default;
  TextRange(Document* document, const Selection& at) : m_document(document), m_span(at) {}

  // Sets the range to the element's text; an element without text (an image, an input) is taken
  // as a whole.
  void moveToElementText(Element element);
  // Sets the range to the adjacent text node's text without the white space at its ends (the text a
  // block shows). Returns false, leaving the range as it was, when there is no such text.
  bool moveToAdjacentText(Element element, Adjacent where);
  // Moves the range to the first occurrence of text that starts at or after the range's start and
  // ends within the range (exact, case-sensitive). Returns false, leaving the range as it was,
  // when there is none or text is empty.
  bool findText(std::string_view text);
  // Makes the range the document's selection.
  void select() const;
  // The text the range covers (empty for an element taken as a whole).
  std::string text() const;
  const Selection& span() const { return m_span; }

 private:
  Document* m_document = nullptr;
  Selection m_span;
};

}  // namespace tolvane::html
