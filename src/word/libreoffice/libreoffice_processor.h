#pragma once

#include <memory>

#include "word/libreoffice/office_session.h"

namespace tolvane::word::libreoffice {

// The word processor LibreOffice Writer: its connections share one office session.
class LibreOfficeProcessor : public WordProcessor {
 public:
  explicit LibreOfficeProcessor(WordProcessorOptions options)
      : m_session(std::make_shared<OfficeSession>(std::move(options))) {}

  std::unique_ptr<WordApplication> createApplication() override;
  std::unique_ptr<WordDocument> createDocument() override;
  void setEvents(WordEvents* events) override { m_session->setEvents(events); }
  // The office the connections share (the integration test plays the user through it).
  const std::shared_ptr<OfficeSession>& session() const { return m_session; }

 private:
  std::shared_ptr<OfficeSession> m_session;
  uint64_t m_nextDocument = 1;
};

}  // namespace tolvane::word::libreoffice
