// The LibreOffice backend against a real, headless soffice with a profile of its own. Exits with 77
// (skipped) where LibreOffice is not installed.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XDispatch.hpp>
#include <com/sun/star/frame/XDispatchProvider.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/util/URLTransformer.hpp>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <mutex>
#include <vector>

#include "word/libreoffice/libreoffice_processor.h"
#include "word/word_editor.h"

namespace tolvane::word::libreoffice {
namespace {

using css::uno::UNO_QUERY_THROW;

std::string g_profile;  // a file URL of a fresh folder, made in main

// The notifications as they come in on the office's threads; the test waits for them.
class EventRecorder : public WordEvents {
 public:
  void documentClosing(const ClosingDocument& document) override {
    std::lock_guard lock(m_mutex);
    closings.push_back(document);
    m_changed.notify_all();
  }
  void processorQuit() override {
    std::lock_guard lock(m_mutex);
    ++quits;
    m_changed.notify_all();
  }
  // True when condition held within 30 seconds.
  bool waitFor(const std::function<bool()>& condition) {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::seconds(30), condition);
  }

  std::vector<ClosingDocument> closings;
  int quits = 0;

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
};

class LibreOfficeTest : public ::testing::Test {
 protected:
  LibreOfficeTest() : processor(WordProcessorOptions{g_profile, true}) { processor.setEvents(&events); }
  ~LibreOfficeTest() override {
    processor.setEvents(nullptr);
    processor.session()->quitWithoutSaving();  // stops the soffice this test started
  }

  // Plays the user: changes the document's text in the office.
  void userTypes(const std::string& text) {
    Reference<css::text::XTextDocument> document(processor.session()->activeDocument(), UNO_QUERY_THROW);
    document->getText()->setString(rtl::OUString::fromUtf8(text.c_str()));
  }
  // Plays the user: closes the document's window, as File > Close does.
  void userClosesDocument() {
    Reference<css::frame::XFrame> frame =
        processor.session()->activeDocument()->getCurrentController()->getFrame();
    css::util::URL url;
    url.Complete = ".uno:CloseDoc";
    css::util::URLTransformer::create(processor.session()->context())->parseStrict(url);
    Reference<css::frame::XDispatch> dispatch =
        Reference<css::frame::XDispatchProvider>(frame, UNO_QUERY_THROW)->queryDispatch(url, "_self", 0);
    ASSERT_TRUE(dispatch.is());
    dispatch->dispatch(url, {});
  }

  EventRecorder events;
  LibreOfficeProcessor processor;
};

TEST_F(LibreOfficeTest, FillsChangesAndReadsBackTheWholeText) {
  auto application = processor.createApplication();
  auto document = processor.createDocument();
  ASSERT_TRUE(application->connect()) << application->connect().reason;
  ASSERT_TRUE(application->setVisible(true));
  ASSERT_TRUE(application->addDocument());
  ASSERT_TRUE(document->attach());

  ASSERT_TRUE(document->setText(""));
  ASSERT_TRUE(document->insertAfter("Grüße aus Köln 😀\r\nzweite Zeile\ndritte"));
  ASSERT_TRUE(document->select());
  ASSERT_TRUE(document->setSaved(true));
  EXPECT_TRUE(document->saved().value);
  // Every kind of line break became a paragraph; paragraphs come back ended with CR.
  EXPECT_EQ(document->text().value, "Grüße aus Köln 😀\rzweite Zeile\rdritte");

  ASSERT_TRUE(document->insertAfter(" und mehr"));
  const WordResult<bool> saved = document->saved();
  ASSERT_TRUE(saved.status);
  EXPECT_FALSE(saved.value);
  EXPECT_EQ(document->text().value, "Grüße aus Köln 😀\rzweite Zeile\rdritte und mehr");

  ASSERT_TRUE(document->setText("replaced"));
  EXPECT_EQ(document->text().value, "replaced");
  EXPECT_TRUE(application->activate());
}

TEST_F(LibreOfficeTest, FirstUseAttachesToANewDocumentByItself) {
  auto document = processor.createDocument();
  const WordResult<bool> saved = document->saved();  // starts the office
  ASSERT_TRUE(saved.status) << saved.status.reason;
  EXPECT_TRUE(saved.value);
  EXPECT_EQ(document->text().value, "");
  EXPECT_NE(processor.session()->officeProcessId(), 0);
}

// The user closes the document: the listener reads it before it is gone and clears its modified
// flag (so the office asks nothing); the document's objects are not used after the close.
TEST_F(LibreOfficeTest, TheUsersCloseReportsTheTextReadBeforeTheDocumentWent) {
  struct Case {
    const char* name;
    bool change;
  };
  auto application = processor.createApplication();
  ASSERT_TRUE(application->setVisible(true));  // as Edit does; the user closes a window on view
  for (const Case& c : {Case{"changed", true}, Case{"unchanged", false}}) {
    SCOPED_TRACE(c.name);
    auto document = processor.createDocument();
    ASSERT_TRUE(document->setText("Hello"));
    ASSERT_TRUE(document->setSaved(true));
    if (c.change) userTypes("Hello, world");
    const size_t before = events.closings.size();
    userClosesDocument();
    ASSERT_TRUE(events.waitFor([&] { return events.closings.size() == before + 1; }));
    const ClosingDocument closing = events.closings.back();
    EXPECT_EQ(closing.document, document->id());
    EXPECT_EQ(closing.saved, !c.change);
    EXPECT_EQ(closing.text, c.change ? "Hello, world" : "Hello");

    const WordStatus gone = document->setText("too late");
    EXPECT_EQ(gone.code, WordStatus::Code::Failed);
    EXPECT_NE(processor.session()->officeProcessId(), 0)
        << "the office must survive a call on a closed document";
  }
  EXPECT_EQ(events.quits, 0);
}

// The editor on the real office: the changed text comes back trimmed through the question.
TEST_F(LibreOfficeTest, EditorTakesTheChangedTextBackOnClose) {
  struct Host : WordEditorHost {
    bool confirm(std::string_view key) override {
      asked.emplace_back(key);
      return true;
    }
    void showError(std::string_view key) override { errors.emplace_back(key); }
    void bringToFront() override {}
    void applyText(TDuplTags& group, std::string_view text) override { group.Text = text; }
    void textDropped(std::string_view) override {}
    std::vector<std::string> asked, errors;
  } host;
  BlockList list;
  auto group = std::make_unique<TDuplTags>();
  group->Text = "Original text";
  TDuplTags& target = *group;
  list.addRow(BlockClass::RunningText, "Original text", std::move(group));

  TWordEditor editor(processor, host, list);  // this thread plays the GUI thread: it hands the
                                              // recorded notifications to the editor itself
  const EditOutcome outcome = editor.Edit(target);
  ASSERT_TRUE(outcome) << outcome.error;
  userTypes("  Edited in Writer\n");
  userClosesDocument();
  ASSERT_TRUE(events.waitFor([&] { return !events.closings.empty(); }));
  editor.documentClosing(events.closings.back());
  EXPECT_EQ(host.asked, std::vector<std::string>{"ResSaveDoc"});
  EXPECT_EQ(target.Text, "Edited in Writer");
  EXPECT_TRUE(host.errors.empty());
}

// soffice killed while connected: the quit is reported, calls fail instead of crashing, and the
// next connect starts a new office.
TEST_F(LibreOfficeTest, AKilledOfficeIsReportedAndStartedAgain) {
  auto application = processor.createApplication();
  auto document = processor.createDocument();
  ASSERT_TRUE(document->setText("before"));
  const pid_t office = processor.session()->officeProcessId();
  ASSERT_NE(office, 0);
  ASSERT_EQ(kill(office, SIGKILL), 0);  // our own unreaped child
  ASSERT_TRUE(events.waitFor([&] { return events.quits == 1; }));
  EXPECT_FALSE(document->text().status);

  ASSERT_TRUE(application->connect());
  EXPECT_NE(processor.session()->officeProcessId(), office);
  auto again = processor.createDocument();
  ASSERT_TRUE(again->setText("after"));
  EXPECT_EQ(again->text().value, "after");
}

TEST_F(LibreOfficeTest, QuitEndsTheOfficeItStartedWithoutSaving) {
  auto application = processor.createApplication();
  auto document = processor.createDocument();
  ASSERT_TRUE(document->setText("never saved"));
  const pid_t office = processor.session()->officeProcessId();
  ASSERT_NE(office, 0);
  application->quitWithoutSaving();
  EXPECT_EQ(processor.session()->officeProcessId(), 0);
  EXPECT_NE(kill(office, 0), 0) << "the child is gone and reaped";
}

}  // namespace
}  // namespace tolvane::word::libreoffice

int main(int argc, char** argv) {
  if (!std::filesystem::exists(TOLVANE_LIBREOFFICE_PROGRAM "/soffice.bin")) {
    std::puts("LibreOffice is not installed: skipped");
    return 77;
  }
  char folder[] = "/tmp/tolvane-word-test-XXXXXX";
  if (!mkdtemp(folder)) return 1;
  tolvane::word::libreoffice::g_profile = std::string("file://") + folder;
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  std::filesystem::remove_all(folder);
  return result;
}
