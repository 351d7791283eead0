#include "document/ui/selection_script.h"

#include <QJsonDocument>
#include <QJsonObject>

#include "document/document.h"

namespace tolvane::ui {
namespace {

using html::Document;
using html::Node;
using html::NodeId;

// Script and style code never holds a selection, on our side (TextRange) as on the browser's.
bool selectableText(const Node& node) {
  return node.type == html::NodeType::Text && node.textKind != html::TextKind::RawText;
}

int utf16Length(std::string_view utf8) {
  return static_cast<int>(QString::fromUtf8(utf8).size());
}

QJsonObject textAddress(const Document& document, const html::TextPoint& start, const html::TextPoint& end) {
  const std::string text = document.textOf(document.node(start.textNode));
  int ordinal = 0;
  for (NodeId id = 0; id != html::kNoNode && id != start.textNode; id = document.nextInOrder(id, 0)) {
    const Node& node = document.node(id);
    if (selectableText(node) && document.textOf(node) == text) ++ordinal;
  }
  const uint32_t endOffset = end.textNode == start.textNode ? end.offset : static_cast<uint32_t>(text.size());
  return {
      {"kind", "text"},
      {"text", QString::fromUtf8(text)},
      {"ordinal", ordinal},
      {"start", utf16Length(std::string_view(text).substr(0, start.offset))},
      {"end", utf16Length(std::string_view(text).substr(0, endOffset))},
      {"selected", QString::fromUtf8(std::string_view(text).substr(start.offset, endOffset - start.offset))}};
}

QJsonObject elementAddress(const Document& document, NodeId element) {
  const std::string tag = document.upperName(document.node(element));
  int ordinal = 0;
  for (NodeId id : document.all()) {
    if (id == element) break;
    const Node& node = document.node(id);
    if (node.type == html::NodeType::Element && document.upperName(node) == tag) ++ordinal;
  }
  return {{"kind", "element"}, {"tag", QString::fromStdString(tag)}, {"ordinal", ordinal}};
}

constexpr char kScript[] = R"JS(
(function (target) {
  if (!document.getElementById('tolvane-selection-style')) {
    var style = document.createElement('style');
    style.id = 'tolvane-selection-style';
    style.textContent = '::selection { background: #3875d7; color: #fff; }';
    (document.head || document.documentElement).appendChild(style);
  }
  var selection = window.getSelection();
  selection.removeAllRanges();
  var range = document.createRange();
  if (target.kind === 'element') {
    var element = document.getElementsByTagName(target.tag)[target.ordinal];
    if (!element) return '';
    range.selectNode(element);
  } else if (target.kind === 'text') {
    // No filter function: calling one per node costs several times the walk itself.
    var code = /^(SCRIPT|STYLE|XMP|IFRAME|NOEMBED|NOFRAMES|PLAINTEXT)$/;
    var isCode = function (n) { return n.parentNode && code.test(n.parentNode.nodeName.toUpperCase()); };
    var walker = document.createTreeWalker(document, NodeFilter.SHOW_TEXT);
    var found = null, fallback = null, seen = 0;
    for (var n = walker.nextNode(); n && !found; n = walker.nextNode()) {
      if (n.data === target.text) {
        if (!isCode(n) && seen++ === target.ordinal) found = { node: n, start: target.start, end: target.end };
      } else if (!fallback && target.selected && n.data.indexOf(target.selected) >= 0 && !isCode(n)) {
        var at = n.data.indexOf(target.selected);
        fallback = { node: n, start: at, end: at + target.selected.length };
      }
    }
    found = found || fallback;
    if (!found) return '';
    range.setStart(found.node, found.start);
    range.setEnd(found.node, found.end);
  } else {
    return '';
  }
  selection.addRange(range);
  var box = range.getBoundingClientRect();
  if (box.top < 0 || box.bottom > window.innerHeight || box.left < 0 || box.right > window.innerWidth)
    window.scrollBy(box.left - window.innerWidth / 2, box.top - window.innerHeight / 2);
  return range.toString();
})(%1)
)JS";

}  // namespace

QString selectionScript(const Document& document, const html::Selection& selection) {
  QJsonObject target{{"kind", "none"}};
  if (selection.kind == html::Selection::Kind::Text && selection.start.textNode < document.nodeCount() &&
      selection.end.textNode < document.nodeCount())
    target = textAddress(document, selection.start, selection.end);
  else if (selection.kind == html::Selection::Kind::Element && selection.element < document.nodeCount())
    target = elementAddress(document, selection.element);
  return QString::fromLatin1(kScript).arg(
      QString::fromUtf8(QJsonDocument(target).toJson(QJsonDocument::Compact)));
}

QString selectedTextScript() {
  return QStringLiteral(
      "(function () { var s = window.getSelection(); return s.rangeCount ? s.getRangeAt(0).toString() : ''; "
      "})()");
}

}  // namespace tolvane::ui
