#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string_view>

#include "document/document.h"
#include "document/document_scan.h"
#include "document/headless_view.h"
#include "document/page_file.h"
#include "document/write_back.h"
#include "exchange/export_document.h"
#include "exchange/import_document.h"
#include "support/outline.h"

// Round trips over the real pages that bench/fetch-corpus.sh gathers, in the folder named by the
// environment variable TOLVANE_CORPUS. Skipped when it is unset or holds no page.
namespace tolvane::html {
namespace {

std::vector<std::filesystem::path> corpusPages() {
  std::vector<std::filesystem::path> pages;
  const char* folder = std::getenv("TOLVANE_CORPUS");
  if (!folder) return pages;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    if (entry.path().extension() == ".html") pages.push_back(entry.path());
  std::sort(pages.begin(), pages.end());
  return pages;
}

std::string read(const std::filesystem::path& path) {
  std::string bytes;
  auto status = readFileBytes(path.string(), bytes);
  EXPECT_TRUE(status) << status.error;
  return bytes;
}

// Pages run to megabytes: a failure names the first differing byte instead of printing both.
::testing::AssertionResult sameBytes(std::string_view expected, std::string_view actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  size_t at =
      std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first - expected.begin();
  return ::testing::AssertionFailure()
         << expected.size() << " bytes expected, " << actual.size() << " written, first difference at byte "
         << at << ": \"" << expected.substr(at, 40) << "\" became \"" << actual.substr(at, 40) << "\"";
}

// Text after one of these inline elements stays in the element's parent when the page is parsed
// again, so an edit there must read back at the same place.
bool isInline(const Element& element) {
  static const std::set<std::string> kInline = {"A", "B", "CODE", "EM", "I", "SPAN", "STRONG", "TT"};
  return kInline.count(element.tagName()) > 0;
}

// The element ends with its own end tag (an implied end would take text written after it inside).
bool hasEndTag(const Element& element) {
  std::string markup = element.outerHTML();
  std::string closing = "</" + element.tagName() + ">";
  if (markup.size() < closing.size()) return false;
  std::string tail = markup.substr(markup.size() - closing.size());
  std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::toupper(c); });
  return tail == closing;
}

constexpr size_t kEditsPerPage = 5;

TEST(CorpusRoundTrip, EveryPageIsWrittenBackByteForByte) {
  auto pages = corpusPages();
  if (pages.empty()) GTEST_SKIP() << "TOLVANE_CORPUS is unset or holds no .html page";
  for (const auto& path : pages) {
    SCOPED_TRACE(path.filename().string());
    std::string bytes = read(path);
    EXPECT_TRUE(sameBytes(bytes, Document::fromBytes(bytes)->markup()));
  }
}

TEST(CorpusRoundTrip, EditedTextsReadBackAfterReload) {
  auto pages = corpusPages();
  if (pages.empty()) GTEST_SKIP() << "TOLVANE_CORPUS is unset or holds no .html page";
  size_t editedPages = 0;
  for (const auto& path : pages) {
    SCOPED_TRACE(path.filename().string());
    auto doc = Document::fromBytes(read(path));

    std::vector<size_t> candidates;
    for (size_t i = 0; i < doc->length(); ++i)
      if (isInline(doc->item(i))) candidates.push_back(i);
    // Spread the edits over the page, skipping the elements whose end is implied.
    std::vector<std::pair<size_t, std::string>> edits;
    size_t step = std::max<size_t>(1, candidates.size() / kEditsPerPage);
    for (size_t k = 0; k < candidates.size() && edits.size() < kEditsPerPage; k += step) {
      Element element = doc->item(candidates[k]);
      if (!hasEndTag(element)) continue;
      std::string text = " tv " + std::to_string(candidates[k]) + " <&>\"' caf\xC3\xA9 ";
      ASSERT_TRUE(element.replaceAdjacentText(Adjacent::AfterEnd, text));
      EXPECT_EQ(element.adjacentText(Adjacent::AfterEnd), text);
      edits.emplace_back(candidates[k], text);
    }
    if (edits.empty()) continue;
    ++editedPages;

    std::string edited = doc->markup();
    auto again = Document::fromBytes(edited);
    ASSERT_EQ(again->length(), doc->length()) << "the edits changed the element structure";
    for (const auto& [index, text] : edits) {
      EXPECT_EQ(again->item(index).tagName(), doc->item(index).tagName());
      EXPECT_EQ(again->item(index).adjacentText(Adjacent::AfterEnd), text) << "element " << index;
    }
    EXPECT_TRUE(sameBytes(edited, again->markup()));
  }
  EXPECT_GT(editedPages, pages.size() / 2) << "too few pages had inline elements to edit";
}

}  // namespace
}  // namespace tolvane::html

namespace tolvane {
namespace {

// A corpus page shown in a headless view, with its block list.
struct ScannedPage {
  ScannedPage(const std::string& bytes, const settings::TGlobalVars& vars) {
    view.show(html::Document::fromBytes(bytes));
    ScanDocument(list, view, vars);
  }
  HeadlessView view;
  BlockList list;
};

// Writing every block's own text back (as an edit that changes nothing would) leaves every byte of
// the page as it was: the write-back keeps layout, references and the source's spelling.
TEST(CorpusRoundTrip, WritingEveryBlocksOwnTextChangesNoByte) {
  auto pages = html::corpusPages();
  if (pages.empty()) GTEST_SKIP() << "TOLVANE_CORPUS is unset or holds no .html page";
  const settings::TGlobalVars vars = testing::allViews();
  size_t blocks = 0;
  for (const auto& path : pages) {
    SCOPED_TRACE(path.filename().string());
    std::string bytes = html::read(path);
    ScannedPage page(bytes, vars);
    for (const BlockRow& row : page.list.rows())
      for (size_t i = 0; i < row.group->Count(); ++i, ++blocks) DefineText(row.group->GetTag(i), row.text);
    ASSERT_TRUE(html::sameBytes(bytes, page.view.currentDocument()->markup()));
  }
  std::printf("[ corpus ] %zu pages, %zu blocks written back unchanged\n", pages.size(), blocks);
}

TEST(CorpusRoundTrip, ExportThenImportGivesThePageBack) {
  auto pages = html::corpusPages();
  if (pages.empty()) GTEST_SKIP() << "TOLVANE_CORPUS is unset or holds no .html page";
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("tolvane-corpus-exchange-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const settings::TGlobalVars vars = testing::allViews(true);
  for (const auto& path : pages) {
    SCOPED_TRACE(path.filename().string());
    std::string bytes = html::read(path);
    ScannedPage page(bytes, vars);
    ExportFileNames files;
    ASSERT_TRUE(ExportDocument(page.list, page.view, path.string(), folder.string() + "/", {}, &files));
    const std::string result = (folder / "result.html").string();
    ASSERT_EQ(ImportDocument(files.textFile, files.templateFile, result).outcome,
              ImportResult::Outcome::Written);
    auto original = html::Document::fromBytes(bytes);
    auto imported = html::Document::fromBytes(html::read(result));
    ASSERT_EQ(testing::contentOf(*imported), testing::contentOf(*original));
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tolvane
