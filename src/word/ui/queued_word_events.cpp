#include "word/ui/queued_word_events.h"

namespace tolvane::ui {

void QueuedWordEvents::documentClosing(const word::ClosingDocument& document) {
  QMetaObject::invokeMethod(
      this, [this, document] { m_target.documentClosing(document); }, Qt::QueuedConnection);
}

void QueuedWordEvents::processorQuit() {
  QMetaObject::invokeMethod(
      this, [this] { m_target.processorQuit(); }, Qt::QueuedConnection);
}

}  // namespace tolvane::ui
