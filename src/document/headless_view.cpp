#include "document/headless_view.h"

namespace tolvane {

html::FileStatus HeadlessView::navigate(const std::string& path) {
  m_document.reset();
  std::string bytes;
  html::FileStatus status = html::readFileBytes(path, bytes);
  if (status) m_document = html::Document::fromBytes(std::move(bytes));
  return status;
}

}  // namespace tolvane
