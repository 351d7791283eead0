#include "document/text_range.h"

#include <vector>

#include "document/document.h"

namespace tolvane::html {
namespace {

// Code of scripts and style sheets is no text of the page.
bool isCodeElement(const Document& doc, NodeId id) {
  const Node& n = doc.node(id);
  if (n.type != NodeType::Element || n.foreign) return false;
  const std::string& name = doc.lowerName(n);
  return name == "script" || name == "style";
}

// The text nodes from first to last (both included) in document order, leaving out code.
template <typename Visit>
void forEachTextNode(const Document& doc, NodeId first, NodeId last, Visit visit) {
  for (NodeId id = first; id != kNoNode;) {
    if (doc.node(id).type == NodeType::Text) {
      visit(id);
      if (id == last) return;
    }
    id = doc.nextInOrder(id, 0, !isCodeElement(doc, id));
  }
}

}  // namespace

void TextRange::moveToElementText(Element element) {
  if (!element || element.document() != m_document) return;
  NodeId root = element.node();
  NodeId first = kNoNode, last = kNoNode;
  const Document& doc = *m_document;
  for (NodeId id = doc.node(root).firstChild; id != kNoNode;) {
    if (doc.node(id).type == NodeType::Text) {
      if (first == kNoNode) first = id;
      last = id;
    }
    id = doc.nextInOrder(id, root, !isCodeElement(doc, id));
  }
  m_span = Selection{};
  if (first == kNoNode) {
    m_span.kind = Selection::Kind::Element;
    m_span.element = root;
    return;
  }
  m_span.kind = Selection::Kind::Text;
  m_span.start = {first, 0};
  m_span.end = {last, static_cast<uint32_t>(doc.textOf(doc.node(last)).size())};
}

bool TextRange::moveToAdjacentText(Element element, Adjacent where) {
  if (!element || element.document() != m_document) return false;
  const Document& doc = *m_document;
  const Node& n = doc.node(element.node());
  NodeId text = where == Adjacent::AfterBegin ? n.firstChild : n.nextSibling;
  if (text == kNoNode || doc.node(text).type != NodeType::Text) return false;
  const std::string value = doc.textOf(doc.node(text));
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  size_t begin = 0, end = value.size();
  while (begin < end && blank(value[begin])) ++begin;
  while (end > begin && blank(value[end - 1])) --end;
  if (begin == end) return false;
  m_span = Selection{};
  m_span.kind = Selection::Kind::Text;
  m_span.start = {text, static_cast<uint32_t>(begin)};
  m_span.end = {text, static_cast<uint32_t>(end)};
  return true;
}

bool TextRange::findText(std::string_view text) {
  if (!m_document || m_span.kind != Selection::Kind::Text || text.empty()) return false;
  struct Piece {
    NodeId node;
    size_t at;      // where the piece starts in the joined text
    uint32_t from;  // offset in the node's text where the piece starts
  };
  std::vector<Piece> pieces;
  std::string joined;
  const Document& doc = *m_document;
  forEachTextNode(doc, m_span.start.textNode, m_span.end.textNode, [&](NodeId id) {
    std::string nodeText = doc.textOf(doc.node(id));
    uint32_t from = id == m_span.start.textNode ? m_span.start.offset : 0;
    size_t to =
        id == m_span.end.textNode ? std::min<size_t>(m_span.end.offset, nodeText.size()) : nodeText.size();
    if (from > to) from = static_cast<uint32_t>(to);
    pieces.push_back({id, joined.size(), from});
    joined.append(nodeText, from, to - from);
  });
  size_t found = joined.find(text);
  if (found == std::string::npos) return false;
  auto pointAt = [&](size_t offset, bool isEnd) {
    size_t i = pieces.size();
    while (i-- > 0)
      if (pieces[i].at < offset || (!isEnd && pieces[i].at == offset)) break;
    const Piece& piece = pieces[i];
    return TextPoint{piece.node, static_cast<uint32_t>(piece.from + offset - piece.at)};
  };
  m_span.start = pointAt(found, false);
  m_span.end = pointAt(found + text.size(), true);
  return true;
}

void TextRange::select() const {
  if (m_document) m_document->setSelection(m_span);
}

std::string TextRange::text() const {
  if (!m_document || m_span.kind != Selection::Kind::Text) return {};
  std::string out;
  const Document& doc = *m_document;
  forEachTextNode(doc, m_span.start.textNode, m_span.end.textNode, [&](NodeId id) {
    std::string nodeText = doc.textOf(doc.node(id));
    size_t from = id == m_span.start.textNode ? m_span.start.offset : 0;
    size_t to = id == m_span.end.textNode ? m_span.end.offset : nodeText.size();
    if (from < to && to <= nodeText.size()) out.append(nodeText, from, to - from);
  });
  return out;
}

}  // namespace tolvane::html
