#pragma once

#include <cstdint>

namespace tolvane::html {

class Document;

// Builds the node tree of a document from its tokens, in source order: implied end tags, void
// elements, implied HTML, HEAD and BODY elements (present in the tree, without source of their
// own), and misnested end tags closed without moving any text elsewhere. Linear in the input.
class TreeBuilder {
 public:
  static void build(Document& document, uint32_t start);
};

}  // namespace tolvane::html
