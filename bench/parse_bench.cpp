// Measures our document model against libgumbo on a folder of real pages, and the peak memory
// of loading one page. Run through bench/run.sh.
//   parse_bench CORPUS_FOLDER   load + write back (ours) against parse + free (gumbo), per page group
//   parse_bench --memory PAGE   peak resident memory of loading one page and writing it back
// Exits 1 when a page is not written back byte for byte (a bug in the model), 2 on a usage or
// read error; a missed speed or memory goal is reported, not an exit status.
#include <gumbo.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "document/page_file.h"

namespace {

using tolvane::html::Document;
using Clock = std::chrono::steady_clock;

constexpr double kMegabyte = 1024.0 * 1024.0;
constexpr double kSpeedGoal = 3.0;  // ours at least this many times faster than gumbo's parse alone

struct Page {
  std::string name;
  std::string bytes;
};

// Seconds spent on one group of pages (or on all of them), each page counted once.
struct Totals {
  size_t pages = 0;
  size_t bytes = 0;
  double ours = 0;        // Document::fromBytes + markup() + destruction
  double gumboParse = 0;  // gumbo_parse_with_options
  double gumboTotal = 0;  // gumbo_parse_with_options + gumbo_destroy_output

  void add(const Totals& other) {
    pages += other.pages;
    bytes += other.bytes;
    ours += other.ours;
    gumboParse += other.gumboParse;
    gumboTotal += other.gumboTotal;
  }
};

// Pages are named by bench/fetch-corpus.sh after the folder they came from, up to the first '-'.
std::string groupOf(const std::string& name) {
  return name.substr(0, name.find('-'));
}

double seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

double median(std::vector<double> values) {
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

// Small pages are repeated more often, so that each page is timed over at least a few
// hundred kilobytes and the median of the repetitions is stable.
size_t repetitionsFor(size_t size) {
  constexpr size_t kBytesPerPage = 256 * 1024;
  return std::clamp<size_t>(kBytesPerPage / std::max<size_t>(size, 1), 5, 1000);
}

std::optional<size_t> firstDifference(std::string_view a, std::string_view b) {
  auto [ai, bi] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  if (ai == a.end() && bi == b.end()) return std::nullopt;
  return static_cast<size_t>(ai - a.begin());
}

std::optional<std::vector<Page>> readCorpus(const std::filesystem::path& folder) {
  std::error_code error;
  std::vector<Page> pages;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().extension() != ".html") continue;
    Page page{entry.path().filename().string(), {}};
    if (auto status = tolvane::html::readFileBytes(entry.path().string(), page.bytes); !status) {
      std::fprintf(stderr, "%s\n", status.error.c_str());
      return std::nullopt;
    }
    pages.push_back(std::move(page));
  }
  if (error) {
    std::fprintf(stderr, "Cannot read the folder %s: %s\n", folder.c_str(), error.message().c_str());
    return std::nullopt;
  }
  std::sort(pages.begin(), pages.end(), [](const Page& a, const Page& b) { return a.name < b.name; });
  return pages;
}

// Times one page with both parsers, alternating them so that both see the same machine state.
Totals timePage(const Page& page, size_t& sink) {
  size_t repetitions = repetitionsFor(page.bytes.size());
  std::vector<double> ours, gumboParse, gumboTotal;
  for (size_t i = 0; i < repetitions; ++i) {
    auto start = Clock::now();
    {
      auto document = Document::fromBytes(page.bytes);
      sink += document->markup().size();
    }
    auto oursDone = Clock::now();
    GumboOutput* output =
        gumbo_parse_with_options(&kGumboDefaultOptions, page.bytes.data(), page.bytes.size());
    auto parsed = Clock::now();
    sink += output->root->type;
    gumbo_destroy_output(&kGumboDefaultOptions, output);
    auto freed = Clock::now();
    ours.push_back(seconds(start, oursDone));
    gumboParse.push_back(seconds(oursDone, parsed));
    gumboTotal.push_back(seconds(oursDone, freed));
  }
  return {1, page.bytes.size(), median(ours), median(gumboParse), median(gumboTotal)};
}

void printHeader() {
  std::printf("%-12s %6s %8s | %8s %8s | %8s %8s %6s | %8s %8s %6s\n", "group", "pages", "MB", "ours s",
              "MB/s", "gumbo s", "MB/s", "ratio", "parse s", "MB/s", "ratio");
  std::printf("%-12s %6s %8s | %17s | %24s | %24s\n", "", "", "", "load + markup", "gumbo parse + free",
              "gumbo parse alone");
}

void printRow(const std::string& group, const Totals& t) {
  double mb = t.bytes / kMegabyte;
  std::printf("%-12s %6zu %8.1f | %8.3f %8.1f | %8.3f %8.1f %5.2fx | %8.3f %8.1f %5.2fx\n", group.c_str(),
              t.pages, mb, t.ours, mb / t.ours, t.gumboTotal, mb / t.gumboTotal, t.gumboTotal / t.ours,
              t.gumboParse, mb / t.gumboParse, t.gumboParse / t.ours);
}

int runSpeed(const std::filesystem::path& folder) {
  auto pages = readCorpus(folder);
  if (!pages) return 2;
  if (pages->empty()) {
    std::fprintf(stderr, "No .html pages in %s (run bench/fetch-corpus.sh)\n", folder.c_str());
    return 2;
  }

  size_t differing = 0;
  for (const Page& page : *pages) {
    std::string markup = Document::fromBytes(page.bytes)->markup();
    if (auto at = firstDifference(page.bytes, markup)) {
      ++differing;
      std::printf("round trip differs: %s (%zu bytes read, %zu written, first difference at byte %zu)\n",
                  page.name.c_str(), page.bytes.size(), markup.size(), *at);
    }
  }

  std::map<std::string, Totals> groups;
  size_t sink = 0;
  for (const Page& page : *pages) groups[groupOf(page.name)].add(timePage(page, sink));

  Totals all;
  printHeader();
  for (const auto& [group, totals] : groups) {
    printRow(group, totals);
    all.add(totals);
  }
  printRow("all", all);

  double ratio = all.gumboParse / all.ours;
  std::printf("goal: ours >= %.0fx faster than gumbo's parse alone: %.2fx, %s\n", kSpeedGoal, ratio,
              ratio >= kSpeedGoal ? "met" : "MISSED");
  std::printf("round trip: %zu of %zu pages written back byte for byte%s\n", pages->size() - differing,
              pages->size(), sink == 0 ? " (no output?)" : "");
  return differing == 0 ? 0 : 1;
}

int runMemory(const std::string& path) {
  std::string bytes;
  if (auto status = tolvane::html::readFileBytes(path, bytes); !status) {
    std::fprintf(stderr, "%s\n", status.error.c_str());
    return 2;
  }
  double pageMb = bytes.size() / kMegabyte;
  auto document = Document::fromBytes(std::move(bytes));
  size_t written = document->markup().size();

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  double peakMb = usage.ru_maxrss / 1024.0;  // ru_maxrss is in kilobytes on Linux
  double goalMb = 4 * pageMb + 30;
  std::printf("page %s: %.2f MB, %zu elements, %.2f MB written back\n", path.c_str(), pageMb,
              document->length(), written / kMegabyte);
  std::printf("peak resident memory: %.1f MB (%.1fx the page)\n", peakMb, peakMb / pageMb);
  std::printf("goal: peak < 4 x page size + 30 MB = %.1f MB: %s\n", goalMb,
              peakMb < goalMb ? "met" : "MISSED");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] != "--memory") return runSpeed(args[0]);
  if (args.size() == 2 && args[0] == "--memory") return runMemory(std::string(args[1]));
  std::fprintf(stderr, "usage: parse_bench CORPUS_FOLDER\n       parse_bench --memory PAGE\n");
  return 2;
}
