#include "support/main_window_fixture.h"

#include <QAction>
#include <QEventLoop>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "document/ui/web_browser.h"
#include "editing/ui/edit_text.h"
#include "editing/ui/tags_list.h"
#include "shell/user_messages.h"

using namespace tolvane::ui;

namespace {
constexpr int kTimeoutMs = 10000;
}

QString readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

MainWindowFixture::MainWindowFixture(const QString& settingsText) {
  QFile settings(settingsPath());
  if (settings.open(QIODevice::WriteOnly)) settings.write(settingsText.toUtf8());
  settings.close();
  setQuestionAnswerer([this](const QString& text, QMessageBox::StandardButtons) {
    questions.append(text);
    return answers.isEmpty() ? QMessageBox::Yes : answers.takeFirst();
  });
  m_window = std::make_unique<TfrmTranslator>(settingsPath());
  m_window->setOpenPathChooser([this] { return m_pathToOpen; });
  m_window->show();
}

MainWindowFixture::~MainWindowFixture() {
  m_window.reset();
  setQuestionAnswerer({});
}

QString MainWindowFixture::page(const QString& name) {
  const QString copy = m_folder.filePath(name);
  QFile::remove(copy);
  QFile::copy(QStringLiteral(TOLVANE_FIXTURES "/") + name, copy);
  QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
  return copy;
}

bool MainWindowFixture::open(const QString& path) {
  QSignalSpy shown(m_window->webBrowser(), &WebBrowser::documentShown);
  m_pathToOpen = path;
  trigger("mniOffnen");
  if (m_window->document()->currentFile() != path) return false;  // cancelled: nothing is loading
  return !shown.isEmpty() || shown.wait(kTimeoutMs);
}

QString MainWindowFixture::selectRow(int row) {
  QSignalSpy shown(m_window->webBrowser(), &WebBrowser::selectionShown);
  QTableView* list = m_window->tagsList()->lvTags();
  list->setCurrentIndex(list->model()->index(row, 1));
  if (shown.isEmpty() && !shown.wait(kTimeoutMs)) return QStringLiteral("<time-out>");
  return shown.takeLast().at(0).toString();
}

bool MainWindowFixture::insert(const QString& text) {
  TfrmEditText* editor = m_window->editor();
  editor->RichEdit()->setFocus();
  editor->RichEdit()->selectAll();
  QTest::keyClicks(editor->RichEdit(), text);
  QSignalSpy shown(m_window->webBrowser(), &WebBrowser::documentShown);
  QTest::mouseClick(editor->btnSetText(), Qt::LeftButton);
  return !shown.isEmpty() || shown.wait(kTimeoutMs);
}

QVariant MainWindowFixture::evaluate(const QString& script) {
  QVariant result;
  QEventLoop loop;
  m_window->webBrowser()->runScript(script, [&](const QVariant& value) {
    result = value;
    loop.quit();
  });
  QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
  loop.exec();
  return result;
}

void MainWindowFixture::trigger(const char* actionName) {
  if (QAction* action = m_window->findChild<QAction*>(actionName)) action->trigger();
}
