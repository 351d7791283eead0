#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document/chunked_vector.h"
#include "document/element.h"
#include "document/encoding.h"
#include "document/node.h"
#include "document/text_range.h"
#include "document/tokenizer.h"

namespace tolvane::html {

// A loaded HTML page: a tolerant tree over the page's source that keeps every byte of it.
// Untouched markup is written back by copying the source, so a page that was not edited is
// saved byte for byte; edits re-serialise only the text node or attribute they changed.
class TreeBuilderRun;
class Serializer;

class Document {
 public:
  // Builds the document from a page's bytes. Any byte sequence loads, in linear time.
  static std::unique_ptr<Document> fromBytes(std::string bytes);

  // The elements and comments in document order (the platform's "all" collection).
  const std::vector<NodeId>& all() const { return m_all; }
  size_t length() const { return m_all.size(); }
  // Entry i of the collection; a null handle when i is out of range.
  Element item(size_t i);
  // The element whose uniqueID is id; a null handle when there is none.
  Element elementByUniqueID(std::string_view id);
  // The HTML root element (it always exists, implied when the source has none).
  Element documentElement() { return Element(this, m_html); }

  // The text of the first TITLE element, white space stripped and collapsed; empty when none.
  std::string title();
  // Sets the first TITLE element's text. Returns false when the page has no TITLE.
  bool setTitle(std::string_view text);

  // The selection the browser view shows.
  const Selection& selection() const { return m_selection; }
  void setSelection(const Selection& selection) { m_selection = selection; }
  void emptySelection() { m_selection = Selection{}; }
  // A text range at the current selection.
  TextRange createRange() { return TextRange(this, m_selection); }

  // The whole page in its own encoding: its source where untouched, edits written in.
  std::string markup() const;
  // The whole page as UTF-8 program text, without a byte order mark.
  std::string markupText() const;
  // An independent copy with the same tree, edits, unique ids and selection.
  std::unique_ptr<Document> clone() const;
  // The encoding the page was read in, e.g. "utf-8" or "windows-1252".
  const std::string& encoding() const { return m_encoding; }
  // True once any text or attribute was changed.
  bool edited() const { return m_edited; }

  // Low-level access for the element handles and the tree builder.
  const Node& node(NodeId id) const { return m_nodes[id]; }
  size_t nodeCount() const { return m_nodes.size(); }
  const std::string& lowerName(const Node& n) const { return m_names[n.name].lower; }
  const std::string& upperName(const Node& n) const { return m_names[n.name].upper; }
  // The node after id in document order within root's subtree, entering id's children when
  // enterChildren is set; kNoNode at the end of the subtree.
  NodeId nextInOrder(NodeId id, NodeId root, bool enterChildren = true) const;
  // The decoded text of a text node: its edit, or its source.
  std::string textOf(const Node& text) const;
  // What was tokenized (the page's bytes, or their UTF-8 form for UTF-16 pages) and its codec.
  std::string_view source() const { return m_source; }
  const Codec& sourceCodec() const { return *m_sourceCodec; }

 private:
  friend class Element;
  friend class TextRange;
  friend class TreeBuilderRun;
  friend class Serializer;

  struct TagName {
    std::string lower, upper;
  };
  struct AttributeEdit {
    std::string name;  // for added attributes; empty for a changed one
    std::string value;
  };

  Document() = default;
  uint32_t internName(std::string_view lowerName);
  NodeId appendNode(Node node);

  std::string sourceTextOf(const Node& text) const;
  // Sets the text of a text node.
  void setText(NodeId text, std::string_view value);
  // Inserts a new text node holding value as child of parent, before next (kNoNode: at the end),
  // at the source offset where.
  NodeId insertText(NodeId parent, NodeId next, uint32_t where, std::string_view value);

  std::string m_bytes;        // the page as read
  std::string m_transcoded;   // UTF-8 form of a page whose encoding is not ASCII-compatible
  std::string_view m_source;  // what was tokenized: m_bytes or m_transcoded
  std::string m_encoding;
  size_t m_bomLength = 0;
  std::unique_ptr<Codec> m_sourceCodec;  // decodes m_source
  std::unique_ptr<Codec> m_pageCodec;    // encodes a transcoded page back (null when not transcoded)

  ChunkedVector<Node> m_nodes;
  ChunkedVector<Attribute> m_attributes;
  std::vector<TagName> m_names;
  std::unordered_map<std::string, uint32_t> m_nameIndex;
  std::vector<NodeId> m_all;
  NodeId m_html = kNoNode;

  std::vector<std::string> m_textEdits;                        // indexed by Node::edit
  std::unordered_map<uint32_t, std::string> m_attributeEdits;  // attribute index → new value
  std::unordered_map<NodeId, std::vector<AttributeEdit>> m_addedAttributes;
  bool m_edited = false;
  Selection m_selection;
};

}  // namespace tolvane::html
