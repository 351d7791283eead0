#pragma once

#include <cstdint>
#include <limits>

#include "document/source_range.h"
#include "document/text_decoding.h"

namespace tolvane::html {

using NodeId = uint32_t;
inline constexpr NodeId kNoNode = std::numeric_limits<NodeId>::max();

enum class NodeType : uint8_t { Document, Doctype, Element, Comment, Text };

// One node of the document tree, stored in the document's node array. Nodes keep the byte ranges
// of their source so that untouched markup is written back by copying it.
struct Node {
  NodeType type = NodeType::Element;
  TextKind textKind = TextKind::Data;  // Text: how its source decodes
  bool foreign = false;                // Element: SVG or MathML content
  bool attributesEdited = false;       // Element: an attribute was changed or added
  uint32_t name = 0;                   // Element: index into the document's tag name table
  NodeId parent = kNoNode;
  NodeId firstChild = kNoNode;
  NodeId lastChild = kNoNode;
  NodeId previousSibling = kNoNode;
  NodeId nextSibling = kNoNode;
  SourceRange outer;     // the whole node (a text node's text); empty at its place for implied elements and
                         // inserted text
  SourceRange startTag;  // Element: its start tag, empty when implied; Comment, Doctype: the whole token
  SourceRange endTag;    // Element: its explicit end tag, empty when there is none
  uint32_t firstAttribute = 0;  // Element: index of its first attribute in the document's attribute array
  uint32_t attributeCount = 0;
  int32_t edit = -1;      // Text: index of the text that replaced the source, -1 while untouched
  uint32_t allIndex = 0;  // Element, Comment: position in the document's element collection
};

}  // namespace tolvane::html
