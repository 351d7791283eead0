#include "document/tree_builder.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "document/ascii.h"
#include "document/document.h"
#include "document/tag_traits.h"
#include "document/tokenizer.h"

namespace tolvane::html {
namespace {

// Deeper nesting than this closes the innermost element first, as browsers do; it keeps every
// search of the open elements short, so that no input takes more than linear time.
constexpr size_t kMaximumDepth = 512;

bool isHtmlSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

uint32_t leadingSpace(std::string_view text) {
  uint32_t n = 0;
  while (n < text.size() && isHtmlSpace(text[n])) ++n;
  return n;
}

enum class Scope { Default, ListItem, Button, Table };

}  // namespace

// The builder's working state; the public face is TreeBuilder::build.
class TreeBuilderRun {
 public:
  TreeBuilderRun(Document& document, uint32_t start)
      : m_doc(document), m_tokenizer(document.m_source, start), m_start(start) {}

  void run();

 private:
  enum class Mode { BeforeHtml, BeforeHead, InHead, AfterHead, InBody };

  uint32_t traitsOf(NodeId id) const {
    const Node& n = m_doc.m_nodes[id];
    return n.type == NodeType::Element ? m_traits[n.name] : 0;
  }
  uint32_t nameOf(NodeId id) const { return m_doc.m_nodes[id].name; }
  NodeId current() const { return m_open.empty() ? 0 : m_open.back(); }
  bool inForeignContent() const;

  uint32_t intern(std::string_view lowerName);
  void append(NodeId parent, NodeId child);
  NodeId createElement(uint32_t name, SourceRange startTag, uint32_t position, bool foreign);
  void copyAttributes(NodeId element, const Token& token);
  void push(NodeId element);
  void popCurrent();
  void popThrough(size_t index, const SourceRange* endTag);
  std::optional<size_t> findInScope(uint32_t name, Scope scope) const;
  std::optional<size_t> findHeadingInScope() const;
  bool closeInScope(uint32_t name, Scope scope, const Token& endTag);

  void ensureHtml(uint32_t position);
  void ensureHead(uint32_t position);
  void closeHead(uint32_t position);
  void ensureBody(uint32_t position);

  void addText(SourceRange range, TextKind kind);
  void handleText(const Token& token);
  void handleComment(const Token& token);
  void handleDoctype(const Token& token);
  void handleStartTag(const Token& token);
  bool fontBreaksOut(const Token& token) const;
  void insertHtmlElement(const Token& token, uint32_t name);
  void closeForStartTag(uint32_t name);
  void handleEndTag(const Token& token);
  void handleEndTagInBody(const Token& token, uint32_t name);
  void finish();

  Document& m_doc;
  Tokenizer m_tokenizer;
  uint32_t m_start;
  Mode m_mode = Mode::BeforeHtml;
  std::vector<NodeId> m_open;         // the stack of open elements, the document node at the bottom
  std::vector<uint32_t> m_traits;     // by name index
  std::vector<uint32_t> m_openCount;  // open elements per name index, to skip hopeless searches
  NodeId m_head = kNoNode;
  NodeId m_body = kNoNode;
  uint32_t m_commentName = 0;
};

uint32_t TreeBuilderRun::intern(std::string_view lowerName) {
  uint32_t id = m_doc.internName(lowerName);
  if (id >= m_traits.size()) {
    m_traits.resize(id + 1, 0);
    m_openCount.resize(id + 1, 0);
    m_traits[id] = tagTraits(lowerName);
  }
  return id;
}

bool TreeBuilderRun::inForeignContent() const {
  NodeId top = current();
  const Node& n = m_doc.m_nodes[top];
  return n.type == NodeType::Element && n.foreign && !(m_traits[n.name] & kIntegrationPoint);
}

void TreeBuilderRun::append(NodeId parent, NodeId child) {
  Node& p = m_doc.m_nodes[parent];
  Node& c = m_doc.m_nodes[child];
  c.parent = parent;
  c.previousSibling = p.lastChild;
  if (p.lastChild != kNoNode)
    m_doc.m_nodes[p.lastChild].nextSibling = child;
  else
    p.firstChild = child;
  p.lastChild = child;
}

NodeId TreeBuilderRun::createElement(uint32_t name, SourceRange startTag, uint32_t position, bool foreign) {
  Node n;
  n.type = NodeType::Element;
  n.name = name;
  n.foreign = foreign;
  n.startTag = startTag;
  n.outer = startTag.empty() ? SourceRange{position, position} : startTag;
  n.allIndex = static_cast<uint32_t>(m_doc.m_all.size());
  if (m_open.size() > kMaximumDepth) popCurrent();
  NodeId id = m_doc.appendNode(n);
  m_doc.m_all.push_back(id);
  append(current(), id);
  return id;
}

void TreeBuilderRun::copyAttributes(NodeId element, const Token& token) {
  Node& n = m_doc.m_nodes[element];
  n.firstAttribute = static_cast<uint32_t>(m_doc.m_attributes.size());
  n.attributeCount = static_cast<uint32_t>(token.attributes.size());
  for (const Attribute& attribute : token.attributes) m_doc.m_attributes.push_back(attribute);
}

void TreeBuilderRun::push(NodeId element) {
  m_open.push_back(element);
  ++m_openCount[nameOf(element)];
}

// Closes the current element where it implicitly ends: after its last child.
void TreeBuilderRun::popCurrent() {
  NodeId id = m_open.back();
  m_open.pop_back();
  --m_openCount[nameOf(id)];
  Node& n = m_doc.m_nodes[id];
  uint32_t end = std::max(n.outer.begin, n.startTag.end);
  if (n.lastChild != kNoNode) end = std::max(end, m_doc.m_nodes[n.lastChild].outer.end);
  n.outer.end = std::max(end, n.endTag.end);
}

// Closes the open elements above index, and the one at index itself, which ends at endTag when given.
void TreeBuilderRun::popThrough(size_t index, const SourceRange* endTag) {
  while (m_open.size() > index + 1) popCurrent();
  if (endTag) {
    Node& n = m_doc.m_nodes[m_open.back()];
    n.endTag = *endTag;
  }
  popCurrent();
}

std::optional<size_t> TreeBuilderRun::findInScope(uint32_t name, Scope scope) const {
  if (m_openCount[name] == 0) return std::nullopt;
  uint32_t boundary = 0;
  switch (scope) {
    case Scope::Default:
      boundary = kScopeBoundary;
      break;
    case Scope::ListItem:
      boundary = kScopeBoundary | kListScopeBoundary;
      break;
    case Scope::Button:
      boundary = kScopeBoundary | kButtonScopeBoundary;
      break;
    case Scope::Table:
      boundary = kTableScopeBoundary;
      break;
  }
  for (size_t i = m_open.size(); i-- > 1;) {
    NodeId id = m_open[i];
    const Node& n = m_doc.m_nodes[id];
    if (!n.foreign && n.name == name) return i;
    bool foreignBoundary = n.foreign && (m_traits[n.name] & kIntegrationPoint);
    if ((!n.foreign && (m_traits[n.name] & boundary)) || foreignBoundary) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<size_t> TreeBuilderRun::findHeadingInScope() const {
  for (size_t i = m_open.size(); i-- > 1;) {
    const Node& n = m_doc.m_nodes[m_open[i]];
    if (n.foreign) return std::nullopt;
    if (m_traits[n.name] & kHeading) return i;
    if (m_traits[n.name] & kScopeBoundary) return std::nullopt;
  }
  return std::nullopt;
}

bool TreeBuilderRun::closeInScope(uint32_t name, Scope scope, const Token& endTag) {
  std::optional<size_t> at = findInScope(name, scope);
  if (!at) return false;
  popThrough(*at, &endTag.range);
  return true;
}

void TreeBuilderRun::ensureHtml(uint32_t position) {
  if (m_doc.m_html != kNoNode) return;
  m_doc.m_html = createElement(intern("html"), {}, position, false);
  push(m_doc.m_html);
  m_mode = Mode::BeforeHead;
}

void TreeBuilderRun::ensureHead(uint32_t position) {
  ensureHtml(position);
  if (m_head != kNoNode) return;
  m_head = createElement(intern("head"), {}, position, false);
  push(m_head);
  m_mode = Mode::InHead;
}

void TreeBuilderRun::closeHead(uint32_t position) {
  ensureHead(position);
  auto it = std::find(m_open.begin(), m_open.end(), m_head);
  if (it != m_open.end()) popThrough(static_cast<size_t>(it - m_open.begin()), nullptr);
  m_mode = Mode::AfterHead;
}

void TreeBuilderRun::ensureBody(uint32_t position) {
  if (m_body != kNoNode) return;
  if (m_mode != Mode::AfterHead) closeHead(position);
  m_body = createElement(intern("body"), {}, position, false);
  push(m_body);
  m_mode = Mode::InBody;
}

void TreeBuilderRun::addText(SourceRange range, TextKind kind) {
  if (range.empty()) return;
  Node n;
  n.type = NodeType::Text;
  n.textKind = kind;
  n.outer = range;
  append(current(), m_doc.appendNode(n));
}

void TreeBuilderRun::handleText(const Token& token) {
  SourceRange range = token.data;
  if (token.textKind != TextKind::Data && token.textKind != TextKind::CData) {
    addText(range, token.textKind);  // the content of TITLE, SCRIPT, STYLE, ... wherever they stand
    return;
  }
  if (m_mode != Mode::InBody) {
    uint32_t space = leadingSpace(range.in(m_doc.m_source));
    SourceRange white{range.begin, range.begin + space};
    range.begin += space;
    if (m_mode == Mode::InHead || m_mode == Mode::AfterHead) addText(white, TextKind::Data);
    if (range.empty()) return;
    ensureBody(range.begin);
  }
  addText(range, token.textKind);
}

void TreeBuilderRun::handleComment(const Token& token) {
  Node n;
  n.type = NodeType::Comment;
  n.name = m_commentName;
  n.startTag = token.range;
  n.outer = token.range;
  n.allIndex = static_cast<uint32_t>(m_doc.m_all.size());
  NodeId id = m_doc.appendNode(n);
  m_doc.m_all.push_back(id);
  append(current(), id);
}

void TreeBuilderRun::handleDoctype(const Token& token) {
  if (m_doc.m_html != kNoNode) return;  // a late DOCTYPE stays in the source, as ignored markup
  Node n;
  n.type = NodeType::Doctype;
  n.startTag = token.range;
  n.outer = token.range;
  append(0, m_doc.appendNode(n));
}

void TreeBuilderRun::handleStartTag(const Token& token) {
  uint32_t name = intern(token.name);
  uint32_t traits = m_traits[name];
  uint32_t at = token.range.begin;
  const bool isHtml = token.name == "html";
  if (isHtml && m_doc.m_html == kNoNode) {
    m_doc.m_html = createElement(name, token.range, at, false);
    copyAttributes(m_doc.m_html, token);
    push(m_doc.m_html);
    m_mode = Mode::BeforeHead;
    return;
  }
  if (isHtml || (token.name == "head" && m_head != kNoNode) ||
      ((token.name == "body" || token.name == "frameset") && m_body != kNoNode))
    return;  // a repeated root tag stays in the source as ignored markup
  ensureHtml(at);
  if (m_mode == Mode::BeforeHead && token.name == "head") {
    m_head = createElement(name, token.range, at, false);
    copyAttributes(m_head, token);
    push(m_head);
    m_mode = Mode::InHead;
    return;
  }
  if (m_mode == Mode::BeforeHead || m_mode == Mode::InHead) {
    if (traits & kHeadContent) {
      ensureHead(at);
      insertHtmlElement(token, name);
      return;
    }
    closeHead(at);
  }
  if (m_mode == Mode::AfterHead) {
    if (token.name == "body" || token.name == "frameset") {
      m_body = createElement(name, token.range, at, false);
      copyAttributes(m_body, token);
      push(m_body);
      m_mode = Mode::InBody;
      return;
    }
    if (traits & kHeadContent) {
      insertHtmlElement(token, name);
      return;
    }
    ensureBody(at);
  }

  const bool foreign = inForeignContent();
  if (foreign && ((traits & kBreaksOutOfForeign) || (token.name == "font" && fontBreaksOut(token)))) {
    while (m_open.size() > 1 && inForeignContent()) popCurrent();
  } else if (foreign || token.name == "svg" || token.name == "math") {
    NodeId id = createElement(name, token.range, at, true);
    copyAttributes(id, token);
    if (!token.selfClosing) push(id);
    return;
  }
  closeForStartTag(name);
  insertHtmlElement(token, name);
}

// A FONT with a colour, face or size ends SVG and MathML content.
bool TreeBuilderRun::fontBreaksOut(const Token& token) const {
  return std::any_of(token.attributes.begin(), token.attributes.end(), [&](const Attribute& a) {
    std::string_view name = a.name.in(m_doc.m_source);
    return equalsIgnoringAsciiCase(name, "color") || equalsIgnoringAsciiCase(name, "face") ||
           equalsIgnoringAsciiCase(name, "size");
  });
}

// The implied end tags that a start tag causes in the body.
void TreeBuilderRun::closeForStartTag(uint32_t name) {
  const uint32_t traits = m_traits[name];
  const std::string& tag = m_doc.m_names[name].lower;
  auto closeParagraph = [&] {
    if (auto p = findInScope(intern("p"), Scope::Button)) popThrough(*p, nullptr);
  };
  auto closeUpTo = [&](auto isStop, auto isTarget) {
    for (size_t i = m_open.size(); i-- > 1;) {
      const Node& n = m_doc.m_nodes[m_open[i]];
      if (!n.foreign && isTarget(n)) {
        popThrough(i, nullptr);
        return;
      }
      if (isStop(n)) return;
    }
  };
  auto named = [&](std::initializer_list<std::string_view> names) {
    return [this, names](const Node& n) {
      const std::string& lower = m_doc.m_names[n.name].lower;
      return std::find(names.begin(), names.end(), lower) != names.end();
    };
  };
  auto specialExceptAddressDivP = [this, named](const Node& n) {
    return (m_traits[n.name] & kSpecial) && !named({"address", "div", "p"})(n);
  };

  if (tag == "li") {
    closeUpTo(specialExceptAddressDivP, named({"li"}));
    closeParagraph();
  } else if (tag == "dd" || tag == "dt") {
    closeUpTo(specialExceptAddressDivP, named({"dd", "dt"}));
    closeParagraph();
  } else if (traits & kClosesParagraph) {
    closeParagraph();
    if ((traits & kHeading) && (traitsOf(current()) & kHeading)) popCurrent();
  } else if (tag == "option" || tag == "optgroup") {
    if (m_doc.m_names[nameOf(current())].lower == "option") popCurrent();
    if (tag == "optgroup" && m_doc.m_names[nameOf(current())].lower == "optgroup") popCurrent();
  } else if (tag == "a" || tag == "nobr" || tag == "button") {
    if (auto open = findInScope(name, Scope::Default)) popThrough(*open, nullptr);
  } else if (tag == "td" || tag == "th" || tag == "tr" || tag == "tbody" || tag == "thead" ||
             tag == "tfoot" || tag == "caption" || tag == "colgroup") {
    // Close the open cell, row or section down to the structure that holds the new one.
    auto holds = [&](std::string_view holder) {
      if (holder == "table") return true;
      if (holder == "tr") return tag == "td" || tag == "th";
      if (holder == "tbody" || holder == "thead" || holder == "tfoot")
        return tag == "td" || tag == "th" || tag == "tr";
      return false;
    };
    for (size_t i = m_open.size(); i-- > 1;) {
      const Node& n = m_doc.m_nodes[m_open[i]];
      if (n.foreign) continue;
      if (holds(m_doc.m_names[n.name].lower)) {
        while (m_open.size() > i + 1) popCurrent();
        return;
      }
      if (m_traits[n.name] & kTableScopeBoundary) return;
    }
  }
}

void TreeBuilderRun::insertHtmlElement(const Token& token, uint32_t name) {
  const uint32_t traits = m_traits[name];
  NodeId id = createElement(name, token.range, token.range.begin, false);
  copyAttributes(id, token);
  if (traits & kVoid) {
    m_doc.m_nodes[id].outer.end = token.range.end;
    return;
  }
  push(id);
  Tokenizer::State state = Tokenizer::State::Data;
  if (traits & kRcData)
    state = Tokenizer::State::RcData;
  else if (traits & kRawText)
    state = Tokenizer::State::RawText;
  else if (traits & kScriptData)
    state = Tokenizer::State::ScriptData;
  else if (traits & kPlaintext)
    state = Tokenizer::State::Plaintext;
  if (state != Tokenizer::State::Data) {
    m_tokenizer.switchTo(state);
    m_tokenizer.setLastStartTag(token.name);
  }
}

void TreeBuilderRun::handleEndTag(const Token& token) {
  uint32_t name = intern(token.name);
  const std::string& tag = token.name;
  uint32_t at = token.range.begin;
  if (m_mode != Mode::InBody) {
    const bool structural = tag == "head" || tag == "body" || tag == "html" || tag == "br";
    if (m_mode == Mode::InHead && !structural) {
      // TITLE, SCRIPT, STYLE, NOSCRIPT, ... inside the head
      for (size_t i = m_open.size(); i-- > 1 && m_open[i] != m_head;)
        if (nameOf(m_open[i]) == name) return popThrough(i, &token.range);
      return;
    }
    if (m_mode == Mode::AfterHead && !structural) {
      if (nameOf(current()) == name && current() != m_doc.m_html) popThrough(m_open.size() - 1, &token.range);
      return;
    }
    if (!structural) return;
    if (tag == "head") {
      if (m_mode == Mode::BeforeHtml || m_mode == Mode::BeforeHead) ensureHead(at);
      if (m_mode == Mode::InHead) {
        auto it = std::find(m_open.begin(), m_open.end(), m_head);
        if (it != m_open.end()) popThrough(static_cast<size_t>(it - m_open.begin()), &token.range);
        m_mode = Mode::AfterHead;
      }
      return;
    }
    ensureBody(at);
  }
  handleEndTagInBody(token, name);
}

void TreeBuilderRun::handleEndTagInBody(const Token& token, uint32_t name) {
  const std::string& tag = token.name;
  const uint32_t traits = m_traits[name];
  uint32_t at = token.range.begin;

  if (m_doc.m_nodes[current()].foreign) {
    for (size_t i = m_open.size(); i-- > 1;) {
      const Node& n = m_doc.m_nodes[m_open[i]];
      if (!n.foreign) break;
      if (n.name == name) return popThrough(i, &token.range);
    }
  }
  if (tag == "body" || tag == "html") {
    // The element stays open: whatever follows still belongs to it, as in a browser.
    NodeId element = tag == "body" ? m_body : m_doc.m_html;
    if (element != kNoNode && m_doc.m_nodes[element].endTag.empty())
      m_doc.m_nodes[element].endTag = token.range;
    return;
  }
  if (tag == "br") {
    NodeId id = createElement(name, token.range, at, false);
    m_doc.m_nodes[id].outer.end = token.range.end;
    return;
  }
  if (tag == "p") {
    closeInScope(name, Scope::Button, token);
    return;
  }
  if (tag == "li") {
    closeInScope(name, Scope::ListItem, token);
    return;
  }
  if (traits & kHeading) {
    if (auto i = findHeadingInScope()) popThrough(*i, &token.range);
    return;
  }
  if (traits & kTableStructure || tag == "td" || tag == "th" || tag == "caption" || tag == "colgroup") {
    closeInScope(name, Scope::Table, token);
    return;
  }
  if ((traits & kFormatting) || (traits & kSpecial)) {
    closeInScope(name, Scope::Default, token);
    return;
  }
  if (m_openCount[name] == 0) return;
  for (size_t i = m_open.size(); i-- > 1;) {
    const Node& n = m_doc.m_nodes[m_open[i]];
    if (!n.foreign && n.name == name) return popThrough(i, &token.range);
    if (!n.foreign && (m_traits[n.name] & kSpecial)) return;
  }
}

void TreeBuilderRun::finish() {
  uint32_t end = static_cast<uint32_t>(m_doc.m_source.size());
  ensureBody(end);
  while (m_open.size() > 1) popCurrent();
  Node& document = m_doc.m_nodes[0];
  document.outer = {m_start, end};
}

void TreeBuilderRun::run() {
  Node document;
  document.type = NodeType::Document;
  m_doc.appendNode(document);
  m_open.push_back(0);
  m_commentName = intern("!");
  m_openCount.resize(m_traits.size(), 0);
  m_traits[m_commentName] = 0;

  Token token;
  while (true) {
    m_tokenizer.setCDataAllowed(inForeignContent());
    if (!m_tokenizer.next(token) || token.type == TokenType::EndOfFile) break;
    switch (token.type) {
      case TokenType::Character:
        handleText(token);
        break;
      case TokenType::Comment:
        handleComment(token);
        break;
      case TokenType::Doctype:
        handleDoctype(token);
        break;
      case TokenType::StartTag:
        handleStartTag(token);
        break;
      case TokenType::EndTag:
        handleEndTag(token);
        break;
      case TokenType::EndOfFile:
        break;
    }
  }
  finish();
}

void TreeBuilder::build(Document& document, uint32_t start) {
  TreeBuilderRun(document, start).run();
}

}  // namespace tolvane::html
