#include "shell/user_messages.h"

#include <QApplication>

namespace tolvane::ui {
namespace {

QuestionAnswerer& answerer() {
  static QuestionAnswerer instance;
  return instance;
}

}  // namespace

QMessageBox::StandardButton askQuestion(QWidget* parent, const QString& text,
                                        QMessageBox::StandardButtons buttons) {
  if (answerer()) return answerer()(text, buttons);
  return QMessageBox::question(parent, QApplication::applicationDisplayName(), text, buttons);
}

void setQuestionAnswerer(QuestionAnswerer replacement) {
  answerer() = std::move(replacement);
}

void showMessage(QWidget* parent, const QString& text) {
  if (answerer())
    answerer()(text, QMessageBox::Ok);
  else
    QMessageBox::information(parent, QApplication::applicationDisplayName(), text);
}

void showError(QWidget* parent, const QString& text) {
  if (answerer())
    answerer()(text, QMessageBox::Ok);
  else
    QMessageBox::warning(parent, QApplication::applicationDisplayName(), text);
}

bool reportFileStatus(QWidget* parent, const html::FileStatus& status) {
  if (status) return true;
  showError(parent, QString::fromStdString(status.error));
  return false;
}

}  // namespace tolvane::ui
