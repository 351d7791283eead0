#include "document/element.h"

#include "document/ascii.h"
#include "document/document.h"
#include "document/serializer.h"
#include "document/tag_traits.h"

namespace tolvane::html {
namespace {

// A name that can be written into a start tag without changing its structure.
bool isValidAttributeName(std::string_view name) {
  if (name.empty()) return false;
  for (char c : name)
    if (c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == '"' || c == '\'' || c == '>' ||
        c == '/' || c == '=' || c == '<' || c == '\0')
      return false;
  return true;
}

}  // namespace

const Node* Element::get() const {
  if (!m_document || m_node >= m_document->nodeCount()) return nullptr;
  const Node& n = m_document->node(m_node);
  return n.type == NodeType::Element || n.type == NodeType::Comment ? &n : nullptr;
}

std::string Element::uniqueID() const {
  const Node* n = get();
  return n ? "tv_id" + std::to_string(n->allIndex + 1) : std::string();
}

std::string Element::tagName() const {
  const Node* n = get();
  return n ? m_document->upperName(*n) : std::string();
}

bool Element::isComment() const {
  const Node* n = get();
  return n && n->type == NodeType::Comment;
}

ElementKind Element::kind() const {
  const Node* n = get();
  if (!n) return ElementKind::Undefined;
  if (n->type == NodeType::Comment || n->foreign) return ElementKind::General;
  const std::string& name = m_document->lowerName(*n);
  if (name == "script") return ElementKind::Script;
  if (name == "input") return ElementKind::Input;
  if (name == "br") return ElementKind::LineBreak;
  return ElementKind::General;
}

std::string Element::adjacentText(Adjacent where) const {
  const Node* n = get();
  if (!n) return {};
  NodeId text = where == Adjacent::AfterBegin ? n->firstChild : n->nextSibling;
  if (text == kNoNode || m_document->node(text).type != NodeType::Text) return {};
  return m_document->textOf(m_document->node(text));
}

bool Element::replaceAdjacentText(Adjacent where, std::string_view text) {
  const Node* n = get();
  if (!n) return false;
  if (where == Adjacent::AfterBegin) {
    if (n->type == NodeType::Comment || (!n->foreign && (tagTraits(m_document->lowerName(*n)) & kVoid)))
      return false;
    NodeId first = n->firstChild;
    if (first != kNoNode && m_document->node(first).type == NodeType::Text) {
      m_document->setText(first, text);
    } else {
      uint32_t at = !n->startTag.empty() ? n->startTag.end
                    : first != kNoNode   ? m_document->node(first).outer.begin
                                         : n->outer.begin;
      m_document->insertText(m_node, first, at, text);
    }
    return true;
  }
  NodeId next = n->nextSibling;
  if (next != kNoNode && m_document->node(next).type == NodeType::Text)
    m_document->setText(next, text);
  else
    m_document->insertText(n->parent, next, n->outer.end, text);
  return true;
}

std::string Element::innerText() const {
  const Node* n = get();
  if (!n) return {};
  std::string out;
  for (NodeId id = n->firstChild; id != kNoNode;) {
    const Node& c = m_document->node(id);
    bool code = false;
    if (c.type == NodeType::Text) {
      out += m_document->textOf(c);
    } else if (c.type == NodeType::Element && !c.foreign) {
      const std::string& name = m_document->lowerName(c);
      if (name == "br") out += '\n';
      code = name == "script" || name == "style";
    }
    id = m_document->nextInOrder(id, m_node, !code);
  }
  return out;
}

std::string Element::textContent() const {
  const Node* n = get();
  if (!n) return {};
  std::string out;
  for (NodeId id = n->firstChild; id != kNoNode; id = m_document->nextInOrder(id, m_node)) {
    const Node& c = m_document->node(id);
    if (c.type == NodeType::Text) out += m_document->textOf(c);
  }
  return out;
}

bool Element::setTextContent(std::string_view text) {
  const Node* n = get();
  if (!n || n->type == NodeType::Comment) return false;
  for (NodeId c = n->firstChild; c != kNoNode; c = m_document->node(c).nextSibling)
    if (m_document->node(c).type != NodeType::Text) return false;
  if (n->firstChild == kNoNode) return replaceAdjacentText(Adjacent::AfterBegin, text);
  bool first = true;
  for (NodeId c = n->firstChild; c != kNoNode; c = m_document->node(c).nextSibling) {
    m_document->setText(c, first ? text : std::string_view());
    first = false;
  }
  return true;
}

std::optional<std::string> Element::attribute(std::string_view name) const {
  const Node* n = get();
  if (!n || n->type != NodeType::Element) return std::nullopt;
  std::string_view source = m_document->source();
  for (uint32_t i = n->firstAttribute; i < n->firstAttribute + n->attributeCount; ++i) {
    const Attribute& a = m_document->m_attributes[i];
    if (!equalsIgnoringAsciiCase(a.name.in(source), name)) continue;
    auto edit = m_document->m_attributeEdits.find(i);
    if (edit != m_document->m_attributeEdits.end()) return edit->second;
    return decodeText(a.value.in(source), TextKind::AttributeValue, &m_document->sourceCodec());
  }
  auto added = m_document->m_addedAttributes.find(m_node);
  if (added != m_document->m_addedAttributes.end())
    for (const auto& a : added->second)
      if (equalsIgnoringAsciiCase(a.name, name)) return a.value;
  return std::nullopt;
}

size_t Element::attributeCount() const {
  const Node* n = get();
  if (!n || n->type != NodeType::Element) return 0;
  auto added = m_document->m_addedAttributes.find(m_node);
  return n->attributeCount + (added == m_document->m_addedAttributes.end() ? 0 : added->second.size());
}

std::string Element::attributeName(size_t index) const {
  const Node* n = get();
  if (!n || index >= attributeCount()) return {};
  if (index < n->attributeCount)
    return std::string(m_document->m_attributes[n->firstAttribute + index].name.in(m_document->source()));
  return m_document->m_addedAttributes.at(m_node)[index - n->attributeCount].name;
}

bool Element::setAttribute(std::string_view name, std::string_view value) {
  const Node* n = get();
  if (!n || n->type != NodeType::Element || n->startTag.empty() || !isValidAttributeName(name)) return false;
  std::string_view source = m_document->source();
  Node& node = m_document->m_nodes[m_node];
  node.attributesEdited = true;
  m_document->m_edited = true;
  for (uint32_t i = n->firstAttribute; i < n->firstAttribute + n->attributeCount; ++i) {
    const Attribute& a = m_document->m_attributes[i];
    if (equalsIgnoringAsciiCase(a.name.in(source), name)) {
      // The value the source already holds keeps the source's spelling.
      if (decodeText(a.value.in(source), TextKind::AttributeValue, &m_document->sourceCodec()) == value)
        m_document->m_attributeEdits.erase(i);
      else
        m_document->m_attributeEdits[i] = std::string(value);
      return true;
    }
  }
  auto& added = m_document->m_addedAttributes[m_node];
  for (auto& a : added) {
    if (equalsIgnoringAsciiCase(a.name, name)) {
      a.value = std::string(value);
      return true;
    }
  }
  added.push_back({std::string(name), std::string(value)});
  return true;
}

std::string Element::outerHTML() const {
  return get() ? Serializer::write(*m_document, m_node, Serializer::Target::Utf8Text) : std::string();
}

}  // namespace tolvane::html
