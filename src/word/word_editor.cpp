#include "word/word_editor.h"

#include "document/text_normalization.h"

namespace tolvane::word {

TWordEditor::TWordEditor(WordProcessor& processor, WordEditorHost& host, BlockList& list)
    : m_processor(processor), m_host(host), m_list(list) {
  Prepare();  // only creates the connections: nothing is attached yet, so nothing is asked
}

TWordEditor::~TWordEditor() {
  m_wordDoc.reset();
  if (m_wordApp) m_wordApp->quitWithoutSaving();
}

WordStatus TWordEditor::Prepare() {
  if (!m_wordApp) m_wordApp = m_processor.createApplication();
  if (!m_wordDoc) {
    m_wordDoc = m_processor.createDocument();
    m_newDocument = true;
    return {};
  }
  m_newDocument = false;
  // On the first use this read attaches the connection to a new document, which reports saved.
  const WordResult<bool> saved = m_wordDoc->saved();
  if (!saved.status) return saved.status;
  if (saved.value || !m_host.confirm("ResSaveDoc")) return {};
  const WordResult<std::string> text = m_wordDoc->text();
  if (!text.status) return text.status;
  TakeTextBack(text.value);
  return {};
}

EditOutcome TWordEditor::Edit(TDuplTags& group) {
  const uint64_t rebuildsBefore = m_rebuilds;
  if (WordStatus status = Prepare(); !status) return failure(status);
  // Taking the text back, or the question, may have rebuilt the list: the group is gone then.
  if (m_rebuilds != rebuildsBefore) return {EditOutcome::Kind::Abandoned, {}};
  m_target = &group;
  m_freedTargetText.reset();

  if (WordStatus status = m_wordApp->connect(); !status) return failure(status);
  if (WordStatus status = m_wordApp->setVisible(true); !status) return failure(status);
  if (m_newDocument) {
    if (WordStatus status = m_wordApp->addDocument(); !status) return failure(status);
    if (WordStatus status = m_wordDoc->attach(); !status) return failure(status);
  }
  if (WordStatus status = m_wordDoc->setText(""); !status) return failure(status);
  if (WordStatus status = m_wordDoc->insertAfter(group.Text); !status) return failure(status);
  if (WordStatus status = m_wordDoc->select(); !status) return failure(status);
  // From here on any change in the word processor clears the flag: that is the text to take back.
  if (WordStatus status = m_wordDoc->setSaved(true); !status) return failure(status);
  return {};
}

EditOutcome TWordEditor::failure(const WordStatus& status) {
  if (status.code == WordStatus::Code::Unreachable) {
    m_host.showError("InstallWordError");
    return {EditOutcome::Kind::Abandoned, {}};
  }
  return {EditOutcome::Kind::Failed, status.reason};
}

void TWordEditor::GroupsFreed() {
  ++m_rebuilds;
  if (!m_target) return;
  for (const BlockRow& row : m_list.rows()) {
    if (row.group.get() == m_target) {
      m_freedTargetText = row.text;
      break;
    }
  }
  m_target = nullptr;
}

void TWordEditor::TakeTextBack(std::string_view text) {
  const std::string_view trimmed = trimControlAndSpace(text);  // drops the final paragraph mark
  TDuplTags* group = m_target;
  if (!group && m_freedTargetText) group = m_list.FindGroupByText(*m_freedTargetText);
  if (group)
    m_host.applyText(*group, trimmed);
  else
    m_host.textDropped(trimmed);
}

void TWordEditor::documentClosing(const ClosingDocument& document) {
  if (!m_wordDoc || m_wordDoc->id() != document.document) return;
  m_host.bringToFront();
  // The backend read the text and marked the document saved before it went, so the word
  // processor does not ask; no call into it is made between the question and this point.
  if (!document.saved && m_host.confirm("ResSaveDoc")) TakeTextBack(document.text);
  m_wordDoc.reset();
}

void TWordEditor::processorQuit() {
  m_wordDoc.reset();
  m_wordApp.reset();
}

}  // namespace tolvane::word
