#include "document/headless_view.h"

namespace tolvane {

html::FileStatus HeadlessView::navigate(const std::string& path) {
  notify([](BrowserViewListener& l) { l.downloadBegin(); });
  m_document.reset();
  std::string bytes;
  html::FileStatus status = html::readFileBytes(path, bytes);
  if (status) complete(html::Document::fromBytes(std::move(bytes)));
  return status;
}

void HeadlessView::show(std::unique_ptr<html::Document> document) {
  notify([](BrowserViewListener& l) { l.downloadBegin(); });
  complete(std::move(document));
}

void HeadlessView::complete(std::unique_ptr<html::Document> document) {
  m_document = std::move(document);
  const std::string title = m_document ? m_document->title() : std::string();
  notify([&](BrowserViewListener& l) { l.titleChange(title); });
  notify([](BrowserViewListener& l) { l.documentComplete(); });
}

}  // namespace tolvane
