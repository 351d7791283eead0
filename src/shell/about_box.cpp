#include "shell/about_box.h"

#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/logo.h"

namespace tolvane::ui {

TfrmAboutBox::TfrmAboutBox(const QString& settingsPath, QWidget* parent)
    : QDialog(parent),
      m_settingsPath(settingsPath),
      m_version(new QLabel),
      m_settings(new QLabel),
      m_notice(new QLabel),
      m_ok(new QPushButton) {
  setObjectName("AboutBox");
  auto* logo = new QLabel;
  logo->setPixmap(logoPixmap());
  logo->setAlignment(Qt::AlignCenter);
  QFont bold = m_version->font();
  bold.setBold(true);
  m_version->setFont(bold);
  m_version->setObjectName("Version");
  for (QLabel* label : {m_version, m_settings, m_notice}) {
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  }

  auto* panel = new QFrame;
  panel->setFrameShape(QFrame::StyledPanel);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->addWidget(logo);
  panelLayout->addWidget(m_version);
  panelLayout->addWidget(m_settings);
  panelLayout->addStretch();
  panelLayout->addWidget(m_notice);

  m_ok->setDefault(true);
  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel, 1);
  layout->addWidget(m_ok, 0, Qt::AlignHCenter);
  setFixedSize(440, 340);
  retranslateUi();
}

void TfrmAboutBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  QDialog::changeEvent(event);
}

void TfrmAboutBox::retranslateUi() {
  setWindowTitle(tr("About"));
  m_version->setText(tr("Version %1").arg(QStringLiteral(TOLVANE_VERSION)));
  m_settings->setText(tr("Settings file:\n%1").arg(QDir::toNativeSeparators(m_settingsPath)));
  m_notice->setText(tr("A tool for translating HTML pages in place.\nFree software; no warranty."));
  m_ok->setText(tr("OK"));
}

}  // namespace tolvane::ui
