#include "document/serializer.h"

#include <string_view>

#include "document/ascii.h"
#include "document/document.h"

namespace tolvane::html {
namespace {

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

std::string escapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xA0') {
      out += "&nbsp;";
      ++i;
    } else
      out += c;
  }
  return out;
}

std::string escapeAttribute(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    if (c == '&')
      out += "&amp;";
    else if (c == '"')
      out += "&quot;";
    else
      out += c;
  }
  return out;
}

// Script and style code is written as it is; only an end tag of its own element inside it, which
// would end the element early, is broken up ("<\/script" reads the same inside a script string).
// In script code after "<!--" a "<script" would make the tokenizer skip the real end tag. A name
// counts only where the tokenizer ends it (white space, "/" or ">"): "</scripts" stays as it is.
std::string escapeRawText(std::string_view code, std::string_view element) {
  std::string out;
  out.reserve(code.size());
  const bool script = element == "script";
  const bool commentOpener = script && code.find("<!--") != std::string_view::npos;
  for (size_t i = 0; i < code.size(); ++i) {
    auto startsWithIgnoringCase = [&](size_t at, std::string_view word) {
      if (code.size() - at <= word.size() || !equalsIgnoringAsciiCase(code.substr(at, word.size()), word))
        return false;
      const char after = code[at + word.size()];
      return after == '\t' || after == '\n' || after == '\f' || after == '\r' || after == ' ' ||
             after == '/' || after == '>';
    };
    if (code[i] == '<' && i + 1 < code.size() && code[i + 1] == '/' &&
        startsWithIgnoringCase(i + 2, element)) {
      out += "<\\/";
      ++i;
    } else if (commentOpener && code[i] == '<' && startsWithIgnoringCase(i + 1, "script")) {
      out += "<\\";
    } else {
      out += code[i];
    }
  }
  return out;
}

std::string escapeCData(std::string_view text) {
  std::string out(text);
  replaceAll(out, "]]>", "]]]]><![CDATA[>");
  return out;
}

class Writer {
 public:
  Writer(const Document& document, Serializer::Target target) : m_doc(document), m_target(target) {}

  void copySource(uint32_t begin, uint32_t end) {
    if (end <= begin) return;
    std::string_view chunk = m_doc.source().substr(begin, end - begin);
    if (m_target == Serializer::Target::Utf8Text)
      m_doc.sourceCodec().decode(chunk, m_out);
    else
      m_out.append(chunk);
  }

  // Writes program text that was escaped for its place; characters the page's encoding cannot
  // hold become references (or escapes in script code).
  void writeText(std::string_view utf8, Codec::Fallback fallback) {
    if (m_target == Serializer::Target::Utf8Text)
      m_out.append(utf8);
    else
      m_doc.sourceCodec().encode(utf8, m_out, fallback);
  }

  std::string take() { return std::move(m_out); }

 private:
  const Document& m_doc;
  Serializer::Target m_target;
  std::string m_out;
};

}  // namespace

std::string Serializer::write(const Document& document, NodeId root, Target target) {
  const Node& top = document.node(root);
  const bool wholePage = root == 0;
  // The page's own bytes start with its byte order mark; program text has none.
  uint32_t cursor = wholePage && target == Target::PageBytes ? 0 : top.outer.begin;
  if (!document.edited()) {
    if (wholePage && target == Target::PageBytes) return document.m_bytes;
    Writer writer(document, target);
    writer.copySource(cursor, top.outer.end);
    return writer.take();
  }

  Writer writer(document, target);
  const std::string_view source = document.source();
  NodeId id = root;
  while (id != kNoNode) {
    const Node& n = document.node(id);
    if (n.type == NodeType::Text && n.edit >= 0) {
      writer.copySource(cursor, n.outer.begin);
      const std::string& text = document.m_textEdits[static_cast<size_t>(n.edit)];
      switch (n.textKind) {
        case TextKind::RawText:
          writer.writeText(escapeRawText(text, document.lowerName(document.node(n.parent))),
                           Codec::Fallback::ScriptEscape);
          break;
        case TextKind::CData:
          writer.writeText(escapeCData(text), Codec::Fallback::CharacterReference);
          break;
        default:
          writer.writeText(escapeText(text), Codec::Fallback::CharacterReference);
          break;
      }
      cursor = n.outer.end;
    } else if (n.type == NodeType::Element && n.attributesEdited) {
      uint32_t insertAt = n.startTag.begin + 1;
      while (insertAt < n.startTag.end &&
             std::string_view(" \t\n\f\r/>").find(source[insertAt]) == std::string_view::npos)
        ++insertAt;
      for (uint32_t i = n.firstAttribute; i < n.firstAttribute + n.attributeCount; ++i) {
        const Attribute& a = document.m_attributes[i];
        insertAt = a.whole.end;
        auto edit = document.m_attributeEdits.find(i);
        if (edit == document.m_attributeEdits.end()) continue;
        writer.copySource(cursor, a.whole.begin);
        writer.copySource(a.name.begin, a.name.end);
        writer.writeText("=\"" + escapeAttribute(edit->second) + "\"", Codec::Fallback::CharacterReference);
        cursor = a.whole.end;
      }
      auto added = document.m_addedAttributes.find(id);
      if (added != document.m_addedAttributes.end()) {
        writer.copySource(cursor, insertAt);
        cursor = insertAt;
        for (const auto& attribute : added->second)
          writer.writeText(" " + attribute.name + "=\"" + escapeAttribute(attribute.value) + "\"",
                           Codec::Fallback::CharacterReference);
      }
    }
    id = document.nextInOrder(id, root);
  }
  writer.copySource(cursor, top.outer.end);
  std::string out = writer.take();
  if (wholePage && target == Target::PageBytes && document.m_pageCodec) {
    std::string bytes = document.m_bytes.substr(0, document.m_bomLength);
    document.m_pageCodec->encode(out, bytes, Codec::Fallback::CharacterReference);
    return bytes;
  }
  return out;
}

}  // namespace tolvane::html
