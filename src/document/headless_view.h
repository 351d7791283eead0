#pragma once

#include <memory>
#include <string>

#include "document/browser_view.h"
#include "document/document.h"
#include "document/page_file.h"

namespace tolvane {

// A browser view without a display: it loads a page file into a document and holds it.
class HeadlessView : public BrowserView {
 public:
  // Loads the file; on failure the view keeps no document and the status names the file and reason.
  html::FileStatus navigate(const std::string& path);
  // Shows a document that is already loaded (a page built in memory).
  void show(std::unique_ptr<html::Document> document) { m_document = std::move(document); }
  html::Document* currentDocument() override { return m_document.get(); }

 private:
  std::unique_ptr<html::Document> m_document;
};

}  // namespace tolvane
