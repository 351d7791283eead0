#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "document/block_list.h"
#include "document/text_block.h"
#include "word/word_processor.h"

namespace tolvane::word {

// What the word editor needs of the program around it. The desktop program asks in message boxes;
// the calls may run the event loop.
class WordEditorHost {
 public:
  virtual ~WordEditorHost() = default;
  // Asks the message-table text of messageKey with the buttons Yes and No; true on Yes.
  virtual bool confirm(std::string_view messageKey) = 0;
  // Shows the message-table text of messageKey in an error box with the button OK.
  virtual void showError(std::string_view messageKey) = 0;
  // Brings the program's windows to the front.
  virtual void bringToFront() = 0;
  // Writes text into every block of group, exactly as an edit in the integrated editor does. The
  // edit may rebuild the block list (which calls TWordEditor::GroupsFreed).
  virtual void applyText(TDuplTags& group, std::string_view text) = 0;
  // Text came back for a group that a rebuild destroyed, and no row holds the group's old text.
  virtual void textDropped(std::string_view text) = 0;
};

// How an Edit ended.
struct EditOutcome {
  enum class Kind : uint8_t {
    Done,       // the document holds the group's text; the caller goes on
    Abandoned,  // the user action ends silently: the word processor is missing (already reported),
                // or the group was destroyed while the previous text came back
    Failed,     // a call into the word processor failed; error goes to the general error report
  };
  Kind kind = Kind::Done;
  std::string error;

  explicit operator bool() const { return kind == Kind::Done; }
};

// Edits the text of one block group at a time in a word processor document. The text comes back,
// trimmed, when the user closes the document or sends another group while the document holds
// changes, in both cases after a Yes to "ResSaveDoc". Runs on one thread (the GUI's); the
// notifications (WordEvents) must be delivered on that thread too.
class TWordEditor : public WordEvents {
 public:
  // Runs Prepare. processor, host and list must outlive the editor. The caller routes the
  // processor's notifications to this editor.
  TWordEditor(WordProcessor& processor, WordEditorHost& host, BlockList& list);
  // Releases the document connection and lets the word processor quit without saving.
  ~TWordEditor() override;
  TWordEditor(const TWordEditor&) = delete;
  TWordEditor& operator=(const TWordEditor&) = delete;

  // Offers the changes of the document for the previous group, then fills the document with the
  // group's text, all selected, and shows the word processor.
  EditOutcome Edit(TDuplTags& group);
  // The application connection, for bringing the word processor to the front after an Edit;
  // nullptr after the word processor quit.
  WordApplication* WordApp() const { return m_wordApp.get(); }
  // Call before the block list destroys its groups: the target is forgotten, and text that comes
  // back later goes to the first row that then holds the target's old row text, if any.
  void GroupsFreed();

  // DocumentClose: offers the closing document's changes for the target, then releases the
  // document connection. Notifications of a connection released earlier are ignored.
  void documentClosing(const ClosingDocument& document) override;
  // WordQuit: releases both connections.
  void processorQuit() override;

 private:
  // Creates the missing connections; with a document connection in place, offers its changes.
  WordStatus Prepare();
  // Trims the text and writes it into the target (or the row that holds the target's old text).
  void TakeTextBack(std::string_view text);
  EditOutcome failure(const WordStatus& status);

  WordProcessor& m_processor;
  WordEditorHost& m_host;
  BlockList& m_list;
  std::unique_ptr<WordApplication> m_wordApp;
  std::unique_ptr<WordDocument> m_wordDoc;
  TDuplTags* m_target = nullptr;  // not owned; reset by GroupsFreed
  bool m_newDocument = false;
  std::optional<std::string> m_freedTargetText;  // the row text of a target a rebuild destroyed
  uint64_t m_rebuilds = 0;                       // GroupsFreed calls so far
};

}  // namespace tolvane::word
