#pragma once

#include <string>

#include "word/word_processor.h"

namespace tolvane::word {

// Stands in where no word processor backend could be loaded: every connection it makes answers
// Unreachable with the reason given, so the editor reports that the word processor is missing.
class UnavailableWordProcessor : public WordProcessor {
 public:
  explicit UnavailableWordProcessor(std::string reason) : m_reason(std::move(reason)) {}

  std::unique_ptr<WordApplication> createApplication() override;
  std::unique_ptr<WordDocument> createDocument() override;
  void setEvents(WordEvents* /*events*/) override {}

 private:
  std::string m_reason;
};

}  // namespace tolvane::word
