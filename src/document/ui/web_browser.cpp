#include "document/ui/web_browser.h"

#include <QFileInfo>
#include <QWebEngineScript>

#include "document/serializer.h"
#include "document/ui/guarded_page.h"
#include "document/ui/page_scheme.h"
#include "document/ui/selection_script.h"

namespace tolvane::ui {

WebBrowser::WebBrowser(QWidget* parent) : QWebEngineView(parent), m_page(new GuardedPage(this)) {
  setPage(m_page);
  connect(m_page, &QWebEnginePage::loadFinished, this, &WebBrowser::engineLoadFinished);
  connect(m_page, &QWebEnginePage::linkHovered, this, &WebBrowser::statusTextChanged);
}

WebBrowser::~WebBrowser() {
  m_alive.reset();
  if (!m_pagePath.isEmpty()) browserProfile().pages->withdraw(m_pagePath);
}

html::FileStatus WebBrowser::navigate(const std::string& path) {
  notify([](BrowserViewListener& l) { l.downloadBegin(); });
  m_document.reset();
  std::string bytes;
  html::FileStatus status = html::readFileBytes(path, bytes);
  if (status) m_document = html::Document::fromBytes(std::move(bytes));

  if (!m_pagePath.isEmpty()) browserProfile().pages->withdraw(m_pagePath);
  m_pagePath = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
  browserProfile().pages->publish(m_pagePath, [this] {
    if (!m_document) return QByteArray();
    return QByteArray::fromStdString(
        html::Serializer::write(*m_document, 0, html::Serializer::Target::Utf8Text));
  });
  m_scrollToRestore = 0;
  show(pageUrl(m_pagePath));

  const std::string title = m_document ? m_document->title() : std::string();
  notify([&](BrowserViewListener& l) { l.titleChange(title); });
  if (m_document) notify([](BrowserViewListener& l) { l.documentComplete(); });
  return status;
}

void WebBrowser::refresh() {
  if (m_pagePath.isEmpty()) return;
  runScript(QStringLiteral("window.scrollY"), [this](const QVariant& scrollY) {
    m_scrollToRestore = scrollY.toDouble();
    show(pageUrl(m_pagePath));
  });
}

void WebBrowser::show(const QUrl& url) {
  m_showing = true;
  m_page->setAllowedUrl(url);
  load(url);
}

void WebBrowser::engineLoadFinished() {
  if (!m_showing) return;
  if (m_scrollToRestore > 0) runScript(QStringLiteral("window.scrollTo(0, %1)").arg(m_scrollToRestore), {});
  m_showing = false;
  const html::Selection selection = m_document ? m_document->selection() : html::Selection{};
  const QString script = m_document ? selectionScript(*m_document, selection) : selectedTextScript();
  runScript(script, [this](const QVariant& text) { emit documentShown(text.toString()); });
}

void WebBrowser::showSelection() {
  if (m_showing || !m_document) return;  // engineLoadFinished shows it
  runScript(selectionScript(*m_document, m_document->selection()),
            [this](const QVariant& text) { emit selectionShown(text.toString()); });
}

void WebBrowser::runScript(const QString& script, const std::function<void(const QVariant&)>& done) {
  if (done)
    m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                          [alive = std::weak_ptr<bool>(m_alive), done](const QVariant& result) {
                            if (!alive.expired()) done(result);
                          });
  else
    m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

}  // namespace tolvane::ui
