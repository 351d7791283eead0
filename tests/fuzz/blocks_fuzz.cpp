// Fuzzes the block layer over any page: the scan, the write-back and the exchange files. Writing
// every block's own text back changes no byte; export followed by import gives a page that reads
// as the original. A broken promise aborts, so that libFuzzer keeps the input.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "document/document_scan.h"
#include "document/headless_view.h"
#include "document/page_file.h"
#include "document/write_back.h"
#include "exchange/export_document.h"
#include "exchange/import_document.h"
#include "support/outline.h"

namespace {

using namespace tolvane;

// The exchange files go to memory-backed storage where there is some: the target writes three
// files per input.
struct WorkFolder {
  WorkFolder() {
    const std::filesystem::path base = std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                           : std::filesystem::temp_directory_path();
    path = base / ("tolvane-blocks-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
  }
  ~WorkFolder() { remove(); }
  void remove() const {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::filesystem::path path;
};

const WorkFolder& work() {
  static const WorkFolder folder;
  return folder;
}

void check(bool condition, const char* promise) {
  if (condition) return;
  std::fprintf(stderr, "blocks_fuzz: broken promise: %s\n", promise);
  work().remove();  // abort runs no destructor
  std::abort();
}

void exportThenImport(const std::string& input, const BlockList& list, HeadlessView& view) {
  const std::string page = (work().path / "page.html").string();
  ExportFileNames files;
  check(static_cast<bool>(ExportDocument(list, view, page, work().path.string() + "/", {}, &files)),
        "the export writes its files");
  const std::string result = (work().path / "result.html").string();
  check(ImportDocument(files.textFile, files.templateFile, result).outcome == ImportResult::Outcome::Written,
        "the import writes its page");
  std::string imported;
  check(static_cast<bool>(html::readFileBytes(result, imported)), "the imported page reads back");
  // The import ends the last line with a line end, as it ends every line: where the template's
  // last line had none, the page comes back with one more at its end. (The import writes an
  // ASCII-compatible encoding, so its final CR LF is two bytes.)
  const std::string expected = testing::contentOf(*html::Document::fromBytes(input));
  const std::string actual = testing::contentOf(*html::Document::fromBytes(imported));
  const bool endsLine = imported.size() >= 2 && imported.compare(imported.size() - 2, 2, "\r\n") == 0;
  const bool same = actual == expected ||
                    (endsLine && testing::contentOf(*html::Document::fromBytes(
                                     imported.substr(0, imported.size() - 2))) == expected);
  if (!same) {
    const size_t at = static_cast<size_t>(
        std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first - expected.begin());
    const size_t from = at > 80 ? at - 80 : 0;
    std::fprintf(stderr, "page reads:     ...%s\nimport reads:   ...%s\n", expected.substr(from, 160).c_str(),
                 actual.substr(from, 160).c_str());
  }
  check(same, "export followed by import gives the page back");
}

}  // namespace

// The first byte picks the duplicate filter; the rest is the page.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const settings::TGlobalVars vars = testing::allViews((data[0] & 1) != 0);
  const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);

  HeadlessView view;
  view.show(html::Document::fromBytes(input));
  BlockList list;
  ScanDocument(list, view, vars);
  for (const BlockRow& row : list.rows())
    for (size_t i = 0; i < row.group->Count(); ++i) DefineText(row.group->GetTag(i), row.text);
  check(view.currentDocument()->markup() == input, "writing every block's own text back changes no byte");

  exportThenImport(input, list, view);
  return 0;
}
