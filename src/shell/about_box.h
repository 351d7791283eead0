#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tolvane::ui {

// "About": the logo, the version compiled into the program, and where its settings are kept.
class TfrmAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAboutBox(const QString& settingsPath, QWidget* parent = nullptr);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslateUi();

  QString m_settingsPath;
  QLabel* m_version;
  QLabel* m_settings;
  QLabel* m_notice;
  QPushButton* m_ok;
};

}  // namespace tolvane::ui
