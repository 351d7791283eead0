#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "word/word_processor.h"

// A scripted word processor for tests: it keeps its documents in memory, writes every call into a
// log, fails the calls it is told to, and plays the user's part (typing, closing, quitting).
namespace tolvane::word::testing {

struct FakeDocumentState {
  std::string text;
  bool saved = true;
  bool open = true;
};

class FakeWordProcessor : public WordProcessor {
 public:
  // Calls in order, e.g. "connect", "visible 1", "add", "attach", "attach-self", "saved?",
  // "saved 1", "text?", "text ", "insert Hello", "select", "activate", "quit".
  std::vector<std::string> log;
  // Log entries (without arguments, e.g. "connect", "insert") whose call fails.
  std::set<std::string> unreachable;                          // fails as "not installed"
  std::set<std::string> failing;                              // fails as a broken call
  std::vector<std::shared_ptr<FakeDocumentState>> documents;  // in the order they were made
  int applications = 0;                                       // connections made so far
  int liveConnections = 0;                                    // not yet released
  bool running = false;

  std::unique_ptr<WordApplication> createApplication() override;
  std::unique_ptr<WordDocument> createDocument() override;
  void setEvents(WordEvents* events) override { m_events = events; }

  // The document the editor's connection is attached to (the last one attached), or nullptr.
  FakeDocumentState* current() { return m_current ? m_current.get() : nullptr; }
  // The user replaces the document's text in the word processor.
  void userTypes(const std::string& text) {
    m_current->text = text;
    m_current->saved = false;
  }
  // The user closes the document; the backend reads it, marks it saved and reports it.
  void userClosesDocument() {
    ClosingDocument closing{m_currentId, m_current->saved, m_current->text};
    m_current->saved = true;
    m_current->open = false;
    m_current.reset();
    if (m_events) m_events->documentClosing(closing);
  }
  void userQuits() {
    running = false;
    for (auto& document : documents) document->open = false;
    m_current.reset();
    if (m_events) m_events->processorQuit();
  }

 private:
  friend class FakeApplication;
  friend class FakeDocument;

  WordStatus call(const std::string& name, const std::string& argument = {}) {
    log.push_back(argument.empty() ? name : name + " " + argument);
    if (unreachable.count(name)) return WordStatus::unreachable("fake: " + name + " unreachable");
    if (failing.count(name)) return WordStatus::failed("fake: " + name + " failed");
    return {};
  }
  std::shared_ptr<FakeDocumentState> newDocument() {
    documents.push_back(std::make_shared<FakeDocumentState>());
    return documents.back();
  }

  WordEvents* m_events = nullptr;
  std::shared_ptr<FakeDocumentState> m_lastAdded;
  std::shared_ptr<FakeDocumentState> m_current;
  uint64_t m_currentId = 0;
  uint64_t m_nextId = 1;
};

class FakeApplication : public WordApplication {
 public:
  explicit FakeApplication(FakeWordProcessor& fake) : m_fake(fake) { ++m_fake.liveConnections; }
  ~FakeApplication() override { --m_fake.liveConnections; }
  WordStatus connect() override {
    WordStatus status = m_fake.call("connect");
    if (status) m_fake.running = true;
    return status;
  }
  WordStatus setVisible(bool visible) override { return m_fake.call("visible", visible ? "1" : "0"); }
  WordStatus addDocument() override {
    WordStatus status = m_fake.call("add");
    if (status) m_fake.m_lastAdded = m_fake.newDocument();
    return status;
  }
  WordStatus activate() override { return m_fake.call("activate"); }
  void quitWithoutSaving() override {
    m_fake.call("quit");
    m_fake.running = false;
  }

 private:
  FakeWordProcessor& m_fake;
};

class FakeDocument : public WordDocument {
 public:
  explicit FakeDocument(FakeWordProcessor& fake) : m_fake(fake), m_id(fake.m_nextId++) {
    ++m_fake.liveConnections;
  }
  ~FakeDocument() override { --m_fake.liveConnections; }
  uint64_t id() const override { return m_id; }
  WordStatus attach() override {
    WordStatus status = m_fake.call("attach");
    if (!status) return status;
    if (!m_fake.m_lastAdded) return WordStatus::failed("fake: nothing added");
    attachTo(m_fake.m_lastAdded);
    return {};
  }
  WordResult<bool> saved() override {
    WordStatus status = attachSelf("saved?");
    return {status, status && m_document->saved};
  }
  WordStatus setSaved(bool saved) override {
    WordStatus status = attachSelf("saved", saved ? "1" : "0");
    if (status) m_document->saved = saved;
    return status;
  }
  WordResult<std::string> text() override {
    WordStatus status = attachSelf("text?");
    return {status, status ? m_document->text : std::string()};
  }
  WordStatus setText(std::string_view text) override {
    WordStatus status = attachSelf("text", std::string(text));
    if (status) m_document->text = text;
    return status;
  }
  WordStatus insertAfter(std::string_view text) override {
    WordStatus status = attachSelf("insert", std::string(text));
    if (status) m_document->text += text;
    return status;
  }
  WordStatus select() override { return attachSelf("select"); }

 private:
  void attachTo(std::shared_ptr<FakeDocumentState> document) {
    m_document = std::move(document);
    m_fake.m_current = m_document;
    m_fake.m_currentId = m_id;
  }
  // The first use of an unattached connection attaches it to a new document, as Word's does.
  WordStatus attachSelf(const std::string& name, const std::string& argument = {}) {
    if (!m_document) {
      if (WordStatus status = m_fake.call("attach-self"); !status) return status;
      m_fake.running = true;
      attachTo(m_fake.newDocument());
    }
    WordStatus status = m_fake.call(name, argument);
    if (status && !m_document->open) return WordStatus::failed("fake: the document is closed");
    return status;
  }

  FakeWordProcessor& m_fake;
  uint64_t m_id;
  std::shared_ptr<FakeDocumentState> m_document;
};

inline std::unique_ptr<WordApplication> FakeWordProcessor::createApplication() {
  ++applications;
  return std::make_unique<FakeApplication>(*this);
}

inline std::unique_ptr<WordDocument> FakeWordProcessor::createDocument() {
  return std::make_unique<FakeDocument>(*this);
}

}  // namespace tolvane::word::testing
