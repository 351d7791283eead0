// Measures the block scan and the group edit on large pages:
//   scan_bench CORPUS_FOLDER   load + scan of the largest corpus pages and of a 10 MB page made of
//                              them, with the duplicate filter off and on; then ApplyText on a
//                              group of 10,000 copies.
// Goals: load + scan of a 10 MB page under 0.3 s; ApplyText on 10,000 copies well under 0.1 s.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "document/document_scan.h"
#include "document/headless_view.h"
#include "editing/apply_text.h"

namespace {

using Clock = std::chrono::steady_clock;
using tolvane::BlockList;
using tolvane::HeadlessView;
using tolvane::html::Document;

double seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

tolvane::settings::TGlobalVars allViews(bool filter) {
  tolvane::settings::TGlobalVars vars;
  vars.ViewText = vars.ViewMeta = vars.ViewImages = vars.ViewValue = vars.ViewScripts = true;
  vars.ItemsFilter = filter;
  return vars;
}

// The best of three runs of load + scan.
void measureScan(const std::string& name, const std::string& bytes) {
  for (bool filter : {false, true}) {
    double best = 1e9;
    size_t rows = 0;
    int duplicates = 0;
    for (int run = 0; run < 3; ++run) {
      auto start = Clock::now();
      HeadlessView view;
      view.show(Document::fromBytes(bytes));
      BlockList list;
      tolvane::ScanDocument(list, view, allViews(filter));
      best = std::min(best, seconds(start));
      rows = list.rowCount();
      duplicates = list.duplicateCount();
    }
    std::printf("%-44s %7.2f MB  filter %-3s  %8zu rows  %7d duplicates  %.3f s\n", name.c_str(),
                bytes.size() / 1048576.0, filter ? "on" : "off", rows, duplicates, best);
  }
}

void measureApplyText() {
  std::string page = "<html><body>";
  for (int i = 0; i < 10000; ++i) page += "<p>Home</p><p>Other " + std::to_string(i) + "</p>\n";
  HeadlessView view;
  view.show(Document::fromBytes(page));
  BlockList list;
  auto vars = allViews(true);
  vars.AutoSave = false;
  tolvane::ScanDocument(list, view, vars);
  tolvane::DocumentState state;
  tolvane::GroupEditContext context{vars, state, {}};
  list.setSelectedRow(0);
  auto start = Clock::now();
  tolvane::ApplyText(*list.row(0).group, "Start", context);
  double took = seconds(start);
  std::printf("ApplyText on a group of %zu copies: %.4f s (goal: well under 0.1 s)\n",
              list.row(0).group->Count(), took);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: scan_bench CORPUS_FOLDER\n");
    return 1;
  }
  std::vector<std::filesystem::path> pages;
  for (const auto& entry : std::filesystem::directory_iterator(argv[1]))
    if (entry.path().extension() == ".html") pages.push_back(entry.path());
  std::sort(pages.begin(), pages.end(), [](const auto& a, const auto& b) {
    return std::filesystem::file_size(a) > std::filesystem::file_size(b);
  });
  std::string large;
  for (size_t i = 0; i < pages.size() && i < 3; ++i) {
    std::string bytes;
    if (!tolvane::html::readFileBytes(pages[i].string(), bytes)) continue;
    measureScan(pages[i].filename().string(), bytes);
  }
  // A 10 MB page: the largest pages one after the other.
  for (size_t i = 0; large.size() < 10 * 1048576 && !pages.empty();
       i = (i + 1) % std::min<size_t>(pages.size(), 20)) {
    std::string bytes;
    if (tolvane::html::readFileBytes(pages[i].string(), bytes)) large += bytes;
  }
  measureScan("10 MB of joined pages", large);
  measureApplyText();
  return 0;
}
