#pragma once

#include <memory>
#include <string>

#include "document/browser_view.h"
#include "document/document.h"

namespace tolvane {

// A browser view without a display: it loads a page file into a document and holds it.
class HeadlessView : public BrowserView {
 public:
  html::FileStatus navigate(const std::string& path) override;
  // Shows a document that is already loaded (a page built in memory), as a page load does.
  void show(std::unique_ptr<html::Document> document);
  html::Document* currentDocument() override { return m_document.get(); }

 private:
  void complete(std::unique_ptr<html::Document> document);

  std::unique_ptr<html::Document> m_document;
};

}  // namespace tolvane
