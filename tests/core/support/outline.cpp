#include "support/outline.h"

namespace tolvane::testing {
namespace {

void write(const html::Document& doc, html::NodeId id, std::string& out) {
  const html::Node& n = doc.node(id);
  if (n.type == html::NodeType::Text) {
    out += '"' + doc.textOf(n) + '"';
    return;
  }
  if (n.type == html::NodeType::Comment) {
    out += '!';
    return;
  }
  out += doc.upperName(n);
  if (n.firstChild == html::kNoNode) return;
  out += '(';
  for (html::NodeId c = n.firstChild; c != html::kNoNode; c = doc.node(c).nextSibling) {
    if (c != n.firstChild) out += ' ';
    write(doc, c, out);
  }
  out += ')';
}

}  // namespace

std::string outline(const html::Document& document) {
  std::string out;
  for (html::NodeId c = document.node(0).firstChild; c != html::kNoNode; c = document.node(c).nextSibling) {
    if (document.node(c).type == html::NodeType::Doctype) continue;
    if (!out.empty()) out += ' ';
    write(document, c, out);
  }
  return out;
}

std::string contentOf(html::Document& document) {
  // Names come as the source spells them, in the page's encoding, except that a NUL in a name has
  // become U+FFFD in UTF-8 whatever the encoding; texts and values come decoded.
  auto decodedName = [&](std::string_view name) {
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    std::string decoded;
    for (size_t from = 0;;) {
      const size_t at = name.find(kReplacement, from);
      document.sourceCodec().decode(name.substr(from, at - from), decoded);
      if (at == std::string_view::npos) return decoded;
      decoded += kReplacement;
      from = at + kReplacement.size();
    }
  };
  std::string out;
  for (size_t i = 0; i < document.length(); ++i) {
    html::Element e = document.item(i);
    out += decodedName(e.tagName());
    for (size_t a = 0; a < e.attributeCount(); ++a)
      out += " " + decodedName(e.attributeName(a)) + "=" + e.attribute(e.attributeName(a)).value_or("");
    out += "[" + e.adjacentText(html::Adjacent::AfterBegin) + "][" +
           e.adjacentText(html::Adjacent::AfterEnd) + "]\n";
  }
  std::erase(out, '\r');
  return out;
}

settings::TGlobalVars allViews(bool filter) {
  settings::TGlobalVars vars;
  vars.ViewText = vars.ViewMeta = vars.ViewImages = vars.ViewValue = vars.ViewScripts = true;
  vars.ItemsFilter = filter;
  return vars;
}

std::unique_ptr<html::Document> load(std::string_view page) {
  return html::Document::fromBytes(std::string(page));
}

}  // namespace tolvane::testing
