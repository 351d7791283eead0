#include "document/page_markup.h"

#include "document/browser_view.h"
#include "document/document.h"

namespace tolvane {

html::Document* GetHTMLDocument(BrowserView& browser) {
  return browser.currentDocument();
}

std::string GetPageMarkup(BrowserView& browser) {
  html::Document* document = GetHTMLDocument(browser);
  return document ? document->markup() : std::string();
}

html::FileStatus SaveTextToFile(std::string_view text, const std::string& fileName) {
  text = text.substr(0, text.find('\0'));
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  size_t i = 0;
  while (i < text.size()) {
    size_t end = text.find_first_of("\r\n", i);
    if (end == std::string_view::npos) end = text.size();
    out.append(text, i, end - i);
    out += "\r\n";
    i = end;
    if (i < text.size()) i += text.compare(i, 2, "\r\n") == 0 ? 2 : 1;
  }
  return html::writeFileAtomically(fileName, out);
}

html::FileStatus SaveCurrentDocument(BrowserView& browser, DocumentState& state) {
  if (state.CurrentFileName.empty()) return {};
  std::string markup = GetPageMarkup(browser);
  if (!markup.empty()) {
    html::FileStatus status = html::writeFileAtomically(state.CurrentFileName, markup);
    if (!status) return status;
  }
  state.DocModified = false;
  return {};
}

}  // namespace tolvane
