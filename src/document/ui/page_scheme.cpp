#include "document/ui/page_scheme.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace tolvane::ui {
namespace {

void reply(QWebEngineUrlRequestJob* job, const QByteArray& mimeType, QByteArray bytes) {
  auto* buffer = new QBuffer(job);
  buffer->setData(std::move(bytes));
  job->reply(mimeType, buffer);
}

}  // namespace

void registerPageScheme() {
  QWebEngineUrlScheme scheme(kPageScheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
  scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme |
                  QWebEngineUrlScheme::LocalAccessAllowed);
  QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl pageUrl(const QString& absolutePath) {
  QUrl url;
  url.setScheme(kPageScheme);
  url.setPath(absolutePath);
  return url;
}

PageSchemeHandler::PageSchemeHandler(QObject* parent) : QWebEngineUrlSchemeHandler(parent) {}

void PageSchemeHandler::publish(const QString& absolutePath, MarkupSource markup) {
  m_pages.insert(QDir::cleanPath(absolutePath), std::move(markup));
}

void PageSchemeHandler::withdraw(const QString& absolutePath) {
  m_pages.remove(QDir::cleanPath(absolutePath));
}

// The canonical paths defeat ".." and symbolic links that lead out of the folder.
bool PageSchemeHandler::insidePublishedFolder(const QString& canonicalPath) const {
  for (auto page = m_pages.keyBegin(); page != m_pages.keyEnd(); ++page) {
    const QString folder = QFileInfo(QFileInfo(*page).absolutePath()).canonicalFilePath();
    if (!folder.isEmpty() && canonicalPath.startsWith(folder + '/')) return true;
  }
  return false;
}

void PageSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
  const QString path = QDir::cleanPath(job->requestUrl().path());
  if (auto page = m_pages.constFind(path); page != m_pages.constEnd()) {
    reply(job, "text/html;charset=utf-8", (*page)());
    return;
  }
  const QFileInfo file(path);
  const QString canonical = file.canonicalFilePath();
  if (canonical.isEmpty() || !file.isFile()) {
    job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    return;
  }
  QFile source(canonical);
  if (!insidePublishedFolder(canonical) || !source.open(QIODevice::ReadOnly)) {
    job->fail(QWebEngineUrlRequestJob::RequestDenied);
    return;
  }
  reply(job, QMimeDatabase().mimeTypeForFile(file).name().toUtf8(), source.readAll());
}

}  // namespace tolvane::ui
