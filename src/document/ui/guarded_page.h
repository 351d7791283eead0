#pragma once

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>

namespace tolvane::ui {

// Refuses every request that is not for our page scheme (or inline data), so a page from a stranger
// loads nothing from the network.
class LocalOnlyInterceptor : public QWebEngineUrlRequestInterceptor {
  Q_OBJECT
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

class PageSchemeHandler;

// The program's own browser profile: off the record (nothing written under the user's home), with
// the page scheme and the interceptor installed. Created on first use, lives as long as the application.
struct BrowserProfile {
  QWebEngineProfile* profile;
  PageSchemeHandler* pages;
};
const BrowserProfile& browserProfile();

// The page of the web view: runs none of the page's scripts and navigates only where the program
// tells it (jumps to an anchor of the page itself are allowed; links elsewhere are not followed).
class GuardedPage : public QWebEnginePage {
  Q_OBJECT
 public:
  explicit GuardedPage(QObject* parent = nullptr);
  // The one page the main frame may show.
  void setAllowedUrl(const QUrl& url) { m_allowedUrl = url; }

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

 private:
  QUrl m_allowedUrl;
};

}  // namespace tolvane::ui
