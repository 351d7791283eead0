#include "document/document_scan.h"

#include <algorithm>
#include <array>

#include "document/ascii.h"
#include "document/browser_view.h"
#include "document/document.h"
#include "document/text_normalization.h"

namespace tolvane {
namespace {

using html::Adjacent;
using html::Element;
using html::ElementKind;

// Event attributes whose quoted strings are listed, in the order they are visited.
constexpr std::array<std::string_view, 53> kEventAttributes = {"ONHELP",
                                                               "ONCLICK",
                                                               "ONDBLCLICK",
                                                               "ONKEYPRESS",
                                                               "ONKEYDOWN",
                                                               "ONKEYUP",
                                                               "ONMOUSEOUT",
                                                               "ONMOUSEOVER",
                                                               "ONMOUSEMOVE",
                                                               "ONMOUSEDOWN",
                                                               "ONMOUSEUP",
                                                               "ONSELECTSTART",
                                                               "ONDRAGSTART",
                                                               "ONBEFOREUPDATE",
                                                               "ONAFTERUPDATE",
                                                               "ONROWEXIT",
                                                               "ONROWENTER",
                                                               "ONDATASETCHANGED",
                                                               "ONDATASETCOMPLETE",
                                                               "ONPROPERTYCHANGE",
                                                               "ONSCROLL",
                                                               "ONFOCUS",
                                                               "ONBLUR",
                                                               "ONRESIZE",
                                                               "ONDRAG",
                                                               "ONDRAGEND",
                                                               "ONDRAGENTER",
                                                               "ONDRAGOVER",
                                                               "ONDRAGLEAVE",
                                                               "ONDROP",
                                                               "ONBEFORECUT",
                                                               "ONBEFORECOPY",
                                                               "ONBEFOREPASTE",
                                                               "ONCOPY",
                                                               "ONPASTE",
                                                               "ONCONTEXTMENU",
                                                               "ONROWDELETE",
                                                               "ONROWINSERTED",
                                                               "ONCELLCHANGE",
                                                               "ONPAGE",
                                                               "ONMOUSEENTER",
                                                               "ONMOUSELEAVE",
                                                               "ONACTIVATE",
                                                               "ONBEFOREDEACTIVATE",
                                                               "ONMOVE",
                                                               "ONCONTROLSELECT",
                                                               "ONMOVESTART",
                                                               "ONMOVEEND",
                                                               "ONRESIZESTART",
                                                               "ONRESIZEEND",
                                                               "ONLOAD",
                                                               "ONERROR",
                                                               "ONCHANGE"};

class Scan {
 public:
  Scan(BlockList& list, BrowserView& browser, const settings::TGlobalVars& settings)
      : m_list(list), m_browser(browser), m_settings(settings) {}

  bool run(html::Document& document) {
    bool result = true;
    for (size_t i = 0; i < document.length(); ++i) {
      Element element = document.item(i);
      if (!addOwnTexts(element)) {
        result = false;
        if (m_list.listener()) m_list.listener()->scanMessage("Undefinite Element");
        continue;
      }
      if (m_settings.ViewScripts) addEventAttributeStrings(element);
    }
    return result;
  }

 private:
  void add(Element element, std::string_view text, bool inner, BlockClass blockClass) {
    AddBlock(m_list, m_browser, element, text, inner, blockClass, ScriptStringKind::None, 0, {}, m_settings);
  }

  void addTextAfterEnd(Element element) {
    if (m_settings.ViewText)
      add(element, element.adjacentText(Adjacent::AfterEnd), false, BlockClass::RunningText);
  }

  // The strings between pairs of apostrophes, numbered from 1; an empty one uses up its number.
  void addQuotedStrings(Element element, std::string_view code, ScriptStringKind kind,
                        std::string_view attrName) {
    int32_t occurrence = 1;
    for (size_t open = code.find('\''); open != std::string_view::npos; ++occurrence) {
      size_t close = code.find('\'', open + 1);
      std::string_view string =
          close == std::string_view::npos ? std::string_view() : code.substr(open + 1, close - open - 1);
      AddBlock(m_list, m_browser, element, string, true, BlockClass::ScriptString, kind, occurrence, attrName,
               m_settings);
      open = close == std::string_view::npos ? close : code.find('\'', close + 1);
    }
  }

  // Returns false for an element of undefined kind.
  bool addOwnTexts(Element element) {
    switch (element.kind()) {
      case ElementKind::Script:
        if (m_settings.ViewScripts)
          addQuotedStrings(element, element.scriptCode(), ScriptStringKind::ScriptCode, {});
        addTextAfterEnd(element);
        return true;
      case ElementKind::Input:
        if (asciiUpperCopy(element.inputType()) == "IMAGE" && m_settings.ViewImages)
          add(element, element.alt(), true, BlockClass::ImageCaption);
        else if (m_settings.ViewValue)
          add(element, element.value(), true, BlockClass::FieldValue);
        addTextAfterEnd(element);
        return true;
      case ElementKind::LineBreak:
        addTextAfterEnd(element);
        return true;
      case ElementKind::General:
        addGeneralElementTexts(element);
        return true;
      case ElementKind::Undefined:
        return false;
    }
    return false;
  }

  void addGeneralElementTexts(Element element) {
    const std::string tag = element.tagName();
    const bool text = m_settings.ViewText;
    auto addIfNotBlank = [&](Adjacent where, bool inner) {
      std::string adjacent = element.adjacentText(where);
      if (!trimControlAndSpace(adjacent).empty()) add(element, adjacent, inner, BlockClass::RunningText);
    };
    if (IsTextTag(tag) && text) {
      addIfNotBlank(Adjacent::AfterBegin, true);
      addIfNotBlank(Adjacent::AfterEnd, false);
    } else if (tag == "TITLE" && text) {
      add(element, element.innerText(), true, BlockClass::RunningText);
    } else if (tag == "!" && text) {
      addIfNotBlank(Adjacent::AfterEnd, false);
    } else if (tag == "META" && m_settings.ViewMeta) {
      add(element, element.content(), true, BlockClass::HeaderEntry);
    } else if (tag == "IMG") {
      if (m_settings.ViewImages) add(element, element.alt(), true, BlockClass::ImageCaption);
      if (text) addIfNotBlank(Adjacent::AfterEnd, false);
    }
  }

  // Visits the element's event attributes in table order, whatever their order in the tag.
  void addEventAttributeStrings(Element element) {
    const size_t count = element.attributeCount();
    if (count == 0) return;
    std::vector<size_t> present;
    for (size_t i = 0; i < count; ++i) {
      std::string name = asciiUpperCopy(element.attributeName(i));
      if (!name.starts_with("ON")) continue;
      auto it = std::find(kEventAttributes.begin(), kEventAttributes.end(), name);
      if (it != kEventAttributes.end()) present.push_back(static_cast<size_t>(it - kEventAttributes.begin()));
    }
    std::sort(present.begin(), present.end());
    present.erase(std::unique(present.begin(), present.end()), present.end());
    for (size_t index : present) {
      std::string_view name = kEventAttributes[index];
      if (auto value = element.attribute(name))
        addQuotedStrings(element, *value, ScriptStringKind::EventAttribute, name);
    }
  }

  BlockList& m_list;
  BrowserView& m_browser;
  const settings::TGlobalVars& m_settings;
};

}  // namespace

bool ScanDocument(BlockList& list, BrowserView& browser, const settings::TGlobalVars& settings) {
  list.clear();
  list.setDuplicateCount(0);
  bool result = true;
  if (html::Document* document = browser.currentDocument())
    result = Scan(list, browser, settings).run(*document);
  if (list.listener()) list.listener()->scanFinished(list);
  return result;
}

void AddBlock(BlockList& list, BrowserView& browser, Element element, std::string_view text, bool inner,
              BlockClass blockClass, ScriptStringKind scriptKind, int32_t occurrence,
              std::string_view attrName, const settings::TGlobalVars& settings) {
  std::string normalized = normalizeBlockText(text);
  if (normalized.empty()) return;
  auto tag = std::make_unique<TTag>();
  tag->ElementID = element.uniqueID();
  tag->Inner = inner;
  tag->TagName = element.tagName();
  tag->Browser = &browser;
  tag->ScriptKind = scriptKind;
  tag->Occurrence = occurrence;
  tag->AttrName = std::string(attrName);
  if (settings.ItemsFilter) {
    if (TDuplTags* group = list.FindGroupByText(normalized)) {
      list.setDuplicateCount(list.duplicateCount() + 1);
      group->AddTag(std::move(tag));
      group->Text = normalized;
      return;
    }
  }
  auto group = std::make_unique<TDuplTags>();
  group->AddTag(std::move(tag));
  group->Text = normalized;
  group->ListView = &list;
  list.addRow(blockClass, std::move(normalized), std::move(group));
}

}  // namespace tolvane
