#include "word/libreoffice/office_session.h"

#include <unistd.h>
#include <com/sun/star/awt/XTopWindow.hpp>
#include <com/sun/star/awt/XWindow.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/bridge/XBridge.hpp>
#include <com/sun/star/connection/Connector.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/frame/XTerminateListener.hpp>
#include <com/sun/star/lang/XEventListener.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XModifiable.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <cppuhelper/implbase1.hxx>
#include <rtl/bootstrap.hxx>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "word/libreoffice/uno_text.h"

namespace tolvane::word::libreoffice {
namespace {

using css::uno::UNO_QUERY;
using rtl::OUString;

constexpr auto kStartTimeout = std::chrono::seconds(60);     // a first start with a new profile
constexpr auto kHandOverTimeout = std::chrono::seconds(15);  // after our soffice passed us on
constexpr auto kQuitGrace = std::chrono::seconds(5);
constexpr int kRestartRequested = 81;  // soffice's exit code when it wants to be started again

// The process's own UNO context, made once. It must find the office's fundamentalrc, or it lacks
// the office's types and making the desktop crashes; set as a bootstrap variable, not in the
// environment, which other threads read.
Reference<css::uno::XComponentContext> localContext() {
  static const Reference<css::uno::XComponentContext> context = [] {
    rtl::Bootstrap::set("URE_BOOTSTRAP",
                        "vnd.sun.star.pathname:" TOLVANE_LIBREOFFICE_PROGRAM "/fundamentalrc");
    return cppu::defaultBootstrap_InitialComponentContext();
  }();
  return context;
}

// Tells the session when the office ends: by its own termination, or when the connection breaks
// (soffice was killed).
class QuitListener : public cppu::WeakImplHelper1<css::frame::XTerminateListener> {
 public:
  QuitListener(std::weak_ptr<OfficeSession> session, uint64_t connection)
      : m_session(std::move(session)), m_connection(connection) {}

  void SAL_CALL queryTermination(const css::lang::EventObject&) override {}
  void SAL_CALL notifyTermination(const css::lang::EventObject&) override { report(); }
  void SAL_CALL disposing(const css::lang::EventObject&) override { report(); }

 private:
  void report() {
    if (auto session = m_session.lock()) session->notifyQuit(m_connection);
  }
  std::weak_ptr<OfficeSession> m_session;
  uint64_t m_connection;
};

std::string pipeName() {
  std::random_device random;
  return "tolvane_" + std::to_string(getpid()) + "_" + std::to_string(random());
}

Reference<css::awt::XWindow> windowOf(const Reference<css::frame::XModel>& model) {
  if (!model.is()) return {};
  Reference<css::frame::XController> controller = model->getCurrentController();
  if (!controller.is()) return {};
  Reference<css::frame::XFrame> frame = controller->getFrame();
  return frame.is() ? frame->getContainerWindow() : Reference<css::awt::XWindow>();
}

// Marks a document unmodified and, when asked, closes it; one the user has closed already is skipped.
void discard(const Reference<css::frame::XModel>& model, bool close) {
  try {
    Reference<css::util::XModifiable>(model, css::uno::UNO_QUERY_THROW)->setModified(false);
    if (close) Reference<css::util::XCloseable>(model, css::uno::UNO_QUERY_THROW)->close(true);
  } catch (const css::uno::Exception&) {
  }
}

}  // namespace

WordStatus failedCall(const char* what, const css::uno::Exception& exception) {
  return WordStatus::failed(std::string("LibreOffice: ") + what + " failed (" + utf8(exception.Message) +
                            ")");
}

OfficeSession::~OfficeSession() {
  dropConnection();
}

WordStatus OfficeSession::connect() {
  if (connected()) return {};
  dropConnection();
  return startAndConnect();
}

WordStatus OfficeSession::startAndConnect() {
  const std::string program = TOLVANE_LIBREOFFICE_PROGRAM "/soffice.bin";
  if (!std::filesystem::exists(program))
    return WordStatus::unreachable("LibreOffice is not installed (" + program + " is missing)");
  try {
    localContext();
  } catch (const css::uno::Exception& exception) {
    return WordStatus::unreachable("LibreOffice's UNO runtime does not start: " + utf8(exception.Message));
  }

  const std::string pipe = pipeName();
  std::vector<std::string> arguments = {"--accept=pipe,name=" + pipe + ";urp;", "--nologo", "--nodefault",
                                        "--norestore", "--nolockcheck"};
  if (m_options.headless) {
    arguments.emplace_back("--headless");
    arguments.emplace_back("--invisible");
  }
  if (!m_options.userInstallation.empty())
    arguments.push_back("-env:UserInstallation=" + m_options.userInstallation);

  const OUString pipeText = OUString::createFromAscii(pipe.c_str());
  std::string error;
  const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  std::optional<std::chrono::steady_clock::time_point> handedOver;
  bool restarted = false;
  m_process = OfficeProcess::start(program, arguments, error);
  if (!m_process) return WordStatus::unreachable(error);
  while (!tryConnect(pipeText)) {
    const auto now = std::chrono::steady_clock::now();
    if (now > deadline || (handedOver && now > *handedOver + kHandOverTimeout)) {
      if (m_process && m_process->running()) m_process->stop(std::chrono::milliseconds(0));
      m_process.reset();
      return WordStatus::unreachable("LibreOffice did not answer in time");
    }
    if (m_process && !m_process->running()) {
      const int code = *m_process->exitCode();
      m_process.reset();
      if (code == kRestartRequested && !restarted) {
        restarted = true;
        m_process = OfficeProcess::start(program, arguments, error);
        if (!m_process) return WordStatus::unreachable(error);
      } else if (code == 0) {
        handedOver = now;  // an office of the same profile runs and accepts our pipe instead
      } else {
        return WordStatus::unreachable("soffice ended with code " + std::to_string(code));
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return {};
}

bool OfficeSession::tryConnect(const OUString& pipe) {
  try {
    Reference<css::uno::XComponentContext> local = localContext();
    Reference<css::connection::XConnection> connection =
        css::connection::Connector::create(local)->connect("pipe,name=" + pipe);
    Reference<css::bridge::XBridge> bridge =
        css::bridge::BridgeFactory::create(local)->createBridge("", "urp", connection, nullptr);
    Reference<css::uno::XComponentContext> remote(bridge->getInstance("StarOffice.ComponentContext"),
                                                  UNO_QUERY);
    if (!remote.is()) return false;
    Reference<css::frame::XDesktop2> desktop = css::frame::Desktop::create(remote);

    const uint64_t number = ++m_connection;
    Reference<css::frame::XTerminateListener> listener(new QuitListener(weak_from_this(), number));
    desktop->addTerminateListener(listener);
    m_bridge.set(bridge, UNO_QUERY);
    m_bridge->addEventListener(listener.get());
    m_context = remote;
    m_desktop = desktop;
    m_alive = true;
    return true;
  } catch (const css::uno::Exception&) {
    return false;  // not accepting yet, or not ready to make the desktop
  }
}

void OfficeSession::dropConnection() {
  m_alive = false;
  m_lastAdded.clear();
  m_active.clear();
  m_documents.clear();
  m_desktop.clear();
  m_context.clear();
  if (m_bridge.is()) {
    try {
      m_bridge->dispose();
    } catch (const css::uno::Exception&) {
    }
    m_bridge.clear();
  }
  // An office that was handed our pipe, or one that ended: nothing of ours runs any more. One
  // that still runs (the user quit nothing, the connection broke) is reaped when it ends.
  m_process.reset();
}

Reference<css::frame::XModel> OfficeSession::newDocument() {
  Reference<css::frame::XComponentLoader> loader(m_desktop, UNO_QUERY);
  css::uno::Sequence<css::beans::PropertyValue> properties(1);
  properties.getArray()[0].Name = "Hidden";
  properties.getArray()[0].Value <<= !m_visible;
  Reference<css::frame::XModel> model(
      loader->loadComponentFromURL("private:factory/swriter", "_blank", 0, properties), UNO_QUERY);
  if (!model.is()) throw css::uno::RuntimeException("no Writer document was made");
  m_documents.emplace_back(model);
  return model;
}

void OfficeSession::setVisible(bool visible) {
  m_visible = visible;
  for (const auto& weak : m_documents) {
    Reference<css::frame::XModel> model(weak);
    if (Reference<css::awt::XWindow> window = windowOf(model); window.is()) window->setVisible(visible);
  }
}

void OfficeSession::activate() {
  Reference<css::frame::XController> controller = m_active.is() ? m_active->getCurrentController() : nullptr;
  if (!controller.is()) return;
  controller->getFrame()->activate();
  Reference<css::awt::XWindow> window = windowOf(m_active);
  if (Reference<css::awt::XTopWindow> top{window, UNO_QUERY}; top.is()) top->toFront();
  if (window.is()) window->setFocus();
}

bool OfficeSession::isOurs(const Reference<css::frame::XModel>& model) const {
  for (const auto& weak : m_documents)
    if (Reference<css::frame::XModel>(weak) == model) return true;
  return false;
}

void OfficeSession::quitWithoutSaving() {
  if (!connected()) {
    dropConnection();
    return;
  }
  bool endOffice = false;
  try {
    bool othersOpen = false;
    Reference<css::container::XEnumeration> components = m_desktop->getComponents()->createEnumeration();
    while (components->hasMoreElements()) {
      Reference<css::frame::XModel> model(components->nextElement(), UNO_QUERY);
      if (model.is() && !isOurs(model)) othersOpen = true;
    }
    // Only an office we started, and one the user has not opened documents of their own in.
    endOffice = m_process && m_process->running() && !othersOpen;
    std::vector<Reference<css::frame::XModel>> ours;
    for (const auto& weak : m_documents)
      if (Reference<css::frame::XModel> model(weak); model.is()) ours.push_back(model);
    for (const auto& model : ours) discard(model, !endOffice);
    if (endOffice) m_desktop->terminate();
  } catch (const css::uno::Exception&) {
    // the office may go away under the call; one of ours that hangs is stopped below
  }
  if (endOffice) m_process->stop(kQuitGrace);
  dropConnection();
}

void OfficeSession::setEvents(WordEvents* events) {
  std::lock_guard lock(m_eventsMutex);
  m_events = events;
}

void OfficeSession::notifyClosing(const ClosingDocument& document) {
  std::lock_guard lock(m_eventsMutex);
  if (m_events) m_events->documentClosing(document);
}

void OfficeSession::notifyQuit(uint64_t connection) {
  if (connection == m_connection) m_alive = false;
  std::lock_guard lock(m_eventsMutex);
  if (m_quitReported >= connection) return;
  m_quitReported = connection;
  if (m_events) m_events->processorQuit();
}

}  // namespace tolvane::word::libreoffice
