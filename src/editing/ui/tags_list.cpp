#include "editing/ui/tags_list.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

#include "document/block_locator.h"
#include "document/document_scan.h"
#include "document/ui/web_browser.h"
#include "editing/apply_text.h"
#include "editing/ui/block_list_model.h"
#include "settings/ui/language_switch.h"
#include "shell/user_messages.h"
#include "word/ui/word_session.h"

namespace tolvane::ui {

TTagsList::TTagsList(WebBrowser& browser, settings::TGlobalVars& settings, DocumentState& state,
                     QWidget* parent)
    : TDockableForm(parent),
      m_browser(browser),
      m_settings(settings),
      m_state(state),
      m_model(new BlockListModel(m_blocks, this)),
      m_view(new QTableView(this)) {
  setObjectName("TagsList");
  m_view->setObjectName("lvTags");
  m_view->setModel(m_model);
  m_view->setShowGrid(true);
  m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_view->setSelectionMode(QAbstractItemView::SingleSelection);
  m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_view->setWordWrap(false);
  m_view->verticalHeader()->hide();
  m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  m_view->verticalHeader()->setDefaultSectionSize(18);
  m_view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
  m_view->horizontalHeader()->resizeSection(0, 20);
  m_view->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  m_view->horizontalHeader()->setSectionsClickable(true);
  setWidget(m_view);

  connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            m_blocks.setSelectedRow(
                current.isValid() ? std::optional<size_t>(static_cast<size_t>(current.row())) : std::nullopt);
            ShowSelectedBlock();
          });
  connect(m_view, &QAbstractItemView::doubleClicked, this, &TTagsList::lvTagsDblClick);
  connect(m_view, &QAbstractItemView::activated, this, &TTagsList::lvTagsDblClick);  // Enter edits
  connect(m_view->horizontalHeader(), &QHeaderView::sectionClicked, this, &TTagsList::lvTagsColumnClick);

  m_blocks.setListener(this);
  m_browser.addListener(this);
  retranslateUi();
}

TTagsList::~TTagsList() {
  m_browser.removeListener(this);
  m_word.reset();  // the word processor quits without saving
}

TDuplTags* TTagsList::selectedGroup() {
  auto selected = m_blocks.selectedRow();
  return selected && *selected < m_blocks.rowCount() ? m_blocks.row(*selected).group.get() : nullptr;
}

void TTagsList::scanFinished(const BlockList& list) {
  m_words = CountWords(list);
  emit countsChanged();
}

void TTagsList::scanMessage(const std::string& text) {
  showMessage(this, QString::fromStdString(text));
}

void TTagsList::downloadBegin() {
  FreeGroups();
}

void TTagsList::FreeGroups() {
  m_model->beginRebuild();
  if (m_word) m_word->editor().GroupsFreed();
  m_blocks.clear();
  m_model->endRebuild();
}

bool TTagsList::rebuild() {
  m_model->beginRebuild();
  if (m_word) m_word->editor().GroupsFreed();
  m_blocks.clear();
  const bool complete = ScanDocument(m_blocks, m_browser, m_settings);
  m_model->endRebuild();
  m_selectedTag.clear();
  retranslateUi();
  return complete;
}

void TTagsList::Rescan() {
  if (!rebuild()) return;
  m_state.DocModified = false;
  show();
  emit listRebuilt();
  raise();
  m_view->setFocus();
}

void TTagsList::ClearPageSelection() {
  if (html::Document* document = m_browser.currentDocument()) document->emptySelection();
}

void TTagsList::ShowSelectedBlock() {
  TDuplTags* group = selectedGroup();
  if (!group || group->Count() == 0) return;
  ClearPageSelection();
  const TTag& first = group->GetTag(0);
  m_selectedTag = "<" + first.TagName + " " + first.AttrName + ">";
  retranslateUi();
  emit textSelected(QString::fromStdString(group->Text), false);
  for (size_t i = 0; i < group->Count(); ++i) {
    if (i > 0) {
      const bool next =
          askQuestion(this, messageText("Res009"), QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
      if (!next || selectedGroup() != group) break;  // the list may have been rebuilt while asking
    }
    SelectBlock(group->GetTag(i));
    m_browser.showSelection();
  }
  if (m_settings.UseMSWord && selectedGroup() == group) EditInWord();
}

void TTagsList::lvTagsDblClick() {
  TDuplTags* group = selectedGroup();
  if (!group) return;
  if (m_settings.UseMSWord) {
    if (EditInWord())
      if (word::WordApplication* application = m_word->editor().WordApp())
        if (word::WordStatus status = application->activate(); !status)
          showError(this, QString::fromStdString(status.reason));
  } else
    emit textSelected(QString::fromStdString(group->Text), true);
}

bool TTagsList::EditInWord() {
  TDuplTags* group = selectedGroup();
  if (!group) return false;
  if (!m_word)
    m_word = std::make_unique<WordSession>(*this, m_blocks, [this](TDuplTags& target, std::string_view text) {
      reportFileStatus(this, applyTextTo(target, std::string(text)));
    });
  const word::EditOutcome outcome = m_word->editor().Edit(*group);
  if (outcome.kind == word::EditOutcome::Kind::Failed) showError(this, QString::fromStdString(outcome.error));
  return static_cast<bool>(outcome);
}

void TTagsList::lvTagsColumnClick(int column) {
  m_sortColumn = column;
  QSignalBlocker quiet(m_view->selectionModel());  // the selected row moves; it is not a new selection
  m_model->sort(m_sortColumn);
}

html::FileStatus TTagsList::applyText(const std::string& text) {
  TDuplTags* group = selectedGroup();
  return group ? applyTextTo(*group, text) : html::FileStatus{};
}

html::FileStatus TTagsList::applyTextTo(TDuplTags& group, const std::string& text) {
  size_t row = 0;
  while (row < m_blocks.rowCount() && m_blocks.row(row).group.get() != &group) ++row;
  bool rebuilt = false;
  GroupEditContext context{m_settings, m_state, [this, &rebuilt] {
                             rebuild();
                             rebuilt = true;
                           }};
  html::FileStatus status = ApplyText(group, text, context);
  if (!rebuilt && row < m_blocks.rowCount()) m_model->rowTextChanged(row);
  m_browser.refresh();
  emit blockEdited();
  return status;
}

void TTagsList::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslateUi();
  TDockableForm::changeEvent(event);
}

void TTagsList::retranslateUi() {
  QString caption = messageText("Res011");
  if (!m_selectedTag.empty()) caption += " : " + QString::fromStdString(m_selectedTag);
  setWindowTitle(caption);
  emit m_model->headerDataChanged(Qt::Horizontal, 1, 1);
}

}  // namespace tolvane::ui
