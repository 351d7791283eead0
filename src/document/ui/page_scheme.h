#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>
#include <functional>

namespace tolvane::ui {

// The URL scheme under which the web view sees our live document: "tolvane:" followed by the page
// file's absolute path. Must be registered before the application object is created.
inline constexpr char kPageScheme[] = "tolvane";
void registerPageScheme();
QUrl pageUrl(const QString& absolutePath);

// Serves the page URL from memory (the live document's markup) and files below the page's folder
// from disk; everything else is refused, so the view never reads outside the page's folder.
class PageSchemeHandler : public QWebEngineUrlSchemeHandler {
  Q_OBJECT
 public:
  using MarkupSource = std::function<QByteArray()>;

  explicit PageSchemeHandler(QObject* parent = nullptr);
  // Serves absolutePath from markup (UTF-8) and opens its folder, until withdrawn.
  void publish(const QString& absolutePath, MarkupSource markup);
  void withdraw(const QString& absolutePath);
  void requestStarted(QWebEngineUrlRequestJob* job) override;

 private:
  bool insidePublishedFolder(const QString& canonicalPath) const;

  QHash<QString, MarkupSource> m_pages;  // cleaned absolute path → markup
};

}  // namespace tolvane::ui
