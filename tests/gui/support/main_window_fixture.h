#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

#include "shell/main_window.h"

namespace tolvane::ui {
class WebBrowser;
}

// A main window on a temporary folder that holds copies of the fixture pages and its own settings
// file; questions are answered from a script and recorded.
class MainWindowFixture {
 public:
  // settingsText: the .ini file to start with.
  explicit MainWindowFixture(const QString& settingsText = QStringLiteral("[MainOptions]\r\nAutoSave=0\r\n"));
  ~MainWindowFixture();

  tolvane::ui::TfrmTranslator& window() { return *m_window; }
  // A copy of tests/fixtures/name in the temporary folder.
  QString page(const QString& name);
  QString folder() const { return m_folder.path(); }
  QString settingsPath() const { return m_folder.filePath(QStringLiteral("tolvane.ini")); }

  // Opens path through File > Open and waits until the view shows it. False when the open was
  // cancelled or timed out.
  bool open(const QString& path);
  // Selects a row of the tags list and waits until the view shows the selection; returns the
  // text the view reports as selected.
  QString selectRow(int row);
  // Types text into the editor (replacing what is there) and presses "Einfügen"; waits until the
  // view shows the changed page.
  bool insert(const QString& text);
  // Runs script in the view's isolated world and returns its result.
  QVariant evaluate(const QString& script);
  // Triggers the main window's action with that object name.
  void trigger(const char* actionName);

  // The answers the next questions get, in order (Yes when the list is empty), and what was asked.
  QList<QMessageBox::StandardButton> answers;
  QStringList questions;

 private:
  QTemporaryDir m_folder;
  std::unique_ptr<tolvane::ui::TfrmTranslator> m_window;
  QString m_pathToOpen;
};

QString readFile(const QString& path);
