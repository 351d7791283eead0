#pragma once

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <cppuhelper/weakref.hxx>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "word/libreoffice/office_process.h"
#include "word/word_processor.h"

namespace tolvane::word::libreoffice {

namespace css = com::sun::star;
using css::uno::Reference;

// The connection to one running office, shared by the application and document connections.
// The GUI thread makes every call; the listeners (on UNO threads) only report through notify*().
class OfficeSession : public std::enable_shared_from_this<OfficeSession> {
 public:
  explicit OfficeSession(WordProcessorOptions options) : m_options(std::move(options)) {}
  ~OfficeSession();

  // Keeps a live connection, or starts soffice (which hands over to an office of the same profile
  // that already runs) and connects; Unreachable when there is no office or it does not answer.
  WordStatus connect();
  bool connected() const { return m_desktop.is() && m_alive; }

  // A new empty Writer document, shown when the windows are to be shown.
  Reference<css::frame::XModel> newDocument();
  // Documents.Add: the new document becomes the one attach() takes.
  void addDocument() { m_lastAdded = newDocument(); }
  Reference<css::frame::XModel> lastAdded() const { return m_lastAdded; }
  // The document the editor works in; Visible and Activate act on its window.
  void setActive(const Reference<css::frame::XModel>& model) { m_active = model; }
  Reference<css::frame::XModel> activeDocument() const { return m_active; }
  // The office's component context while connected.
  Reference<css::uno::XComponentContext> context() const { return m_context; }
  // The id of the soffice child this session started, while it runs; 0 otherwise.
  pid_t officeProcessId() const { return m_process && m_process->running() ? m_process->pid() : 0; }
  void setVisible(bool visible);
  void activate();
  // Ends an office that this session started and that holds only its documents; otherwise
  // closes this session's documents and leaves the office running. Nothing is saved.
  void quitWithoutSaving();

  void setEvents(WordEvents* events);
  void notifyClosing(const ClosingDocument& document);
  // The office ended or the connection broke; reported once per connection.
  void notifyQuit(uint64_t connection);

 private:
  WordStatus startAndConnect();
  bool tryConnect(const rtl::OUString& pipe);
  void dropConnection();
  bool isOurs(const Reference<css::frame::XModel>& model) const;

  WordProcessorOptions m_options;
  std::unique_ptr<OfficeProcess> m_process;  // the soffice we started, while it may still run
  Reference<css::lang::XComponent> m_bridge;
  Reference<css::uno::XComponentContext> m_context;
  Reference<css::frame::XDesktop2> m_desktop;
  Reference<css::frame::XModel> m_lastAdded;
  Reference<css::frame::XModel> m_active;
  std::vector<css::uno::WeakReference<css::frame::XModel>> m_documents;  // all this session made
  bool m_visible = false;
  std::atomic<uint64_t> m_connection =
      0;  // numbers the connections, so that a late quit of an old one is told apart
  std::atomic<bool> m_alive = false;

  std::mutex m_eventsMutex;  // held while a notification is delivered; never around a UNO call
  WordEvents* m_events = nullptr;
  uint64_t m_quitReported = 0;
};

// What a failed UNO call reports: what was being done and the exception's message.
WordStatus failedCall(const char* what, const css::uno::Exception& exception);

}  // namespace tolvane::word::libreoffice
