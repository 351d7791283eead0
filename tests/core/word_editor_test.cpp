#include "word/word_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "../word/support/fake_word_processor.h"
#include "word/unavailable_word_processor.h"

namespace tolvane::word {
namespace {

using testing::FakeWordProcessor;
using Log = std::vector<std::string>;

// The program around the editor: answers questions from a script and records what reaches it.
class RecordingHost : public WordEditorHost {
 public:
  bool confirm(std::string_view key) override {
    questions.emplace_back(key);
    if (whileAsking) whileAsking();
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void showError(std::string_view key) override { errors.emplace_back(key); }
  void bringToFront() override { ++broughtToFront; }
  void applyText(TDuplTags& group, std::string_view text) override {
    applied.push_back({&group, std::string(text)});
    group.Text = text;
  }
  void textDropped(std::string_view text) override { dropped.emplace_back(text); }

  struct Applied {
    TDuplTags* group;
    std::string text;
  };
  std::deque<bool> answers;            // Yes when empty
  std::function<void()> whileAsking;   // runs while a question is open (the event loop)
  std::vector<std::string> questions;  // message keys asked
  std::vector<std::string> errors;     // message keys shown as errors
  std::vector<Applied> applied;
  std::vector<std::string> dropped;
  int broughtToFront = 0;
};

// Three rows "Alpha", "Beta", "Gamma" and an editor over them; the fake's notifications go to it.
class WordEditorTest : public ::testing::Test {
 protected:
  WordEditorTest() {
    fill({"Alpha", "Beta", "Gamma"});
    editor = std::make_unique<TWordEditor>(fake, host, list);
    fake.setEvents(editor.get());
  }

  void fill(const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
      auto group = std::make_unique<TDuplTags>();
      group->Text = text;
      group->ListView = &list;
      list.addRow(BlockClass::RunningText, text, std::move(group));
    }
  }
  // What the tags list does on a rescan: tells the editor, then replaces every group.
  void rebuild(const std::vector<std::string>& texts) {
    editor->GroupsFreed();
    list.clear();
    fill(texts);
  }
  TDuplTags& group(size_t row) { return *list.row(row).group; }
  // The calls of the last Edit only.
  Log editAndLog(TDuplTags& target, EditOutcome* outcome = nullptr) {
    fake.log.clear();
    const EditOutcome result = editor->Edit(target);
    if (outcome) *outcome = result;
    EXPECT_TRUE(result || outcome) << result.error;
    return fake.log;
  }

  FakeWordProcessor fake;
  RecordingHost host;
  BlockList list;
  std::unique_ptr<TWordEditor> editor;
};

// The refill of a document the editor already holds: no document is added.
const Log kRefillBeta = {"saved?", "connect", "visible 1", "text", "insert Beta", "select", "saved 1"};

TEST_F(WordEditorTest, FirstEditAttachesItsDocumentByItselfAndAsksNothing) {
  EXPECT_TRUE(fake.log.empty()) << "construction only makes the connections";
  EXPECT_EQ(editAndLog(group(0)), (Log{"attach-self", "saved?", "connect", "visible 1", "text",
                                       "insert Alpha", "select", "saved 1"}));
  ASSERT_NE(fake.current(), nullptr);
  EXPECT_EQ(fake.current()->text, "Alpha");
  EXPECT_TRUE(fake.current()->saved);
  EXPECT_TRUE(host.questions.empty());
  EXPECT_NE(editor->WordApp(), nullptr);
}

TEST_F(WordEditorTest, AnUnchangedDocumentIsRefilledWithoutAQuestion) {
  editAndLog(group(0));
  EXPECT_EQ(editAndLog(group(1)), kRefillBeta);
  EXPECT_EQ(fake.current()->text, "Beta");
  EXPECT_EQ(fake.documents.size(), 1u);
  EXPECT_TRUE(host.questions.empty());
  EXPECT_TRUE(host.applied.empty());
}

// A changed document when another row is sent: Yes takes the text back into the old group first.
TEST_F(WordEditorTest, AChangedDocumentIsOfferedBeforeTheNextGroupTakesItsPlace) {
  struct Case {
    const char* name;
    bool answer;
  };
  for (const Case& c : {Case{"Yes", true}, Case{"No", false}}) {
    SCOPED_TRACE(c.name);
    host = RecordingHost();
    host.answers = {c.answer};
    editAndLog(group(0));
    fake.userTypes("Alpha, changed in Word\r");
    const Log log = editAndLog(group(1));

    EXPECT_EQ(host.questions, Log{"ResSaveDoc"});
    const Log expected =
        c.answer ? Log{"saved?", "text?", "connect", "visible 1", "text", "insert Beta", "select", "saved 1"}
                 : kRefillBeta;
    EXPECT_EQ(log, expected);
    if (c.answer) {
      ASSERT_EQ(host.applied.size(), 1u);
      EXPECT_EQ(host.applied[0].group, &group(0));
      EXPECT_EQ(host.applied[0].text, "Alpha, changed in Word");
    } else {
      EXPECT_TRUE(host.applied.empty());
    }
    EXPECT_EQ(fake.current()->text, "Beta");
    EXPECT_TRUE(fake.current()->saved);
  }
}

// The user closes the document: the program comes to the front, a changed document is offered,
// and the next Edit adds a new document.
TEST_F(WordEditorTest, ClosingTheDocumentOffersChangesAndReleasesIt) {
  struct Case {
    const char* name;
    bool change;
    bool answer;
    bool asked;
    bool applied;
  };
  const Case cases[] = {
      {"changed, Yes", true, true, true, true},
      {"changed, No", true, false, true, false},
      {"unchanged", false, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host = RecordingHost();
    host.answers = {c.answer};
    editAndLog(group(0));
    if (c.change) fake.userTypes("Alpha edited\r");
    fake.userClosesDocument();

    EXPECT_EQ(host.broughtToFront, 1);
    EXPECT_EQ(host.questions.size(), c.asked ? 1u : 0u);
    ASSERT_EQ(host.applied.size(), c.applied ? 1u : 0u);
    if (c.applied) {
      EXPECT_EQ(host.applied[0].text, "Alpha edited");
    }
    EXPECT_EQ(fake.liveConnections, 1) << "only the application connection is left";

    const size_t documentsBefore = fake.documents.size();
    EXPECT_EQ(editAndLog(group(2)),
              (Log{"connect", "visible 1", "add", "attach", "text", "insert Gamma", "select", "saved 1"}));
    EXPECT_EQ(fake.documents.size(), documentsBefore + 1);
    EXPECT_EQ(fake.current()->text, "Gamma");
    EXPECT_EQ(host.questions.size(), c.asked ? 1u : 0u) << "the new document asks nothing";
    group(0).Text = "Alpha";
  }
}

TEST_F(WordEditorTest, AfterTheWordProcessorQuitTheNextEditStartsItAndAddsADocument) {
  editAndLog(group(0));
  fake.userTypes("lost with the quit");
  fake.userQuits();
  EXPECT_EQ(fake.liveConnections, 0);
  EXPECT_EQ(editor->WordApp(), nullptr);
  EXPECT_TRUE(host.questions.empty()) << "a quit offers nothing";

  EXPECT_EQ(editAndLog(group(1)),
            (Log{"connect", "visible 1", "add", "attach", "text", "insert Beta", "select", "saved 1"}));
  EXPECT_EQ(fake.applications, 2);
  EXPECT_TRUE(fake.running);
  EXPECT_EQ(fake.current()->text, "Beta");
}

// What comes back loses leading and trailing characters up to code 32 (the final paragraph mark
// among them); paragraph marks inside stay; nothing is converted to 8 bits.
TEST_F(WordEditorTest, TheTextThatComesBackIsTrimmed) {
  struct Case {
    const char* name;
    const char* typed;
    const char* applied;
  };
  const Case cases[] = {
      {"final paragraph mark", "Hello world\r", "Hello world"},
      {"blanks and controls around", " \t\x01 Hello \r\r", "Hello"},
      {"paragraphs inside stay", "\rline one\r\rline two\r", "line one\r\rline two"},
      {"beyond the code page", "Grüße, Ελλάδα, 日本 😀\r", "Grüße, Ελλάδα, 日本 😀"},
      {"all text deleted", "\r", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host = RecordingHost();
    editAndLog(group(0));
    fake.userTypes(c.typed);
    fake.userClosesDocument();
    ASSERT_EQ(host.applied.size(), 1u);
    EXPECT_EQ(host.applied[0].text, c.applied);
  }
}

// Without a word processor the error box is shown and the action ends; a broken call is reported.
TEST_F(WordEditorTest, FailuresEndTheActionAndLeaveTheEditorUsable) {
  struct Case {
    const char* name;
    const char* unreachable;
    const char* failing;
    EditOutcome::Kind kind;
    Log log;
  };
  const Case cases[] = {
      {"first use cannot start it", "attach-self", "", EditOutcome::Kind::Abandoned, {"attach-self"}},
      {"connect fails", "connect", "", EditOutcome::Kind::Abandoned, {"attach-self", "saved?", "connect"}},
      {"a call breaks",
       "",
       "insert",
       EditOutcome::Kind::Failed,
       {"attach-self", "saved?", "connect", "visible 1", "text", "insert Alpha"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeWordProcessor failing;
    RecordingHost reports;
    TWordEditor subject(failing, reports, list);
    failing.unreachable = {c.unreachable};
    failing.failing = {c.failing};
    const EditOutcome outcome = subject.Edit(group(0));
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(failing.log, c.log);
    const bool missing = c.kind == EditOutcome::Kind::Abandoned;
    EXPECT_EQ(reports.errors, missing ? Log{"InstallWordError"} : Log{});
    EXPECT_EQ(outcome.error.empty(), missing);

    // Once the word processor works, the same editor goes on.
    failing.unreachable.clear();
    failing.failing.clear();
    EXPECT_TRUE(subject.Edit(group(1)));
    EXPECT_EQ(failing.current()->text, "Beta");
  }
}

TEST(WordEditor, WithoutABackendTheErrorBoxIsShown) {
  UnavailableWordProcessor missing("no plugin");
  RecordingHost host;
  BlockList list;
  TDuplTags group;
  TWordEditor editor(missing, host, list);
  EXPECT_EQ(editor.Edit(group).kind, EditOutcome::Kind::Abandoned);
  EXPECT_EQ(host.errors, Log{"InstallWordError"});
}

// A rescan destroys every group: text that comes back later goes to the row that holds the old
// text, or is dropped with a message, and never touches a destroyed group.
TEST_F(WordEditorTest, TextAfterARebuildGoesToTheRowWithTheOldTextOrIsDropped) {
  struct Case {
    const char* name;
    std::vector<std::string> rowsAfter;
    int row;  // the row that gets the text; -1: dropped
  };
  const Case cases[] = {
      {"the row moved", {"Gamma", "Beta", "Alpha"}, 2},
      {"twice in the page: the first row", {"Alpha", "Alpha"}, 0},
      {"gone from the page", {"Beta", "Gamma"}, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host = RecordingHost();
    rebuild({"Alpha", "Beta", "Gamma"});
    editAndLog(group(0));
    fake.userTypes("Alpha, translated\r");
    rebuild(c.rowsAfter);
    fake.userClosesDocument();
    if (c.row < 0) {
      EXPECT_TRUE(host.applied.empty());
      EXPECT_EQ(host.dropped, Log{"Alpha, translated"});
    } else {
      ASSERT_EQ(host.applied.size(), 1u);
      EXPECT_EQ(host.applied[0].group, &group(static_cast<size_t>(c.row)));
      EXPECT_TRUE(host.dropped.empty());
    }
  }
}

// The page may be reloaded while the question is open, destroying the group Edit was given.
TEST_F(WordEditorTest, AGroupDestroyedWhileAskingIsNotFilledIn) {
  editAndLog(group(0));
  fake.userTypes("Alpha, new\r");
  host.whileAsking = [this] { rebuild({"Beta", "Alpha"}); };
  EditOutcome outcome;
  const Log log = editAndLog(group(2), &outcome);  // "Gamma", gone after the rebuild
  EXPECT_EQ(outcome.kind, EditOutcome::Kind::Abandoned);
  EXPECT_EQ(log, (Log{"saved?", "text?"}));
  ASSERT_EQ(host.applied.size(), 1u);
  EXPECT_EQ(host.applied[0].group, &group(1)) << "the old text's row after the rebuild";
  EXPECT_EQ(fake.current()->text, "Alpha, new\r") << "the document was not refilled";
}

TEST_F(WordEditorTest, ALateCloseOfAReleasedDocumentIsIgnored) {
  editAndLog(group(0));
  const uint64_t first = 1;  // the document connection the constructor made
  fake.userClosesDocument();
  editAndLog(group(1));
  editor->documentClosing({first, false, "stale"});
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(host.broughtToFront, 1);
  EXPECT_EQ(fake.liveConnections, 2);
}

// Ending the program lets the word processor quit without saving, if it is still connected.
TEST_F(WordEditorTest, DestructionQuitsTheWordProcessorItHolds) {
  struct Case {
    const char* name;
    bool quitBefore;
    int quits;
  };
  for (const Case& c : {Case{"connected", false, 1}, Case{"quit by the user", true, 0}}) {
    SCOPED_TRACE(c.name);
    FakeWordProcessor processor;
    RecordingHost reports;
    {
      TWordEditor subject(processor, reports, list);
      processor.setEvents(&subject);
      ASSERT_TRUE(subject.Edit(group(0)));
      if (c.quitBefore) processor.userQuits();
    }
    EXPECT_EQ(std::count(processor.log.begin(), processor.log.end(), "quit"), c.quits);
    EXPECT_EQ(processor.liveConnections, 0);
  }
}

}  // namespace
}  // namespace tolvane::word
