#pragma once

#include <QObject>

#include "word/word_processor.h"

namespace tolvane::ui {

// Carries the word processor's notifications from the office's threads to the GUI thread and
// hands them to target there. Posting never waits, so a notification cannot deadlock with a call
// the GUI thread is making into the office. Notifications still queued when this object is
// destroyed are dropped.
class QueuedWordEvents : public QObject, public word::WordEvents {
  Q_OBJECT
 public:
  explicit QueuedWordEvents(word::WordEvents& target) : m_target(target) {}

  void documentClosing(const word::ClosingDocument& document) override;
  void processorQuit() override;

 private:
  word::WordEvents& m_target;
};

}  // namespace tolvane::ui
