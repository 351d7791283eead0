#include "shell/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "docking/ui/dock_controller.h"
#include "document/ui/web_browser.h"
#include "editing/ui/edit_text.h"
#include "editing/ui/tags_list.h"
#include "settings/ui/language_switch.h"
#include "shell/about_box.h"
#include "shell/user_messages.h"

namespace tolvane::ui {

TfrmTranslator::TfrmTranslator(const QString& settingsPath, QWidget* parent)
    : QMainWindow(parent),
      m_settingsPath(settingsPath),
      m_language(new LanguageSwitch(this)),
      m_browser(new WebBrowser),
      m_document(new DocumentController(*m_browser, m_settings, this)) {
  setObjectName("frmTranslator");
  m_chooseOpenPath = [this] {
    return QFileDialog::getOpenFileName(this, QString(), QString(), tr("HTML file (*.html *.htm)"));
  };
  m_chooseSavePath = [this] {
    return QFileDialog::getSaveFileName(this, QString(), m_document->currentFile(),
                                        tr("HTML file (*.html *.htm);;All files (*)"));
  };
  createActions();
  createMenus();
  createToolBar();
  createCentralArea();
  createStatusBar();
  createDockWindows();
  m_browser->addListener(this);
  connect(m_document, &DocumentController::stateChanged, this, &TfrmTranslator::SetCrls);
  connect(m_document, &DocumentController::currentFileChanged, this, &QWidget::setWindowTitle);

  resize(646, 521);
  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());

  const QString programFolder = QCoreApplication::applicationDirPath();
  settings::LoadSettings(m_settings, m_settingsPath.toStdString(), programFolder.toStdString());
  SetCrls();
  SwitchLanguage(m_settings.Deutsch ? settings::Language::German : settings::Language::English);
  retranslateUi();  // at once, not when the posted language change arrives
}

TfrmTranslator::~TfrmTranslator() {
  m_browser->removeListener(this);
  // The tool windows listen to the view, which goes with this window's children: they go first.
  delete m_editor;
  delete m_tagsList;
}

void TfrmTranslator::createActions() {
  auto make = [this](QAction*& action, const char* name, QKeySequence shortcut = {}) {
    action = new QAction(this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
  };
  make(mniOffnen, "mniOffnen", QKeySequence(Qt::CTRL | Qt::Key_O));
  make(mniSichern, "mniSichern", QKeySequence(Qt::CTRL | Qt::Key_S));
  make(mniSichernals, "mniSichernals", QKeySequence(Qt::Key_F5));
  make(mniExportiren, "mniExportiren", QKeySequence(Qt::Key_F7));
  make(Importieren1, "Importieren1", QKeySequence(Qt::Key_F8));
  make(Beenden1, "Beenden1");
  make(mniEnglish, "mniEnglish");
  make(mniDeutsch, "mniDeutsch");
  make(Optionen1, "Optionen1");
  make(mniTagList, "mniTagList", QKeySequence(Qt::Key_F12));
  make(mniInplaceEditor, "mniInplaceEditor", QKeySequence(Qt::Key_F11));
  make(berdasProgramm1, "berdasProgramm1");
  make(btnContentUndo, "btnContentUndo");

  mniOffnen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  mniSichern->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  Beenden1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  btnContentUndo->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
  for (QAction* language : {mniEnglish, mniDeutsch}) language->setCheckable(true);
  for (QAction* toggle : {mniTagList, mniInplaceEditor}) toggle->setCheckable(true);

  connect(mniOffnen, &QAction::triggered, this, [this] { m_document->open(m_chooseOpenPath); });
  connect(mniSichern, &QAction::triggered, m_document, &DocumentController::save);
  connect(mniSichernals, &QAction::triggered, this, [this] { m_document->saveAs(m_chooseSavePath); });
  connect(btnContentUndo, &QAction::triggered, m_document, &DocumentController::contentUndo);
  connect(Beenden1, &QAction::triggered, this, &QWidget::close);
  connect(mniEnglish, &QAction::triggered, this, [this] { SwitchLanguage(settings::Language::English); });
  connect(mniDeutsch, &QAction::triggered, this, [this] { SwitchLanguage(settings::Language::German); });
  connect(berdasProgramm1, &QAction::triggered, this, &TfrmTranslator::mniAboutClick);
  connect(mniExportiren, &QAction::triggered, this, &TfrmTranslator::mniExportirenClick);
  connect(Importieren1, &QAction::triggered, this, &TfrmTranslator::Importieren1Click);
  connect(Optionen1, &QAction::triggered, this, &TfrmTranslator::Optionen1Click);
}

void TfrmTranslator::createMenus() {
  File1 = menuBar()->addMenu(QString());
  File1->addAction(mniOffnen);
  File1->addSeparator();
  File1->addActions({mniSichern, mniSichernals});
  File1->addSeparator();
  File1->addActions({mniExportiren, Importieren1});
  File1->addSeparator();
  File1->addAction(Beenden1);
  Extra1 = menuBar()->addMenu(QString());
  Sprache1 = Extra1->addMenu(QString());
  Sprache1->addActions({mniEnglish, mniDeutsch});
  Extra1->addAction(Optionen1);
  Window1 = menuBar()->addMenu(QString());
  Window1->addActions({mniTagList, mniInplaceEditor});
  N3 = menuBar()->addMenu(QString());
  N3->addAction(berdasProgramm1);
}

void TfrmTranslator::createToolBar() {
  ToolBar1 = addToolBar(QString());
  ToolBar1->setObjectName("ToolBar1");
  ToolBar1->setMovable(false);
  ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
  ToolBar1->addActions({mniOffnen, mniSichern});
  ToolBar1->addSeparator();
  ToolBar1->addAction(btnContentUndo);
  PB = new QProgressBar;
  PB->setObjectName("PB");
  PB->setRange(0, 100);
  m_progressItem = ToolBar1->addWidget(PB);
  m_progressItem->setVisible(false);  // the export and import show it
}

void TfrmTranslator::createCentralArea() {
  m_titlePanel = new QLabel;
  m_titlePanel->setObjectName("TitlePanel");
  m_titlePanel->setAutoFillBackground(true);
  m_titlePanel->setFixedHeight(23);
  QFont bold = m_titlePanel->font();
  bold.setBold(true);
  m_titlePanel->setFont(bold);
  QPalette colours = m_titlePanel->palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::Active, QPalette::Highlight));
  colours.setColor(QPalette::WindowText, Qt::white);
  m_titlePanel->setPalette(colours);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_titlePanel);
  layout->addWidget(m_browser, 1);
  m_browser->setObjectName("WebBrowser");
  setCentralWidget(central);
  connect(m_browser, &WebBrowser::statusTextChanged, this, [this](const QString& text) {
    m_statusPanels[3]->setText(text);
    SetCrls();
  });
}

void TfrmTranslator::createStatusBar() {
  constexpr int widths[] = {120, 150, 180, 50};
  for (size_t i = 0; i < m_statusPanels.size(); ++i) {
    m_statusPanels[i] = new QLabel;
    m_statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    m_statusPanels[i]->setMinimumWidth(widths[i]);
    statusBar()->addWidget(m_statusPanels[i], i == 3 ? 1 : 0);
  }
}

void TfrmTranslator::createDockWindows() {
  m_tagsList = new TTagsList(*m_browser, m_settings, m_document->state(), this);
  m_editor = new TfrmEditText(*m_tagsList, m_settings, this);
  m_tagsList->setDockSite(true);  // the editor may be dropped onto the tags list, not the other way round
  m_docks = new DockController(*this);
  m_docks->addForm(*m_tagsList);
  m_docks->addForm(*m_editor);

  connect(mniTagList, &QAction::triggered, m_tagsList, &QWidget::setVisible);
  connect(mniInplaceEditor, &QAction::triggered, m_editor, &QWidget::setVisible);
  connect(m_tagsList, &TDockableForm::hidden, this, &TfrmTranslator::TagsListHidden);
  connect(m_tagsList, &TDockableForm::shown, this, &TfrmTranslator::TagsListShown);
  connect(m_editor, &TDockableForm::hidden, this, &TfrmTranslator::EditorHidden);
  connect(m_editor, &TDockableForm::shown, this, &TfrmTranslator::EditorShown);
  m_docks->restoreLayout(m_settingsPath, *m_tagsList, *m_editor);  // when the window is first shown
  connect(m_tagsList, &TTagsList::textSelected, m_editor, &TfrmEditText::LoadSelectedText);
  connect(m_tagsList, &TTagsList::listRebuilt, m_editor, &TfrmEditText::ClearEditor);
  connect(m_tagsList, &TTagsList::countsChanged, this, [this] {
    showCounts();
    SetCrls();
  });
  connect(m_tagsList, &TTagsList::blockEdited, m_document, &DocumentController::documentEdited);
}

void TfrmTranslator::TagsListHidden() {
  mniTagList->setChecked(false);
}

void TfrmTranslator::TagsListShown() {
  toolWindowShown(*m_tagsList, mniTagList);
}

void TfrmTranslator::EditorHidden() {
  mniInplaceEditor->setChecked(false);
}

void TfrmTranslator::EditorShown() {
  toolWindowShown(*m_editor, mniInplaceEditor);
}

void TfrmTranslator::toolWindowShown(TDockableForm& form, QAction* toggle) {
  m_docks->ShowDockPanel(DockPanel::Left, form);
  m_docks->ShowDockPanel(DockPanel::Bottom, form);
  toggle->setChecked(true);
}

void TfrmTranslator::SetCrls() {
  const bool hasFile = !m_document->currentFile().isEmpty();
  mniSichern->setEnabled(hasFile && m_document->isModified());
  mniSichernals->setEnabled(hasFile);
  mniExportiren->setEnabled(hasFile);
  btnContentUndo->setEnabled(hasFile && !m_settings.ContentUndo.empty());
}

void TfrmTranslator::SwitchLanguage(settings::Language language) {
  m_language->apply(language);
  mniEnglish->setChecked(language == settings::Language::English);
  mniDeutsch->setChecked(language == settings::Language::German);
  m_settings.Deutsch = mniDeutsch->isChecked();
  reportFileStatus(this, settings::SaveSettings(m_settings, m_settingsPath.toStdString()));
}

void TfrmTranslator::titleChange(const std::string& title) {
  m_pageTitle = title;
  showTitle();
}

void TfrmTranslator::showTitle() {
  m_titlePanel->setText(m_document->currentFile().isEmpty() && m_pageTitle.empty()
                            ? QString()
                            : messageText("Res006") + QString::fromStdString(m_pageTitle));
}

void TfrmTranslator::showCounts() {
  const BlockList& blocks = m_tagsList->blocks();
  m_statusPanels[0]->setText(" " + messageText("ResBlockCount") + ": " + QString::number(blocks.rowCount()));
  m_statusPanels[1]->setText(messageText("ResWords") + ":  " + QString::number(m_tagsList->wordCount()));
  m_statusPanels[2]->setText(
      m_settings.ItemsFilter ? messageText("Res010") + QString::number(blocks.duplicateCount()) : QString());
}

void TfrmTranslator::mniAboutClick() {
  TfrmAboutBox about(m_settingsPath, this);
  about.exec();
}

void TfrmTranslator::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  QMainWindow::changeEvent(event);
}

void TfrmTranslator::closeEvent(QCloseEvent* event) {
  if (!m_document->queryClose()) return event->ignore();
  reportFileStatus(this, m_docks->saveLayout(m_settingsPath, *m_tagsList, *m_editor));
  event->accept();
}

void TfrmTranslator::retranslateUi() {
  File1->setTitle(tr("&File"));
  mniOffnen->setText(tr("&Open..."));
  mniSichern->setText(tr("&Save"));
  mniSichernals->setText(tr("Save &as..."));
  mniExportiren->setText(tr("&Export..."));
  Importieren1->setText(tr("&Import..."));
  Beenden1->setText(tr("E&xit"));
  Extra1->setTitle(tr("Se&ttings"));
  Sprache1->setTitle(tr("&Language"));
  mniEnglish->setText(tr("&English"));
  mniDeutsch->setText(tr("&German"));
  Optionen1->setText(tr("&Options..."));
  Window1->setTitle(tr("&View"));
  mniTagList->setText(tr("&Tags"));
  mniInplaceEditor->setText(tr("Internal &Editor"));
  N3->setTitle(tr("&Help"));
  berdasProgramm1->setText(tr("&About..."));
  btnContentUndo->setText(tr("Undo the last edit"));
  ToolBar1->setWindowTitle(tr("Tool bar"));
  showTitle();
  if (m_tagsList->blocks().rowCount() > 0 || !m_document->currentFile().isEmpty()) showCounts();
}

}  // namespace tolvane::ui
