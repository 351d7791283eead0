#include "word/libreoffice/libreoffice_processor.h"

#include "word/libreoffice/libreoffice_document.h"

namespace tolvane::word::libreoffice {
namespace {

// The application connection: the office itself, through the shared session.
class LibreOfficeApplication : public WordApplication {
 public:
  explicit LibreOfficeApplication(std::shared_ptr<OfficeSession> session) : m_session(std::move(session)) {}

  WordStatus connect() override { return m_session->connect(); }
  WordStatus setVisible(bool visible) override {
    return call("showing the window", [&] { m_session->setVisible(visible); });
  }
  WordStatus addDocument() override {
    return call("adding a document", [&] { m_session->addDocument(); });
  }
  WordStatus activate() override {
    return call("bringing the window to the front", [&] { m_session->activate(); });
  }
  void quitWithoutSaving() override { m_session->quitWithoutSaving(); }

 private:
  template <typename Call>
  WordStatus call(const char* what, Call body) {
    if (WordStatus status = m_session->connect(); !status) return status;
    try {
      body();
      return {};
    } catch (const css::uno::Exception& exception) {
      return failedCall(what, exception);
    }
  }
  std::shared_ptr<OfficeSession> m_session;
};

}  // namespace

std::unique_ptr<WordApplication> LibreOfficeProcessor::createApplication() {
  return std::make_unique<LibreOfficeApplication>(m_session);
}

std::unique_ptr<WordDocument> LibreOfficeProcessor::createDocument() {
  return std::make_unique<LibreOfficeDocument>(m_session, m_nextDocument++);
}

}  // namespace tolvane::word::libreoffice
