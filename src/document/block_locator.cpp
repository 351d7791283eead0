#include "document/block_locator.h"

#include "document/ascii.h"
#include "document/browser_view.h"
#include "document/document.h"

namespace tolvane {
namespace {

using html::Adjacent;
using html::Element;

void selectAdjacent(Element element, bool inner) {
  html::TextRange range = element.document()->createRange();
  if (range.moveToAdjacentText(element, inner ? Adjacent::AfterBegin : Adjacent::AfterEnd)) range.select();
}

void selectWhole(Element element) {
  html::TextRange range = element.document()->createRange();
  range.moveToElementText(element);
  range.select();
}

}  // namespace

void SelectBlock(const TTag& block) {
  html::Document* document = block.Browser ? block.Browser->currentDocument() : nullptr;
  if (!document) return;
  Element element = document->elementByUniqueID(block.ElementID);
  if (!element) return;
  switch (element.kind()) {
    case html::ElementKind::Script:
      if (!block.Inner) selectAdjacent(element, false);
      break;
    case html::ElementKind::Input:
      if (!block.Inner)
        selectAdjacent(element, false);
      else if (!(asciiUpperCopy(element.inputType()) == "IMAGE" ? element.alt() : element.value()).empty())
        selectWhole(element);
      break;
    case html::ElementKind::LineBreak:
      selectAdjacent(element, block.Inner);
      break;
    case html::ElementKind::General: {
      const std::string tag = element.tagName();
      if (tag == "!" || IsTextTag(tag))
        selectAdjacent(element, block.Inner);
      else if (tag == "IMG" && !block.Inner)
        selectAdjacent(element, false);
      else if (tag == "IMG" && !element.alt().empty())
        selectWhole(element);
      break;
    }
    case html::ElementKind::Undefined:
      break;
  }
}

}  // namespace tolvane
