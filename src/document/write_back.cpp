#include "document/write_back.h"

#include <map>

#include "document/ascii.h"
#include "document/browser_view.h"
#include "document/document.h"
#include "document/text_normalization.h"

namespace tolvane {
namespace {

using html::Adjacent;
using html::Element;
using html::ElementKind;

// Where string k lies in text: the offset after its opening apostrophe and its length.
std::optional<std::pair<size_t, size_t>> findQuoted(std::string_view text, int32_t k) {
  if (k < 1) return std::nullopt;
  size_t open = std::string_view::npos;
  for (int32_t n = 0; n < 2 * k - 1; ++n) {
    open = text.find('\'', open == std::string_view::npos ? 0 : open + 1);
    if (open == std::string_view::npos) return std::nullopt;
  }
  size_t close = text.find('\'', open + 1);
  if (close == std::string_view::npos) return std::nullopt;
  return std::make_pair(open + 1, close - open - 1);
}

// The block text as the page holds it: "&nbsp" is a no-break space again.
std::string fromBlockText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 5, "&nbsp") == 0) {
      out += "\xC2\xA0";
      i += 4;
    } else {
      out += text[i];
    }
  }
  return out;
}

// A new script string must not end its string early nor shift the numbers of the later ones.
std::string asScriptString(std::string_view text) {
  std::string out;
  for (char c : fromBlockText(text)) {
    if (c == '\'')
      out += "\\u0027";
    else
      out += c;
  }
  return out;
}

// The new text with the white space that stood around the old text's core.
std::string keepLayout(std::string_view old, std::string_view core) {
  std::string_view trimmed = trimControlAndSpace(old);
  if (trimmed.empty()) return std::string(old) + std::string(core);
  size_t lead = static_cast<size_t>(trimmed.data() - old.data());
  return std::string(old.substr(0, lead)) + std::string(core) +
         std::string(old.substr(lead + trimmed.size()));
}

void selectAdjacent(Element element, Adjacent where) {
  html::TextRange range = element.document()->createRange();
  if (range.moveToAdjacentText(element, where)) range.select();
}

void writeAdjacent(Element element, bool inner, std::string_view text) {
  Adjacent where = inner ? Adjacent::AfterBegin : Adjacent::AfterEnd;
  element.replaceAdjacentText(where, keepLayout(element.adjacentText(where), fromBlockText(text)));
  selectAdjacent(element, where);
}

void writeImageCaption(Element image, bool inner, std::string_view text) {
  if (!inner) return writeAdjacent(image, false, text);
  std::string alt = image.alt();
  if (alt.empty()) return;
  image.setAlt(keepLayout(alt, fromBlockText(text)));
  html::TextRange range = image.document()->createRange();
  range.moveToElementText(image);
  range.select();
}

void writeInput(Element input, bool inner, std::string_view text) {
  if (!inner) return writeAdjacent(input, false, text);
  if (asciiUpperCopy(input.inputType()) == "IMAGE")
    input.setAlt(keepLayout(input.alt(), fromBlockText(text)));
  else
    input.setValue(keepLayout(input.value(), fromBlockText(text)));
}

// The code keeps its layout: only the string's contents change.
std::optional<std::string> replaceScriptString(std::string_view code, std::string_view text, int32_t k) {
  std::optional<std::string_view> old = QuotedString(code, k);
  if (!old) return std::nullopt;
  return ReplaceQuoted(code, keepLayout(*old, asScriptString(text)), k);
}

// code with the strings whose numbers texts holds replaced, in one pass.
std::string replaceScriptStrings(std::string_view code, const std::map<int32_t, std::string_view>& texts) {
  std::string out;
  out.reserve(code.size());
  size_t cursor = 0;
  int32_t k = 1;
  auto next = texts.begin();
  for (size_t open = code.find('\''); open != std::string_view::npos && next != texts.end(); ++k) {
    size_t close = code.find('\'', open + 1);
    if (close == std::string_view::npos) break;
    if (k == next->first) {
      out.append(code, cursor, open + 1 - cursor);
      out += keepLayout(code.substr(open + 1, close - open - 1), asScriptString(next->second));
      cursor = close;
      ++next;
    }
    open = code.find('\'', close + 1);
  }
  out.append(code, cursor);
  return out;
}

}  // namespace

std::optional<std::string_view> QuotedString(std::string_view text, int32_t k) {
  auto at = findQuoted(text, k);
  if (!at) return std::nullopt;
  return text.substr(at->first, at->second);
}

std::optional<std::string> ReplaceQuoted(std::string_view text, std::string_view newString, int32_t k) {
  auto at = findQuoted(text, k);
  if (!at) return std::nullopt;
  std::string out(text);
  out.replace(at->first, at->second, newString);
  return out;
}

bool DefineTexts(const std::vector<BlockWrite>& writes) {
  // The script code strings, by element; everything else one by one.
  std::map<std::pair<BrowserView*, std::string>, std::map<int32_t, std::string_view>> scriptStrings;
  bool scriptFound = false;
  for (const BlockWrite& write : writes) {
    const TTag& block = *write.block;
    if (block.ScriptKind == ScriptStringKind::ScriptCode && block.Occurrence >= 1)
      scriptStrings[{block.Browser, block.ElementID}][block.Occurrence] = write.text;
    else
      scriptFound |= DefineText(block, write.text);
  }
  for (const auto& [where, texts] : scriptStrings) {
    html::Document* document = where.first ? where.first->currentDocument() : nullptr;
    Element element = document ? document->elementByUniqueID(where.second) : Element();
    if (!element) continue;
    scriptFound = true;
    element.setScriptCode(replaceScriptStrings(element.scriptCode(), texts));
  }
  return scriptFound;
}

bool DefineText(const TTag& block, std::string_view newText) {
  html::Document* document = block.Browser ? block.Browser->currentDocument() : nullptr;
  if (!document) return false;
  Element element = document->elementByUniqueID(block.ElementID);
  if (!element) return false;

  switch (block.ScriptKind) {
    case ScriptStringKind::ScriptCode:
      if (auto code = replaceScriptString(element.scriptCode(), newText, block.Occurrence))
        element.setScriptCode(*code);
      return true;
    case ScriptStringKind::EventAttribute:
      if (auto value = element.attribute(block.AttrName))
        if (auto code = replaceScriptString(*value, newText, block.Occurrence))
          element.setAttribute(block.AttrName, *code);
      return true;
    case ScriptStringKind::None:
      break;
  }

  switch (element.kind()) {
    case ElementKind::Script:
      if (!block.Inner) writeAdjacent(element, false, newText);
      break;
    case ElementKind::Input:
      writeInput(element, block.Inner, newText);
      break;
    case ElementKind::LineBreak:
      writeAdjacent(element, block.Inner, newText);
      break;
    case ElementKind::General: {
      const std::string tag = element.tagName();
      if (tag == "TITLE")
        element.setTextContent(keepLayout(element.innerText(), fromBlockText(newText)));
      else if (tag == "META")
        element.setContent(keepLayout(element.content(), fromBlockText(newText)));
      else if (tag == "!" || IsTextTag(tag))
        writeAdjacent(element, block.Inner, newText);
      else if (tag == "IMG")
        writeImageCaption(element, block.Inner, newText);
      break;
    }
    case ElementKind::Undefined:
      break;
  }
  return false;
}

}  // namespace tolvane
