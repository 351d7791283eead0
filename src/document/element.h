#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/element_kind.h"
#include "document/node.h"

namespace tolvane::html {

class Document;

// Where an adjacent text stands: the text node that is the element's first child, or the one
// that is its next sibling.
enum class Adjacent { AfterBegin, AfterEnd };

// A handle to an element or comment of a Document (a comment is an element named "!").
// Cheap to copy; valid as long as its document lives. A null handle answers every query with an
// empty value and ignores every change.
class Element {
 public:
  Element() = default;
  Element(Document* document, NodeId node) : m_document(document), m_node(node) {}

  explicit operator bool() const { return m_document && m_node != kNoNode; }
  NodeId node() const { return m_node; }
  Document* document() const { return m_document; }

  // Unique within the loaded document and the same every time, e.g. "tv_id17".
  std::string uniqueID() const;
  // The tag name in upper case ("P", "IMG"); "!" for a comment.
  std::string tagName() const;
  ElementKind kind() const;
  bool isComment() const;

  // The decoded text of the adjacent text node; empty when there is none.
  std::string adjacentText(Adjacent where) const;
  // Replaces the adjacent text node's text, inserting a text node where there is none. Returns
  // false (and changes nothing) where no text can stand: inside a void element or a comment.
  bool replaceAdjacentText(Adjacent where, std::string_view text);

  // The text of all descendant text nodes in document order, "\n" for each BR; script and style
  // code left out.
  std::string innerText() const;
  // The text of all descendant text nodes in document order, script code included.
  std::string textContent() const;
  // Replaces all the element's children by one text node (TITLE, SCRIPT, STYLE, TEXTAREA, ...).
  // Returns false for void elements and comments.
  bool setTextContent(std::string_view text);

  // The decoded value of the attribute, the name compared without regard to ASCII case;
  // nullopt when the element has no such attribute.
  std::optional<std::string> attribute(std::string_view name) const;
  // The element's attributes, in source order and then those added; names as written.
  size_t attributeCount() const;
  std::string attributeName(size_t index) const;
  // Sets the attribute, adding it at the end of the start tag when absent. Returns false for an
  // element without a start tag of its own (an implied HTML, HEAD or BODY) or a comment.
  bool setAttribute(std::string_view name, std::string_view value);

  // Kind-specific properties, as the platform's document model names them.
  std::string scriptCode() const { return textContent(); }
  bool setScriptCode(std::string_view code) { return setTextContent(code); }
  // An INPUT's type, as written (empty when absent; callers compare in upper case).
  std::string inputType() const { return attribute("type").value_or(""); }
  std::string value() const { return attribute("value").value_or(""); }
  bool setValue(std::string_view text) { return setAttribute("value", text); }
  std::string alt() const { return attribute("alt").value_or(""); }
  bool setAlt(std::string_view text) { return setAttribute("alt", text); }
  std::string content() const { return attribute("content").value_or(""); }  // META
  bool setContent(std::string_view text) { return setAttribute("content", text); }

  // The element's markup as UTF-8 text: its source where untouched, edits written in.
  std::string outerHTML() const;

  friend bool operator==(const Element& a, const Element& b) {
    return a.m_document == b.m_document && a.m_node == b.m_node;
  }

 private:
  const Node* get() const;

  Document* m_document = nullptr;
  NodeId m_node = kNoNode;
};

}  // namespace tolvane::html
