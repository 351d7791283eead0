#include "editing/ui/edit_text.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "document/text_normalization.h"
#include "editing/ui/tags_list.h"
#include "shell/user_messages.h"

namespace tolvane::ui {

TfrmEditText::TfrmEditText(TTagsList& tags, const settings::TGlobalVars& settings, QWidget* parent)
    : TDockableForm(parent),
      m_tags(tags),
      m_settings(settings),
      m_edit(new QPlainTextEdit),
      m_toolBar(new QToolBar),
      m_setText(new QPushButton),
      m_status(new QLabel) {
  setObjectName("EditText");
  m_edit->setObjectName("RichEdit");
  m_setText->setObjectName("btnSetText");
  m_edit->installEventFilter(this);
  createActions();

  m_setText->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
  m_setText->setEnabled(false);
  connect(m_setText, &QPushButton::clicked, this, &TfrmEditText::btnSetTextClick);
  m_toolBar->addWidget(m_setText);

  auto* statusBar = new QStatusBar;
  statusBar->setSizeGripEnabled(false);
  statusBar->addWidget(m_status, 1);

  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(m_toolBar);
  layout->addWidget(m_edit, 1);
  layout->addWidget(statusBar);
  setWidget(body);

  connect(m_edit, &QPlainTextEdit::textChanged, this, [this] {
    m_changedSinceApply = true;
    updateActions();
  });
  connect(m_edit, &QPlainTextEdit::selectionChanged, this, &TfrmEditText::updateActions);
  connect(m_edit, &QPlainTextEdit::undoAvailable, this, &TfrmEditText::updateActions);
  connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &TfrmEditText::updateActions);
  retranslateUi();
  updateActions();
}

void TfrmEditText::createActions() {
  struct Command {
    QAction*& action;
    const char* themeIcon;
    QStyle::StandardPixmap icon;
    QKeySequence shortcut;
    void (QPlainTextEdit::*run)();
  };
  const Command commands[] = {
      {m_cut, "edit-cut", QStyle::SP_DialogDiscardButton, QKeySequence::Cut, &QPlainTextEdit::cut},
      {m_copy, "edit-copy", QStyle::SP_FileDialogDetailedView, QKeySequence::Copy, &QPlainTextEdit::copy},
      {m_paste, "edit-paste", QStyle::SP_DialogOpenButton, QKeySequence::Paste, &QPlainTextEdit::paste},
      {m_delete, "edit-delete", QStyle::SP_TrashIcon, QKeySequence::Delete, nullptr},
      {m_undo, "edit-undo", QStyle::SP_ArrowBack, QKeySequence::Undo, &QPlainTextEdit::undo},
      {m_selectAll, "edit-select-all", QStyle::SP_FileDialogListView, QKeySequence::SelectAll,
       &QPlainTextEdit::selectAll},
  };
  for (const Command& command : commands) {
    const QIcon icon = QIcon::fromTheme(command.themeIcon, style()->standardIcon(command.icon));
    command.action = new QAction(icon, QString(), this);
    command.action->setShortcut(command.shortcut);
    command.action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    if (command.run) {
      auto run = command.run;
      connect(command.action, &QAction::triggered, m_edit, [this, run] { (m_edit->*run)(); });
    } else {
      connect(command.action, &QAction::triggered, m_edit,
              [this] { m_edit->textCursor().removeSelectedText(); });
    }
    addAction(command.action);
    m_toolBar->addAction(command.action);
  }
  m_toolBar->addSeparator();
}

void TfrmEditText::updateActions() {
  const bool selection = m_edit->textCursor().hasSelection();
  m_cut->setEnabled(selection);
  m_copy->setEnabled(selection);
  m_delete->setEnabled(selection);
  m_paste->setEnabled(m_edit->canPaste());
  m_undo->setEnabled(m_edit->document()->isUndoAvailable());
  m_selectAll->setEnabled(!m_edit->document()->isEmpty());
  m_setText->setEnabled(m_changedSinceApply && m_edit->document()->isUndoAvailable());
}

void TfrmEditText::setStatusText(const QString& text) {
  m_status->setText(QString(text).replace('\n', ' '));
}

void TfrmEditText::ClearEditor() {
  m_edit->clear();
  m_changedSinceApply = false;
  setStatusText({});
  updateActions();
}

void TfrmEditText::LoadSelectedText(const QString& text, bool edit) {
  LoadText(text);
  if (!edit) return;
  show();
  raise();
  activateWindow();
  m_edit->setFocus();
}

void TfrmEditText::LoadText(const QString& text) {
  m_edit->setPlainText(text);  // also empties the undo history
  m_changedSinceApply = false;
  setStatusText(m_edit->toPlainText());
  m_edit->selectAll();
  updateActions();
}

void TfrmEditText::btnSetTextClick() {
  const std::string text = m_edit->toPlainText().toStdString();
  if (trimControlAndSpace(text).empty() && !m_settings.EmptyDelete) return;
  if (!m_tags.selectedGroup()) return;
  if (!reportFileStatus(this, m_tags.applyText(text))) return;
  setStatusText(m_edit->toPlainText());
  m_changedSinceApply = false;
  updateActions();
}

bool TfrmEditText::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_edit && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab) {
      m_tags.show();
      m_tags.raise();
      return true;
    }
    if (key == Qt::Key_Escape) {
      hide();
      return true;
    }
  }
  return TDockableForm::eventFilter(watched, event);
}

void TfrmEditText::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  TDockableForm::changeEvent(event);
}

void TfrmEditText::retranslateUi() {
  setWindowTitle(tr("Internal Editor"));
  m_cut->setText(tr("Cu&t"));
  m_cut->setToolTip(tr("Cut the selection to the clipboard"));
  m_copy->setText(tr("&Copy"));
  m_copy->setToolTip(tr("Copy the selection to the clipboard"));
  m_paste->setText(tr("&Paste"));
  m_paste->setToolTip(tr("Paste the clipboard's content"));
  m_delete->setText(tr("&Delete"));
  m_delete->setToolTip(tr("Delete the selection"));
  m_undo->setText(tr("&Undo"));
  m_undo->setToolTip(tr("Undo the last change"));
  m_selectAll->setText(tr("Select &All"));
  m_selectAll->setToolTip(tr("Select the whole text"));
  m_setText->setText(tr("Insert"));
  m_setText->setToolTip(tr("Write the text into every copy of the block in the page"));
}

}  // namespace tolvane::ui
