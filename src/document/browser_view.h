#pragma once

namespace tolvane::html {
class Document;
}

namespace tolvane {

// The view that shows the live document. The core reaches the page only through it; the desktop
// program's web view and the headless view of the command-line tool and the tests implement it.
class BrowserView {
 public:
  virtual ~BrowserView() = default;
  // The page the view holds, or nullptr when none is loaded.
  virtual html::Document* currentDocument() = 0;
};

}  // namespace tolvane
