#include "word/unavailable_word_processor.h"

namespace tolvane::word {
namespace {

class UnavailableApplication : public WordApplication {
 public:
  explicit UnavailableApplication(std::string reason) : m_reason(std::move(reason)) {}
  WordStatus connect() override { return WordStatus::unreachable(m_reason); }
  WordStatus setVisible(bool /*visible*/) override { return connect(); }
  WordStatus addDocument() override { return connect(); }
  WordStatus activate() override { return connect(); }
  void quitWithoutSaving() override {}

 private:
  std::string m_reason;
};

class UnavailableDocument : public WordDocument {
 public:
  explicit UnavailableDocument(std::string reason) : m_reason(std::move(reason)) {}
  uint64_t id() const override { return 1; }
  WordStatus attach() override { return WordStatus::unreachable(m_reason); }
  WordResult<bool> saved() override { return {attach()}; }
  WordStatus setSaved(bool /*saved*/) override { return attach(); }
  WordResult<std::string> text() override { return {attach()}; }
  WordStatus setText(std::string_view /*text*/) override { return attach(); }
  WordStatus insertAfter(std::string_view /*text*/) override { return attach(); }
  WordStatus select() override { return attach(); }

 private:
  std::string m_reason;
};

}  // namespace

std::unique_ptr<WordApplication> UnavailableWordProcessor::createApplication() {
  return std::make_unique<UnavailableApplication>(m_reason);
}

std::unique_ptr<WordDocument> UnavailableWordProcessor::createDocument() {
  return std::make_unique<UnavailableDocument>(m_reason);
}

}  // namespace tolvane::word
