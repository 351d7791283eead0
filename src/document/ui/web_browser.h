#pragma once

#include <QUrl>
#include <QWebEngineView>
#include <functional>
#include <memory>

#include "document/browser_view.h"
#include "document/document.h"

namespace tolvane::ui {

class GuardedPage;

// The page view of the main window. It holds the live document: navigate() reads and parses the
// file and tells the core's listeners at once; the web engine then shows the document's markup
// (served from memory) and, once it has loaded, the document's selection. The view never writes
// back into the document.
class WebBrowser : public QWebEngineView, public BrowserView {
  Q_OBJECT
 public:
  explicit WebBrowser(QWidget* parent = nullptr);
  ~WebBrowser() override;

  html::Document* currentDocument() override { return m_document.get(); }
  html::FileStatus navigate(const std::string& path) override;

  // Shows the live document again after an edit, at the same scroll position, with its selection.
  void refresh();
  // Makes the view's selection the document's selection (after the page has loaded, if it is loading).
  void showSelection();
  // Runs script in the isolated world, where it works although the page's own scripts are off.
  void runScript(const QString& script, const std::function<void(const QVariant&)>& done);
  // True while the engine has not finished showing the latest navigate() or refresh().
  bool isShowing() const { return m_showing; }

 signals:
  // The engine has shown the document and its selection; selectedText is the view's selection.
  void documentShown(const QString& selectedText);
  void selectionShown(const QString& selectedText);
  void statusTextChanged(const QString& text);

 private:
  void show(const QUrl& url);
  void engineLoadFinished();

  std::unique_ptr<html::Document> m_document;
  GuardedPage* m_page;
  // Expires when the view goes: the engine may still answer a pending script while it tears down.
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
  QString m_pagePath;
  bool m_showing = false;
  double m_scrollToRestore = 0;
};

}  // namespace tolvane::ui
