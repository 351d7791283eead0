#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "word/word_editor.h"

class QWidget;

namespace tolvane::ui {

class QueuedWordEvents;

// The word editor of the tags list window with what it needs in the desktop program: the plugin's
// word processor, its notifications moved to the GUI thread, and message boxes for its questions.
class WordSession : private word::WordEditorHost {
 public:
  // apply writes a text that came back into a group (the tags list's edit of a group).
  using ApplyFunction = std::function<void(TDuplTags&, std::string_view)>;
  WordSession(QWidget& window, BlockList& list, ApplyFunction apply);
  // Lets the word processor quit without saving.
  ~WordSession() override;

  word::TWordEditor& editor() { return *m_editor; }

 private:
  bool confirm(std::string_view messageKey) override;
  void showError(std::string_view messageKey) override;
  void bringToFront() override;
  void applyText(TDuplTags& group, std::string_view text) override { m_apply(group, text); }
  void textDropped(std::string_view text) override;

  QWidget& m_window;
  ApplyFunction m_apply;
  std::unique_ptr<word::WordProcessor> m_processor;
  std::unique_ptr<word::TWordEditor> m_editor;
  std::unique_ptr<QueuedWordEvents> m_events;
};

}  // namespace tolvane::ui
