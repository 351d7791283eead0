#include "exchange/ui/import_export_wizard.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "editing/ui/block_icons.h"
#include "settings/ui/language_switch.h"

namespace tolvane::ui {
namespace {

constexpr int kPictureWidth = 145;

// The decorative side picture: the five block tiles falling from a text line into a template.
QPixmap wizardPicture(int height) {
  QPixmap pixmap(kPictureWidth, height);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient background(0, 0, 0, height);
  background.setColorAt(0, QColor(24, 52, 110));
  background.setColorAt(1, QColor(48, 96, 170));
  painter.fillRect(pixmap.rect(), background);
  for (int i = 0; i < 5; ++i)
    paintBlockTile(painter, static_cast<BlockClass>(i), QRect(22 + (i % 2) * 56, 28 + i * 48, 44, 40));
  return pixmap;
}

QString withSeparator(QString folder) {
  const QChar separator = QDir::separator();
  if (!folder.endsWith(separator)) folder += separator;
  return folder;
}

QLineEdit* readOnlyField(const char* name) {
  auto* field = new QLineEdit;
  field->setObjectName(name);
  field->setReadOnly(true);
  return field;
}

QToolButton* pickerButton(const char* name) {
  auto* button = new QToolButton;
  button->setObjectName(name);
  button->setText(QStringLiteral("..."));
  return button;
}

QLabel* wrappedLabel(const char* name, const QString& text) {
  auto* label = new QLabel(text);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QWidget* page(const char* name, QLabel* text, QLayout* fields) {
  auto* widget = new QWidget;
  widget->setObjectName(name);
  auto* layout = new QVBoxLayout(widget);
  layout->setContentsMargins(8, 8, 8, 0);
  layout->addWidget(text);
  if (fields) layout->addLayout(fields);
  layout->addStretch(1);
  return widget;
}

}  // namespace

TfrmImportExport::TfrmImportExport(settings::TGlobalVars& settings, TImport& import, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_import(import) {
  setObjectName("frmImportExport");
  setWindowTitle(tr("Import/Export"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setFixedSize(456, 295);

  const QString start = QString::fromStdString(m_settings.ExportFolder);
  m_chooseFolder = [this](const QString& instruction) {
    return QFileDialog::getExistingDirectory(this, instruction, QString(), QFileDialog::ShowDirsOnly);
  };
  m_chooseOpenFile = [this](const QString& filter, const QString& folder) {
    return QFileDialog::getOpenFileName(this, QString(), folder, filter);
  };
  m_chooseSaveFile = [this](const QString& filter, const QString& folder) {
    return QFileDialog::getSaveFileName(this, QString(), folder, filter);
  };

  auto* picture = new QLabel;
  picture->setObjectName("Image1");
  picture->setPixmap(wizardPicture(height()));
  picture->setFixedWidth(kPictureWidth);

  Notebook = new QStackedWidget;
  Notebook->setObjectName("Notebook");
  Notebook->addWidget(createExportPage1());
  Notebook->addWidget(createExportPage2());
  Notebook->addWidget(createImportPage1());
  Notebook->addWidget(createImportPage2());
  connect(Notebook, &QStackedWidget::currentChanged, this, &TfrmImportExport::NotebookPageChanged);

  BitBtn1 = new QPushButton(tr("Cancel"));
  BitBtn1->setObjectName("BitBtn1");
  btnBack = new QPushButton(tr("< Back"));
  btnBack->setObjectName("btnBack");
  btnNext = new QPushButton;
  btnNext->setObjectName("btnNext");
  btnNext->setDefault(true);
  for (QPushButton* button : {BitBtn1, btnBack, btnNext}) button->setFixedSize(75, 24);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnBack, &QPushButton::clicked, this, &TfrmImportExport::btnBackClick);
  connect(btnNext, &QPushButton::clicked, this, &TfrmImportExport::btnNextClick);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(BitBtn1);
  buttons->addSpacing(8);
  buttons->addWidget(btnBack);
  buttons->addWidget(btnNext);
  auto* right = new QVBoxLayout;
  right->setContentsMargins(0, 0, 8, 8);
  right->addWidget(Notebook, 1);
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture);
  layout->addLayout(right, 1);

  LbOutFolder->setText(start);
  NotebookPageChanged();
}

QWidget* TfrmImportExport::createExportPage1() {
  LbOutFolder = readOnlyField("LbOutFolder");
  LbOutFolder->installEventFilter(this);
  auto* SpeedButton1 = new QToolButton;
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  SpeedButton1->setToolTip(messageText("Res007"));
  connect(SpeedButton1, &QToolButton::clicked, this, &TfrmImportExport::SpeedButton1Click);
  auto* fields = new QHBoxLayout;
  fields->addWidget(new QLabel(tr("Output folder: ")));
  fields->addWidget(LbOutFolder, 1);
  fields->addWidget(SpeedButton1);
  return page(
      "Export1",
      wrappedLabel("Label1", tr("This wizard separates all text blocks of the HTML document and saves "
                                "them in a separate text file. It also creates a template for joining "
                                "the extracted texts into a complete HTML file again later.")),
      fields);
}

QWidget* TfrmImportExport::createExportPage2() {
  return page(
      "Export2",
      wrappedLabel("Label2", tr("WARNING:\nDo not change the control marks <0..x> inserted into the "
                                "text file. Otherwise the two files cannot be combined again later!")),
      nullptr);
}

QWidget* TfrmImportExport::createImportPage1() {
  edTmpFile = readOnlyField("edTmpFile");
  edTxtFile = readOnlyField("edTxtFile");
  auto* SpeedButton2 = pickerButton("SpeedButton2");
  auto* SpeedButton3 = pickerButton("SpeedButton3");
  auto pickInto = [this](QLineEdit* field, const QString& filter) {
    const QString path = m_chooseOpenFile(filter, QString::fromStdString(m_settings.ExportFolder));
    if (!path.isEmpty()) field->setText(path);
  };
  connect(SpeedButton2, &QToolButton::clicked, this,
          [=, this] { pickInto(edTmpFile, tr("Template files (*.vexp *.VEXP)")); });
  connect(SpeedButton3, &QToolButton::clicked, this,
          [=, this] { pickInto(edTxtFile, tr("Text files (*.txt *.TXT)")); });
  // Filling a field may enable the next step; it never disables it.
  for (QLineEdit* field : {edTmpFile, edTxtFile})
    connect(field, &QLineEdit::textChanged, this, [this] {
      if (!edTmpFile->text().isEmpty() && !edTxtFile->text().isEmpty()) btnNext->setEnabled(true);
    });
  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(tr("Template:")), 0, 0);
  fields->addWidget(edTmpFile, 0, 1);
  fields->addWidget(SpeedButton2, 0, 2);
  fields->addWidget(new QLabel(tr("Text file:")), 1, 0);
  fields->addWidget(edTxtFile, 1, 1);
  fields->addWidget(SpeedButton3, 1, 2);
  return page(
      "Import1",
      wrappedLabel("Label3", tr("This wizard joins the extracted texts and the template created with "
                                "them into an HTML document again. Make sure that the template has not "
                                "been changed and that the control marks inserted into the text file "
                                "are still there.")),
      fields);
}

QWidget* TfrmImportExport::createImportPage2() {
  edOutputFile = new QLineEdit;
  edOutputFile->setObjectName("edOutputFile");
  auto* SpeedButton4 = pickerButton("SpeedButton4");
  connect(SpeedButton4, &QToolButton::clicked, this, &TfrmImportExport::SpeedButton4Click);
  auto* fields = new QHBoxLayout;
  fields->addWidget(new QLabel(tr("Output file:")));
  fields->addWidget(edOutputFile, 1);
  fields->addWidget(SpeedButton4);
  return page("Import2",
              wrappedLabel("Label4", tr("Enter the path and the name of the HTML document to be created.")),
              fields);
}

void TfrmImportExport::setActivePage(Page page) {
  Notebook->setCurrentIndex(static_cast<int>(page));
  NotebookPageChanged();  // also when the page shown does not change
}

TfrmImportExport::Page TfrmImportExport::activePage() const {
  return static_cast<Page>(Notebook->currentIndex());
}

void TfrmImportExport::NotebookPageChanged() {
  m_nextCloses = false;
  btnBack->setVisible(true);
  btnBack->setEnabled(true);
  btnNext->setVisible(true);
  btnNext->setEnabled(true);
  switch (activePage()) {
    case Page::Export1:
      btnBack->setVisible(false);
      btnNext->setText(messageText("Res008"));
      btnNext->setEnabled(!LbOutFolder->text().isEmpty());
      break;
    case Page::Export2:
      btnNext->setText(tr("Export"));
      m_nextCloses = true;
      break;
    case Page::Import1:
      btnBack->setVisible(false);
      btnNext->setText(messageText("Res008"));
      btnNext->setEnabled(!edTxtFile->text().isEmpty() && !edTmpFile->text().isEmpty());
      break;
    case Page::Import2:
      btnNext->setText(tr("Import"));
      btnNext->setEnabled(!edOutputFile->text().isEmpty());
      m_nextCloses = true;
      break;
  }
}

void TfrmImportExport::btnNextClick() {
  if (m_nextCloses) {
    if (activePage() == Page::Import2) copyToImport();
    accept();
    return;
  }
  setActivePage(activePage() == Page::Export1 ? Page::Export2 : Page::Import2);
  if (activePage() == Page::Import2) copyToImport();
}

void TfrmImportExport::btnBackClick() {
  setActivePage(activePage() == Page::Export2 ? Page::Export1 : Page::Import1);
}

void TfrmImportExport::copyToImport() {
  m_import.TxtFile = edTxtFile->text();
  m_import.TmpFile = edTmpFile->text();
  m_import.OutputFile = edOutputFile->text();
}

void TfrmImportExport::SpeedButton1Click() {
  const QString folder = m_chooseFolder(messageText("Res007"));
  if (!folder.isEmpty()) storeExportFolder(withSeparator(QDir::toNativeSeparators(folder)));
  btnNext->setEnabled(!LbOutFolder->text().isEmpty());
  raise();
  activateWindow();
}

void TfrmImportExport::LbOutFolderExit() {
  if (!LbOutFolder->text().isEmpty()) storeExportFolder(withSeparator(LbOutFolder->text()));
}

void TfrmImportExport::storeExportFolder(const QString& folder) {
  LbOutFolder->setText(folder);
  m_settings.ExportFolder = folder.toStdString();
}

void TfrmImportExport::SpeedButton4Click() {
  QString path =
      m_chooseSaveFile(tr("HTML files (*.htm *.html)"), QString::fromStdString(m_settings.ExportFolder));
  if (!path.isEmpty()) {
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".htm");
    edOutputFile->setText(path);
  }
  btnNext->setEnabled(!edOutputFile->text().isEmpty());
}

bool TfrmImportExport::eventFilter(QObject* watched, QEvent* event) {
  if (watched == LbOutFolder && event->type() == QEvent::FocusOut) LbOutFolderExit();
  return QDialog::eventFilter(watched, event);
}

}  // namespace tolvane::ui
