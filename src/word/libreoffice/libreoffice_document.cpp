#include "word/libreoffice/libreoffice_document.h"

#include <com/sun/star/document/DocumentEvent.hpp>
#include <com/sun/star/document/XDocumentEventBroadcaster.hpp>
#include <com/sun/star/document/XDocumentEventListener.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/util/XCloseBroadcaster.hpp>
#include <com/sun/star/util/XCloseListener.hpp>
#include <com/sun/star/util/XModifiable.hpp>
#include <com/sun/star/view/XSelectionSupplier.hpp>
#include <cppuhelper/implbase2.hxx>

#include <mutex>
#include <optional>

#include "word/libreoffice/uno_text.h"

namespace tolvane::word::libreoffice {

using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

// Watches the document for the user's close, on the office's threads; the office waits for it.
// When the user closes the window it reads the text and the modified flag and clears the flag
// (OnPrepareViewClosing and OnPrepareUnload come before the office's own save question, so the
// office asks nothing), and when the document goes (OnUnload, or the close listener's calls for a
// close by other means) it reports that reading as plain data. It never waits for the GUI.
class CloseWatcher
    : public cppu::WeakImplHelper2<css::document::XDocumentEventListener, css::util::XCloseListener> {
 public:
  CloseWatcher(std::weak_ptr<OfficeSession> session, uint64_t id) : m_session(std::move(session)), m_id(id) {}

  // The connection was released: nothing more is reported.
  void detach() {
    std::lock_guard lock(m_mutex);
    m_reported = true;
  }

  void SAL_CALL documentEventOccured(const css::document::DocumentEvent& event) override {
    if (event.EventName == "OnPrepareViewClosing" || event.EventName == "OnPrepareUnload")
      read(event.Source);
    else if (event.EventName == "OnUnload")
      report();
  }
  void SAL_CALL queryClosing(const css::lang::EventObject& event, sal_Bool) override { read(event.Source); }
  void SAL_CALL notifyClosing(const css::lang::EventObject&) override { report(); }
  void SAL_CALL disposing(const css::lang::EventObject&) override { report(); }

 private:
  void read(const Reference<css::uno::XInterface>& source) {
    {
      std::lock_guard lock(m_mutex);
      if (m_reading || m_reported) return;
    }
    ClosingDocument reading{m_id, true, {}};
    try {
      Reference<css::util::XModifiable> modifiable(source, UNO_QUERY_THROW);
      Reference<css::text::XTextDocument> document(source, UNO_QUERY_THROW);
      reading.saved = !modifiable->isModified();
      reading.text = fromOffice(document->getText()->getString());
      modifiable->setModified(false);
    } catch (const css::uno::Exception&) {
      return;  // gone already: a later reading, or none, is reported
    }
    std::lock_guard lock(m_mutex);
    m_reading = std::move(reading);
  }

  void report() {
    ClosingDocument reading{m_id, true, {}};
    {
      std::lock_guard lock(m_mutex);
      if (m_reported) return;
      m_reported = true;
      if (m_reading) reading = std::move(*m_reading);
    }
    if (auto session = m_session.lock()) session->notifyClosing(reading);
  }

  std::weak_ptr<OfficeSession> m_session;
  const uint64_t m_id;
  std::mutex m_mutex;  // guards the two fields below; never held around a UNO call
  std::optional<ClosingDocument> m_reading;
  bool m_reported = false;
};

namespace {

// Runs a call on the document and turns the office's exceptions into a failed status.
template <typename Call>
WordStatus guarded(const char* what, Call call) {
  try {
    call();
    return {};
  } catch (const css::lang::DisposedException&) {
    return WordStatus::failed(std::string("LibreOffice: ") + what +
                              " failed: the document or the office is no longer there");
  } catch (const css::uno::Exception& exception) {
    return failedCall(what, exception);
  }
}

Reference<css::text::XText> textOf(const Reference<css::frame::XModel>& model) {
  return Reference<css::text::XTextDocument>(model, UNO_QUERY_THROW)->getText();
}

}  // namespace

LibreOfficeDocument::LibreOfficeDocument(std::shared_ptr<OfficeSession> session, uint64_t id)
    : m_session(std::move(session)), m_id(id) {}

LibreOfficeDocument::~LibreOfficeDocument() {
  if (!m_watcher.is()) return;
  m_watcher->detach();
  try {
    Reference<css::document::XDocumentEventBroadcaster>(m_model, UNO_QUERY_THROW)
        ->removeDocumentEventListener(m_watcher.get());
    Reference<css::util::XCloseBroadcaster>(m_model, UNO_QUERY_THROW)->removeCloseListener(m_watcher.get());
  } catch (const css::uno::Exception&) {
    // the document is gone, and its listeners with it
  }
}

void LibreOfficeDocument::attachTo(const Reference<css::frame::XModel>& model) {
  m_model = model;
  m_watcher = new CloseWatcher(m_session, m_id);
  Reference<css::document::XDocumentEventBroadcaster>(model, UNO_QUERY_THROW)
      ->addDocumentEventListener(m_watcher.get());
  Reference<css::util::XCloseBroadcaster>(model, UNO_QUERY_THROW)->addCloseListener(m_watcher.get());
  m_session->setActive(model);
}

WordStatus LibreOfficeDocument::attach() {
  Reference<css::frame::XModel> model = m_session->lastAdded();
  if (!model.is()) return WordStatus::failed("LibreOffice: no document was added to attach to");
  return guarded("attaching to the document", [&] { attachTo(model); });
}

WordStatus LibreOfficeDocument::attachItself() {
  if (m_model.is()) return {};
  if (WordStatus status = m_session->connect(); !status) return status;
  return guarded("making a document", [&] { attachTo(m_session->newDocument()); });
}

WordResult<bool> LibreOfficeDocument::saved() {
  WordResult<bool> result{attachItself()};
  if (result.status)
    result.status = guarded("reading the saved flag", [&] {
      result.value = !Reference<css::util::XModifiable>(m_model, UNO_QUERY_THROW)->isModified();
    });
  return result;
}

WordStatus LibreOfficeDocument::setSaved(bool saved) {
  if (WordStatus status = attachItself(); !status) return status;
  return guarded("setting the saved flag",
                 [&] { Reference<css::util::XModifiable>(m_model, UNO_QUERY_THROW)->setModified(!saved); });
}

WordResult<std::string> LibreOfficeDocument::text() {
  WordResult<std::string> result{attachItself()};
  if (result.status)
    result.status =
        guarded("reading the text", [&] { result.value = fromOffice(textOf(m_model)->getString()); });
  return result;
}

WordStatus LibreOfficeDocument::setText(std::string_view text) {
  if (WordStatus status = attachItself(); !status) return status;
  return guarded("writing the text", [&] { textOf(m_model)->setString(toOffice(text)); });
}

WordStatus LibreOfficeDocument::insertAfter(std::string_view text) {
  if (WordStatus status = attachItself(); !status) return status;
  return guarded("inserting the text", [&] {
    Reference<css::text::XText> whole = textOf(m_model);
    whole->insertString(whole->getEnd(), toOffice(text), false);
  });
}

WordStatus LibreOfficeDocument::select() {
  if (WordStatus status = attachItself(); !status) return status;
  return guarded("selecting the text", [&] {
    Reference<css::text::XText> whole = textOf(m_model);
    Reference<css::text::XTextCursor> cursor = whole->createTextCursor();
    cursor->gotoStart(false);
    cursor->gotoEnd(true);
    Reference<css::view::XSelectionSupplier> selection(m_model->getCurrentController(), UNO_QUERY_THROW);
    selection->select(css::uno::Any(Reference<css::text::XTextRange>(cursor.get())));
  });
}

}  // namespace tolvane::word::libreoffice
