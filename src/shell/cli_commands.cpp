#include "shell/cli_commands.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>

#include "document/document_scan.h"
#include "document/headless_view.h"
#include "settings/message_table.h"

namespace tolvane::cli {
namespace {

using html::Document;

constexpr const char* kUsage =
    "Usage: tolvane-cli COMMAND [OPTIONS] PAGE\n"
    "Commands:\n"
    "  info PAGE       the page's encoding, element count and title\n"
    "  elements PAGE   one line per element and comment: UNIQUEID<TAB>TAGNAME<TAB>KIND\n"
    "  markup PAGE     the page markup as it would be saved (unchanged pages byte for byte)\n"
    "  blocks [--filter|--no-filter] [--view=LIST] [--settings=FILE] [--tags] PAGE\n"
    "                  the text blocks: CLASS<TAB>COPIES<TAB>TEXT per row, or with --tags\n"
    "                  ROW<TAB>TAGNAME<TAB>INNER<TAB>SCRIPTKIND<TAB>OCCURRENCE<TAB>ATTRNAME per block;\n"
    "                  LIST is all, none, or a comma list of text,meta,images,values,scripts\n";

struct Options {
  std::string command;
  std::string page;
  std::optional<bool> filter;
  std::optional<std::string> view;
  std::optional<std::string> settingsFile;
  bool tags = false;
};

// Parses the arguments; nullopt on a usage error.
std::optional<Options> parse(const std::vector<std::string>& args) {
  if (args.empty()) return std::nullopt;
  Options options;
  options.command = args[0];
  const bool scanOptions = options.command == "blocks";
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (scanOptions && (arg == "--filter" || arg == "--no-filter")) options.filter = arg == "--filter";
    else if (scanOptions && arg.starts_with("--view=")) options.view = arg.substr(7);
    else if (scanOptions && arg.starts_with("--settings=")) options.settingsFile = arg.substr(11);
    else if (scanOptions && arg == "--tags") options.tags = true;
    else if (arg.starts_with("--") || !options.page.empty()) return std::nullopt;
    else options.page = arg;
  }
  if (options.page.empty()) return std::nullopt;
  return options;
}

// Sets exactly the view flags LIST names; false for an unknown name.
bool applyViewList(const std::string& list, settings::TGlobalVars& vars) {
  const std::map<std::string, bool settings::TGlobalVars::*> flags = {{"text", &settings::TGlobalVars::ViewText},
                                                                       {"meta", &settings::TGlobalVars::ViewMeta},
                                                                       {"images", &settings::TGlobalVars::ViewImages},
                                                                       {"values", &settings::TGlobalVars::ViewValue},
                                                                       {"scripts", &settings::TGlobalVars::ViewScripts}};
  for (const auto& [name, field] : flags) vars.*field = list == "all";
  if (list == "all" || list == "none") return true;
  std::istringstream names(list);
  for (std::string name; std::getline(names, name, ',');) {
    auto flag = flags.find(name);
    if (flag == flags.end()) return false;
    vars.*(flag->second) = true;
  }
  return true;
}

// Row texts on one line: backslash, tab, CR and LF written as escapes.
std::string escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out += c;
    }
  }
  return out;
}

int usage(std::ostream& err) {
  err << kUsage;
  return 1;
}

int blocks(const Options& options, const std::string& programPath, HeadlessView& view, std::ostream& out,
           std::ostream& err) {
  std::filesystem::path program(programPath);
  settings::TGlobalVars vars;
  std::string iniPath = options.settingsFile.value_or(
      settings::settingsFilePath((program.parent_path() / "tolvane").string()));
  settings::LoadSettings(vars, iniPath, program.parent_path().string());
  if (options.filter) vars.ItemsFilter = *options.filter;
  if (options.view && !applyViewList(*options.view, vars)) return usage(err);

  BlockList list;
  ScanDocument(list, view, vars);
  for (size_t r = 0; r < list.rowCount(); ++r) {
    const BlockRow& row = list.row(r);
    if (!options.tags) {
      out << static_cast<int>(row.icon) << '\t' << row.group->Count() << '\t' << escaped(row.text) << '\n';
      continue;
    }
    for (size_t b = 0; b < row.group->Count(); ++b) {
      const TTag& tag = row.group->GetTag(b);
      out << r + 1 << '\t' << tag.TagName << '\t' << (tag.Inner ? 1 : 0) << '\t' << static_cast<int>(tag.ScriptKind)
          << '\t' << tag.Occurrence << '\t' << (tag.AttrName.empty() ? "-" : tag.AttrName) << '\n';
    }
  }
  using settings::Language;
  using settings::MessageText;
  err << MessageText("ResBlockCount", Language::English) << ": " << list.rowCount() << "\n"
      << MessageText("ResWords", Language::English) << ": " << CountWords(list) << "\n";
  if (vars.ItemsFilter) err << MessageText("Res010", Language::English) << list.duplicateCount() << "\n";
  return 0;
}

int pageCommand(const Options& options, Document& page, std::ostream& out) {
  if (options.command == "info") {
    out << "Encoding: " << page.encoding() << "\n"
        << "Elements: " << page.length() << "\n"
        << "Title: " << page.title() << "\n";
  } else if (options.command == "elements") {
    for (size_t i = 0; i < page.length(); ++i) {
      html::Element element = page.item(i);
      out << element.uniqueID() << '\t' << element.tagName() << '\t' << static_cast<int>(element.kind()) << '\n';
    }
  } else {
    out << page.markup();
  }
  return 0;
}

}  // namespace

int run(const std::vector<std::string>& args, const std::string& programPath, std::ostream& out, std::ostream& err) {
  std::optional<Options> options = parse(args);
  static const std::string_view kCommands[] = {"info", "elements", "markup", "blocks"};
  if (!options || std::find(std::begin(kCommands), std::end(kCommands), options->command) == std::end(kCommands))
    return usage(err);
  HeadlessView view;
  if (html::FileStatus status = view.navigate(options->page); !status) {
    err << status.error << "\n";
    return 2;
  }
  if (options->command == "blocks") return blocks(*options, programPath, view, out, err);
  return pageCommand(*options, *view.currentDocument(), out);
}

}  // namespace tolvane::cli
