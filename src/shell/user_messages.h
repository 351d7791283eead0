#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

#include "document/page_file.h"

class QWidget;

namespace tolvane::ui {

// Asks the user a question with the given buttons and returns the answer. Tests and automation
// replace the dialog with setQuestionAnswerer.
QMessageBox::StandardButton askQuestion(QWidget* parent, const QString& text,
                                        QMessageBox::StandardButtons buttons);

// Replaces the question dialog (an empty function restores it). The answerer sees the text and the buttons.
using QuestionAnswerer =
    std::function<QMessageBox::StandardButton(const QString&, QMessageBox::StandardButtons)>;
void setQuestionAnswerer(QuestionAnswerer answerer);

// Shows an information text with an OK button (through the answerer when one is set).
void showMessage(QWidget* parent, const QString& text);

// Shows an error text with an OK button (through the answerer when one is set).
void showError(QWidget* parent, const QString& text);

// The one way a failed file operation reaches the user: a message box with the status's message,
// which names the file and the reason. Does nothing for a success. Returns whether it succeeded.
bool reportFileStatus(QWidget* parent, const html::FileStatus& status);

}  // namespace tolvane::ui
