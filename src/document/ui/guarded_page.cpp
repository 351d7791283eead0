#include "document/ui/guarded_page.h"

#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include "document/ui/page_scheme.h"

namespace tolvane::ui {

void LocalOnlyInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
  const QString scheme = info.requestUrl().scheme();
  if (scheme != kPageScheme && scheme != "data" && scheme != "about") info.block(true);
}

const BrowserProfile& browserProfile() {
  static const BrowserProfile profile = [] {
    auto* created = new QWebEngineProfile(QCoreApplication::instance());  // no name: off the record
    auto* pages = new PageSchemeHandler(created);
    created->installUrlSchemeHandler(QByteArray(kPageScheme), pages);
    created->setUrlRequestInterceptor(new LocalOnlyInterceptor(created));
    QWebEngineSettings* settings = created->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    return BrowserProfile{created, pages};
  }();
  return profile;
}

GuardedPage::GuardedPage(QObject* parent) : QWebEnginePage(browserProfile().profile, parent) {}

bool GuardedPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  if (!isMainFrame) return url.scheme() == kPageScheme;
  if (type == NavigationTypeLinkClicked)
    return url.adjusted(QUrl::RemoveFragment) == m_allowedUrl && url.hasFragment();
  return url == m_allowedUrl;
}

}  // namespace tolvane::ui
