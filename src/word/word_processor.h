#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

// The word processor that edits a block's text, as the word editor sees it: an application
// connection and a document connection, each of which exists before it is connected. A backend
// (the LibreOffice plugin, a test's fake) implements these classes. Header only: the plugin builds
// against it without the core library. Text is UTF-8 on both sides; paragraphs end with CR.

namespace tolvane::word {

// The outcome of one call into the word processor.
struct WordStatus {
  enum class Code : uint8_t {
    Ok,
    Unreachable,  // the word processor is not installed or could not be started or reached
    Failed,       // the call reached it and failed (a document that is gone, an office that was killed)
  };
  Code code = Code::Ok;
  std::string reason;  // why, in words for the error report; empty on success

  explicit operator bool() const { return code == Code::Ok; }
  static WordStatus unreachable(std::string why) { return {Code::Unreachable, std::move(why)}; }
  static WordStatus failed(std::string why) { return {Code::Failed, std::move(why)}; }
};

// A value read from the word processor; value is default-constructed when status is not Ok.
template <typename T>
struct WordResult {
  WordStatus status;
  T value{};
};

// What a document that the user is closing held, read while it still existed. Before it reports
// this the backend has already marked the document saved, so the word processor asks nothing.
struct ClosingDocument {
  uint64_t document = 0;  // WordDocument::id() of the connection it was attached to
  bool saved = true;      // false when the user changed it since it was last marked saved
  std::string text;       // its whole text
};

// The notifications of the word processor. A backend may call them on any thread, and must not
// wait in them for another thread; the receiver moves them to its own thread.
class WordEvents {
 public:
  virtual ~WordEvents() = default;
  // The document is being closed in the word processor.
  virtual void documentClosing(const ClosingDocument& document) = 0;
  // The word processor has ended (quit by the user, or its process died).
  virtual void processorQuit() = 0;
};

// The connection to the word processor's application. Connecting starts it or attaches to one
// that runs.
class WordApplication {
 public:
  virtual ~WordApplication() = default;
  // Makes sure the word processor runs and answers; Unreachable when it cannot be started.
  virtual WordStatus connect() = 0;
  // Shows (or hides) the word processor's windows; documents added later follow this.
  virtual WordStatus setVisible(bool visible) = 0;
  // Adds a new empty text document (Word's Documents.Add with a new template).
  virtual WordStatus addDocument() = 0;
  // Brings the window of the document last attached to the front.
  virtual WordStatus activate() = 0;
  // Ends the word processor without saving any document. A backend that attached to an office
  // the user started closes only the documents it added, and leaves that office running.
  virtual void quitWithoutSaving() = 0;
};

// The connection to the one document being edited. Every operation but attach() attaches the
// connection to a new document by itself when it is not attached yet (its first use).
class WordDocument {
 public:
  virtual ~WordDocument() = default;
  // Distinguishes this connection's close notification from those of released ones; never 0.
  virtual uint64_t id() const = 0;
  // Attaches to the document that the application added last (Word's Documents.Item(1)) and
  // subscribes to its close notification. Failed when none was added.
  virtual WordStatus attach() = 0;
  // False exactly when the document was changed since it was last marked saved.
  virtual WordResult<bool> saved() = 0;
  virtual WordStatus setSaved(bool saved) = 0;
  // The text of the range that covers the whole document.
  virtual WordResult<std::string> text() = 0;
  virtual WordStatus setText(std::string_view text) = 0;
  // Appends text at the end of the whole-document range.
  virtual WordStatus insertAfter(std::string_view text) = 0;
  // Selects the whole-document range in the word processor's window.
  virtual WordStatus select() = 0;
};

// Makes the connections and delivers their notifications. Outlives every connection it made.
class WordProcessor {
 public:
  virtual ~WordProcessor() = default;
  virtual std::unique_ptr<WordApplication> createApplication() = 0;
  virtual std::unique_ptr<WordDocument> createDocument() = 0;
  // Where the notifications go (nullptr: nowhere). After it returns, the previous receiver gets no
  // further call.
  virtual void setEvents(WordEvents* events) = 0;
};

// How a plugin backend starts its word processor; the defaults are those of the desktop program.
struct WordProcessorOptions {
  std::string userInstallation;  // profile folder as a file URL; empty: the user's own profile
  bool headless = false;         // no windows at all (tests)
};

// The function a backend plugin exports under kCreateWordProcessorSymbol. It never throws; the
// caller owns the result.
using CreateWordProcessorFunction = WordProcessor* (*)(const WordProcessorOptions* options);
inline constexpr const char* kCreateWordProcessorSymbol = "tolvane_create_word_processor";

}  // namespace tolvane::word
