// Fuzzes the document model: any input must load and be written back byte for byte, answer
// every read operation, and take one edit whose page loads again and is then written back
// unchanged. A broken promise aborts, so that libFuzzer keeps the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/document.h"

namespace {

using namespace tolvane::html;

void check(bool condition, const char* promise) {
  if (condition) return;
  std::fprintf(stderr, "document_fuzz: broken promise: %s\n", promise);
  std::abort();
}

// The reads over a subtree (inner text, outer markup, text ranges) cost its size; a budget of
// written bytes keeps a deeply nested page from making one input quadratic.
constexpr size_t kSubtreeBudget = 8 * 1024 * 1024;

// Text that needs every kind of escaping: markup characters, quotes, a would-be end of a script,
// comment or CDATA section, and characters outside ASCII and outside the BMP.
constexpr std::string_view kEditText = "x<&>\"' </script></style>--> ]]> caf\xC3\xA9 \xF0\x9F\x98\x80";

// Every read an element answers; the sanitizers watch what they touch.
void readElement(Element element, size_t& budget) {
  element.tagName();
  element.isComment();
  check(element.kind() != ElementKind::Undefined, "every element has a kind");
  check(element.document()->elementByUniqueID(element.uniqueID()) == element, "uniqueID finds its element");
  element.adjacentText(Adjacent::AfterBegin);
  element.adjacentText(Adjacent::AfterEnd);
  for (std::string_view name : {"alt", "value", "content", "type", "src", "ALT"}) element.attribute(name);
  if (budget == 0) return;

  size_t subtree = element.outerHTML().size() + element.innerText().size() + element.textContent().size();
  TextRange range = element.document()->createRange();
  range.moveToElementText(element);
  std::string text = range.text();
  if (!text.empty()) {
    std::string start = text.substr(0, 3);
    check(range.findText(start) && range.text() == start, "a range finds the start of its own text");
  }
  range.select();
  budget = subtree + text.size() >= budget ? 0 : budget - subtree - text.size();
}

void readAll(Document& document) {
  size_t budget = kSubtreeBudget;
  document.title();
  for (size_t i = 0; i < document.length(); ++i) readElement(document.item(i), budget);
  check(!document.item(document.length()), "an index past the end gives a null handle");
  check(!document.elementByUniqueID("tv_id0"), "an unknown uniqueID gives a null handle");
  document.emptySelection();
}

// The edit is chosen by the first byte: its low three bits pick the operation, the others the
// element, spread over the whole page.
bool edit(Document& document, uint8_t choice) {
  Element element = document.item((choice >> 3) * document.length() / 32);
  switch (choice & 7) {
    case 0:
      return element.replaceAdjacentText(Adjacent::AfterBegin, kEditText);
    case 1:
      return element.replaceAdjacentText(Adjacent::AfterEnd, kEditText);
    case 2:
      return element.setTextContent(kEditText);
    case 3:
      return element.setAttribute("title", kEditText);
    case 4:
      return element.setAttribute("data-Added", kEditText);
    case 5:
      return element.setValue(kEditText);
    case 6:
      return document.setTitle(kEditText);
    default:
      return element.setScriptCode(kEditText);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  auto document = Document::fromBytes(input);
  check(document->markup() == input, "an unedited page is written back byte for byte");
  check(document->documentElement().tagName() == "HTML", "the root element exists");
  readAll(*document);

  if (size == 0) return 0;
  bool changed = edit(*document, data[0]);
  std::string edited = document->markup();
  if (!changed) check(edited == input, "an edit that was refused changes nothing");

  auto reloaded = Document::fromBytes(edited);
  check(reloaded->markup() == edited, "an edited page loads again and is written back unchanged");
  readAll(*reloaded);
  return 0;
}
