#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "document/page_file.h"

namespace tolvane::html {
class Document;
}

namespace tolvane {

// Told what the browser view is doing, in this order for every page load.
class BrowserViewListener {
 public:
  virtual ~BrowserViewListener() = default;
  virtual void downloadBegin() {}
  virtual void titleChange(const std::string& /*title*/) {}
  virtual void documentComplete() {}
};

// The view that shows the live document. The core reaches the page only through it; the desktop
// program's web view and the headless view of the command-line tool and the tests implement it.
class BrowserView {
 public:
  virtual ~BrowserView() = default;
  // The page the view holds, or nullptr when none is loaded.
  virtual html::Document* currentDocument() = 0;
  // Loads the page file and tells the listeners; on failure the view holds no page and the status
  // names the file and the reason.
  virtual html::FileStatus navigate(const std::string& path) = 0;

  void addListener(BrowserViewListener* listener) { m_listeners.push_back(listener); }
  void removeListener(BrowserViewListener* listener) { std::erase(m_listeners, listener); }

 protected:
  template <typename Call>
  void notify(Call call) {
    for (BrowserViewListener* listener : std::vector<BrowserViewListener*>(m_listeners)) call(*listener);
  }

 private:
  std::vector<BrowserViewListener*> m_listeners;
};

}  // namespace tolvane
