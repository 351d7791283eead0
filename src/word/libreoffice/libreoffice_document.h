#pragma once

#include <rtl/ref.hxx>

#include <memory>

#include "word/libreoffice/office_session.h"

namespace tolvane::word::libreoffice {

class CloseWatcher;

// The document connection over a Writer document. Its text objects are taken anew for every
// call: one taken before the document closed makes soffice abort when it is used afterwards.
class LibreOfficeDocument : public WordDocument {
 public:
  LibreOfficeDocument(std::shared_ptr<OfficeSession> session, uint64_t id);
  ~LibreOfficeDocument() override;

  uint64_t id() const override { return m_id; }
  WordStatus attach() override;
  WordResult<bool> saved() override;
  WordStatus setSaved(bool saved) override;
  WordResult<std::string> text() override;
  WordStatus setText(std::string_view text) override;
  WordStatus insertAfter(std::string_view text) override;
  WordStatus select() override;

 private:
  // The first use: a new document in the running or a newly started office.
  WordStatus attachItself();
  void attachTo(const Reference<css::frame::XModel>& model);

  std::shared_ptr<OfficeSession> m_session;
  uint64_t m_id;
  Reference<css::frame::XModel> m_model;
  rtl::Reference<CloseWatcher> m_watcher;
};

}  // namespace tolvane::word::libreoffice
