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
  return html::writeFileAtomically(fileName, html::WithCrLfLineEnds(text.substr(0, text.find('\0'))));
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
