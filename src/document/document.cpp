#include "document/document.h"

#include <charconv>

#include "document/ascii.h"

#include "document/serializer.h"
#include "document/tree_builder.h"

namespace tolvane::html {
namespace {

constexpr std::string_view kUniqueIdPrefix = "tv_id";

bool isHtmlSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

// White space stripped at both ends and collapsed to one space inside, as a document's title reads.
std::string collapseSpace(std::string_view text) {
  std::string out;
  bool pendingSpace = false;
  for (char c : text) {
    if (isHtmlSpace(c)) {
      pendingSpace = !out.empty();
      continue;
    }
    if (pendingSpace) out += ' ';
    pendingSpace = false;
    out += c;
  }
  return out;
}

}  // namespace

std::unique_ptr<Document> Document::fromBytes(std::string bytes) {
  std::unique_ptr<Document> doc(new Document);
  doc->m_bytes = std::move(bytes);
  SniffResult sniffed = sniffEncoding(doc->m_bytes);
  doc->m_encoding = sniffed.encoding;
  doc->m_bomLength = sniffed.bomLength;
  std::unique_ptr<Codec> codec = Codec::open(doc->m_encoding);
  if (!codec) {
    // An encoding the system cannot convert: every byte still has a character in windows-1252, so
    // nothing is lost and the page is written back as it came.
    doc->m_encoding = "windows-1252";
    codec = Codec::open(doc->m_encoding);
  }
  uint32_t start = static_cast<uint32_t>(doc->m_bomLength);
  if (codec->asciiCompatible()) {
    doc->m_source = doc->m_bytes;
    doc->m_sourceCodec = std::move(codec);
  } else {
    codec->decode(std::string_view(doc->m_bytes).substr(doc->m_bomLength), doc->m_transcoded);
    doc->m_source = doc->m_transcoded;
    doc->m_pageCodec = std::move(codec);
    doc->m_sourceCodec = Codec::open("utf-8");
    start = 0;
  }
  TreeBuilder::build(*doc, start);
  return doc;
}

uint32_t Document::internName(std::string_view lowerName) {
  auto it = m_nameIndex.find(std::string(lowerName));
  if (it != m_nameIndex.end()) return it->second;
  TagName name{std::string(lowerName), asciiUpperCopy(lowerName)};
  m_names.push_back(std::move(name));
  uint32_t id = static_cast<uint32_t>(m_names.size() - 1);
  m_nameIndex.emplace(std::string(lowerName), id);
  return id;
}

NodeId Document::nextInOrder(NodeId id, NodeId root, bool enterChildren) const {
  if (enterChildren && m_nodes[id].firstChild != kNoNode) return m_nodes[id].firstChild;
  while (id != root && m_nodes[id].nextSibling == kNoNode) id = m_nodes[id].parent;
  return id == root ? kNoNode : m_nodes[id].nextSibling;
}

NodeId Document::appendNode(Node node) {
  m_nodes.push_back(node);
  return static_cast<NodeId>(m_nodes.size() - 1);
}

Element Document::item(size_t i) {
  return i < m_all.size() ? Element(this, m_all[i]) : Element();
}

Element Document::elementByUniqueID(std::string_view id) {
  if (!id.starts_with(kUniqueIdPrefix)) return {};
  std::string_view digits = id.substr(kUniqueIdPrefix.size());
  size_t number = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc() || end != digits.data() + digits.size() || digits.empty() || digits[0] == '0')
    return {};
  return item(number - 1);
}

std::string Document::title() {
  for (NodeId id : m_all) {
    const Node& n = m_nodes[id];
    if (n.type == NodeType::Element && !n.foreign && m_names[n.name].lower == "title")
      return collapseSpace(Element(this, id).textContent());
  }
  return {};
}

bool Document::setTitle(std::string_view text) {
  for (NodeId id : m_all) {
    const Node& n = m_nodes[id];
    if (n.type == NodeType::Element && !n.foreign && m_names[n.name].lower == "title")
      return Element(this, id).setTextContent(text);
  }
  return false;
}

std::string Document::markup() const {
  return Serializer::write(*this, 0, Serializer::Target::PageBytes);
}

std::string Document::markupText() const {
  return Serializer::write(*this, 0, Serializer::Target::Utf8Text);
}

std::unique_ptr<Document> Document::clone() const {
  std::unique_ptr<Document> copy(new Document);
  copy->m_bytes = m_bytes;
  copy->m_transcoded = m_transcoded;
  copy->m_source = m_pageCodec ? std::string_view(copy->m_transcoded) : std::string_view(copy->m_bytes);
  copy->m_encoding = m_encoding;
  copy->m_bomLength = m_bomLength;
  copy->m_sourceCodec = Codec::open(m_sourceCodec->name());
  if (m_pageCodec) copy->m_pageCodec = Codec::open(m_pageCodec->name());
  copy->m_nodes = m_nodes;
  copy->m_attributes = m_attributes;
  copy->m_names = m_names;
  copy->m_nameIndex = m_nameIndex;
  copy->m_all = m_all;
  copy->m_html = m_html;
  copy->m_textEdits = m_textEdits;
  copy->m_attributeEdits = m_attributeEdits;
  copy->m_addedAttributes = m_addedAttributes;
  copy->m_edited = m_edited;
  copy->m_selection = m_selection;
  return copy;
}

std::string Document::textOf(const Node& text) const {
  if (text.edit >= 0) return m_textEdits[static_cast<size_t>(text.edit)];
  return sourceTextOf(text);
}

std::string Document::sourceTextOf(const Node& text) const {
  std::string decoded = decodeText(text.outer.in(m_source), text.textKind, m_sourceCodec.get());
  if (text.textKind == TextKind::Data) std::erase(decoded, '\0');  // browsers drop NUL in running text
  return decoded;
}

void Document::setText(NodeId text, std::string_view value) {
  Node& n = m_nodes[text];
  m_edited = true;
  if (sourceTextOf(n) == value) {
    n.edit = -1;  // back to what the source says: its bytes are written again as they were
    return;
  }
  if (n.edit < 0) {
    n.edit = static_cast<int32_t>(m_textEdits.size());
    m_textEdits.emplace_back(value);
  } else {
    m_textEdits[static_cast<size_t>(n.edit)] = value;
  }
}

NodeId Document::insertText(NodeId parent, NodeId next, uint32_t where, std::string_view value) {
  Node n;
  n.type = NodeType::Text;
  const Node& p = m_nodes[parent];
  if (p.type == NodeType::Element && !p.foreign) {
    const std::string& name = m_names[p.name].lower;
    if (name == "script" || name == "style")
      n.textKind = TextKind::RawText;
    else if (name == "title" || name == "textarea")
      n.textKind = TextKind::RcData;
  }
  n.outer = SourceRange{where, where};
  n.parent = parent;
  n.nextSibling = next;
  n.previousSibling = next == kNoNode ? m_nodes[parent].lastChild : m_nodes[next].previousSibling;
  NodeId id = appendNode(n);
  Node& inserted = m_nodes[id];
  if (inserted.previousSibling != kNoNode)
    m_nodes[inserted.previousSibling].nextSibling = id;
  else
    m_nodes[parent].firstChild = id;
  if (next != kNoNode)
    m_nodes[next].previousSibling = id;
  else
    m_nodes[parent].lastChild = id;
  setText(id, value);
  return id;
}

}  // namespace tolvane::html
