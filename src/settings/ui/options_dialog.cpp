#include "settings/ui/options_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tolvane::ui {
namespace {

QCheckBox* checkBox(const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption);
  box->setObjectName(name);
  return box;
}

QWidget* pageWith(const char* name, QGroupBox* group) {
  auto* page = new QWidget;
  page->setObjectName(name);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(group);
  layout->addStretch(1);
  return page;
}

}  // namespace

TfrmOptions::TfrmOptions(QWidget* parent) : QDialog(parent) {
  setObjectName("frmOptions");
  setWindowTitle(tr("Options"));

  auto* pages = new QTabWidget;
  pages->setObjectName("PageControl1");
  pages->addTab(createGeneralPage(), tr("General"));
  pages->addTab(createHtmlPage(), tr("HTML"));

  auto* buttons = new QDialogButtonBox;
  QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName("btnOK");
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
  cancel->setObjectName("btnCancel");
  cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  cancel->setToolTip(tr("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages, 1);
  layout->addWidget(buttons);
  // Never narrower than a caption: some languages need more than the usual width.
  setFixedSize(std::max(294, sizeHint().width()), 293);

  connect(bxScripts, &QCheckBox::clicked, this, &TfrmOptions::bxScriptsClick);
  for (QCheckBox* box : {bxScripts, bxAutoSave}) box->installEventFilter(this);
}

QWidget* TfrmOptions::createGeneralPage() {
  bxFilter = checkBox("bxFilter", tr("Filter duplicate entries"));
  bxDelete = checkBox("bxDelete", tr("Text blocks may be emptied"));
  bxMSWord = checkBox("bxMSWord", tr("Use the word processor as the default editor"));
  bxAutoSave = checkBox("bxAutoSave", tr("Save automatically on every change"));
  auto* separator = new QFrame;
  separator->setFrameShape(QFrame::HLine);
  separator->setFrameShadow(QFrame::Sunken);

  auto* group = new QGroupBox;
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(bxFilter);
  layout->addWidget(bxDelete);
  layout->addWidget(separator);
  layout->addWidget(bxMSWord);
  layout->addWidget(bxAutoSave);
  return pageWith("Allgemein", group);
}

QWidget* TfrmOptions::createHtmlPage() {
  bxPlaintext = checkBox("bxPlaintext", tr("Plain &text"));
  bxImgalt = checkBox("bxImgalt", tr("&Image captions"));
  bxContent = checkBox("bxContent", tr("&Header information"));
  bxValueBox = checkBox("bxValueBox", tr("Value fields"));
  bxScripts = checkBox("bxScripts", tr("Scripts"));

  auto* group = new QGroupBox(tr("HTML commands"));
  auto* layout = new QVBoxLayout(group);
  for (QCheckBox* box : {bxPlaintext, bxImgalt, bxContent, bxValueBox, bxScripts}) layout->addWidget(box);
  return pageWith("HTML", group);
}

void TfrmOptions::load(const settings::TGlobalVars& vars) {
  // Auto-save last, so that the dialog shows the stored flags even when they break the scripts rule.
  bxFilter->setChecked(vars.ItemsFilter);
  bxDelete->setChecked(vars.EmptyDelete);
  bxPlaintext->setChecked(vars.ViewText);
  bxContent->setChecked(vars.ViewMeta);
  bxImgalt->setChecked(vars.ViewImages);
  bxScripts->setChecked(vars.ViewScripts);
  bxValueBox->setChecked(vars.ViewValue);
  bxMSWord->setChecked(vars.UseMSWord);
  bxAutoSave->setChecked(vars.AutoSave);
}

void TfrmOptions::store(settings::TGlobalVars& vars) const {
  vars.ItemsFilter = bxFilter->isChecked();
  vars.EmptyDelete = bxDelete->isChecked();
  vars.ViewText = bxPlaintext->isChecked();
  vars.ViewMeta = bxContent->isChecked();
  vars.ViewImages = bxImgalt->isChecked();
  vars.ViewScripts = bxScripts->isChecked();
  vars.ViewValue = bxValueBox->isChecked();
  vars.UseMSWord = bxMSWord->isChecked();
  vars.AutoSave = bxAutoSave->isChecked();
}

void TfrmOptions::bxScriptsClick() {
  if (bxScripts->isChecked()) bxAutoSave->setChecked(true);
}

bool TfrmOptions::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) bxScriptsClick();
  return QDialog::eventFilter(watched, event);
}

}  // namespace tolvane::ui
