// Export and import inside one process, for the comparison in bench/exchange_bench.sh:
//   exchange_bench PAGE...   per page: the best of three export + import times, in seconds
//   exchange_bench --recombine   20,000 lines into a 2 MB template (goal: under 0.2 s)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "document/document_scan.h"
#include "document/headless_view.h"
#include "exchange/export_document.h"
#include "exchange/import_document.h"
#include "exchange/recombine.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// Load, scan, export, import: what a user's round trip costs. The program's default views (running
// text, META contents, image captions; no input values or script strings), duplicates merged: about
// the texts html2po takes.
double roundTrip(const std::string& page, const std::filesystem::path& work) {
  auto start = Clock::now();
  tolvane::HeadlessView view;
  if (!view.navigate(page)) return -1;
  tolvane::settings::TGlobalVars vars;
  vars.ViewText = vars.ViewMeta = vars.ViewImages = vars.ItemsFilter = true;
  tolvane::BlockList list;
  tolvane::ScanDocument(list, view, vars);
  tolvane::ExportFileNames files;
  if (!tolvane::ExportDocument(list, view, page, work.string() + "/", {}, &files)) return -1;
  auto result = tolvane::ImportDocument(files.textFile, files.templateFile, (work / "result.html").string());
  if (result.outcome != tolvane::ImportResult::Outcome::Written) return -1;
  return seconds(start);
}

int recombine() {
  std::string tmpl;
  std::vector<std::string> lines;
  for (int k = 1; k <= 20000; ++k) {
    const std::string number = std::to_string(k);
    tmpl.append("<tr><td class=\"entry\">").append(tolvane::Placeholder(k)).append("</td><td>");
    tmpl.append(70, 'x').append("</td></tr>\n");
    lines.push_back(tolvane::ExchangeLine(k, "Translated text number " + number));
  }
  std::vector<std::string_view> views(lines.begin(), lines.end());
  auto start = Clock::now();
  std::string out = tolvane::Recombine(tmpl, views);
  double took = seconds(start);
  std::printf("recombine: 20,000 lines into a %.1f MB template: %.3f s (goal: under 0.2 s: %s)\n",
              tmpl.size() / 1048576.0, took, took < 0.2 ? "met" : "MISSED");
  return out.empty() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--recombine") return recombine();
  const std::filesystem::path work = std::filesystem::temp_directory_path() / "tolvane-exchange-bench";
  std::filesystem::create_directories(work);
  for (int i = 1; i < argc; ++i) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) best = std::min(best, roundTrip(argv[i], work));
    std::printf("%s %.6f\n", argv[i], best);
  }
  std::filesystem::remove_all(work);
  return 0;
}
