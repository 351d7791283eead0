#include "shell/cli_commands.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>

#include "document/document_scan.h"
#include "document/headless_view.h"
#include "document/page_markup.h"
#include "editing/apply_text.h"
#include "exchange/export_document.h"
#include "exchange/import_document.h"
#include "settings/message_table.h"

namespace tolvane::cli {
namespace {

using html::Document;

constexpr const char* kUsage =
    "Usage: tolvane-cli COMMAND [OPTIONS] PAGE [ARGUMENTS]\n"
    "Commands:\n"
    "  info PAGE       the page's encoding, element count and title\n"
    "  elements PAGE   one line per element and comment: UNIQUEID<TAB>TAGNAME<TAB>KIND\n"
    "  markup PAGE     the page markup as it would be saved (unchanged pages byte for byte)\n"
    "  blocks [--filter|--no-filter] [--view=LIST] [--settings=FILE] [--tags] PAGE\n"
    "                  the text blocks: CLASS<TAB>COPIES<TAB>TEXT per row, or with --tags\n"
    "                  ROW<TAB>TAGNAME<TAB>INNER<TAB>SCRIPTKIND<TAB>OCCURRENCE<TAB>ATTRNAME per block;\n"
    "                  LIST is all, none, or a comma list of text,meta,images,values,scripts\n"
    "  apply [scan options as for blocks] PAGE ROW TEXT [--out FILE]\n"
    "                  writes TEXT into every block of row ROW (from 1) and saves the page to FILE\n"
    "                  (default: over PAGE)\n"
    "  save PAGE OUT   saves the page unedited to OUT\n"
    "  export [scan options as for blocks] PAGE [--out DIR]\n"
    "                  writes the text file and the template into DIR (default: the export folder\n"
    "                  of the settings) and prints their paths\n"
    "  import TXT VEXP OUT\n"
    "                  puts the text file's lines into the template and writes the page OUT\n";

struct Options {
  std::string command;
  std::vector<std::string> positional;  // PAGE first
  std::optional<bool> filter;
  std::optional<std::string> view;
  std::optional<std::string> settingsFile;
  std::optional<std::string> out;
  bool tags = false;
};

// How many positional arguments each command takes.
const std::map<std::string, size_t, std::less<>> kCommands = {{"info", 1},   {"elements", 1}, {"markup", 1},
                                                              {"blocks", 1}, {"apply", 3},    {"save", 2},
                                                              {"export", 1}, {"import", 3}};

// Parses the arguments; nullopt on a usage error.
std::optional<Options> parse(const std::vector<std::string>& args) {
  if (args.empty() || !kCommands.contains(args[0])) return std::nullopt;
  Options options;
  options.command = args[0];
  const size_t wanted = kCommands.at(options.command);
  const bool scanOptions =
      options.command == "blocks" || options.command == "apply" || options.command == "export";
  const bool outOption = options.command == "apply" || options.command == "export";
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    // The text to apply is taken literally, whatever it looks like.
    const bool isText = options.command == "apply" && options.positional.size() == 2;
    if (isText)
      options.positional.push_back(arg);
    else if (scanOptions && (arg == "--filter" || arg == "--no-filter"))
      options.filter = arg == "--filter";
    else if (scanOptions && arg.starts_with("--view="))
      options.view = arg.substr(7);
    else if (scanOptions && arg.starts_with("--settings="))
      options.settingsFile = arg.substr(11);
    else if (options.command == "blocks" && arg == "--tags")
      options.tags = true;
    else if (outOption && arg.starts_with("--out="))
      options.out = arg.substr(6);
    else if (outOption && arg == "--out" && i + 1 < args.size())
      options.out = args[++i];
    else if (arg.starts_with("--") || options.positional.size() == wanted)
      return std::nullopt;
    else
      options.positional.push_back(arg);
  }
  if (options.positional.size() != wanted) return std::nullopt;
  return options;
}

// Sets exactly the view flags LIST names; false for an unknown name.
bool applyViewList(const std::string& list, settings::TGlobalVars& vars) {
  const std::map<std::string, bool settings::TGlobalVars::*> flags = {
      {"text", &settings::TGlobalVars::ViewText},
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
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        out += c;
    }
  }
  return out;
}

int usage(std::ostream& err) {
  err << kUsage;
  return 1;
}

// The settings for a scan: the given file or the program's, then the options on top.
std::optional<settings::TGlobalVars> scanSettings(const Options& options, const std::string& programPath) {
  std::filesystem::path program(programPath);
  settings::TGlobalVars vars;
  std::string iniPath =
      options.settingsFile.value_or(settings::settingsFilePath((program.parent_path() / "tolvane").string()));
  settings::LoadSettings(vars, iniPath, program.parent_path().string());
  if (options.filter) vars.ItemsFilter = *options.filter;
  if (options.view && !applyViewList(*options.view, vars)) return std::nullopt;
  return vars;
}

int blocks(const Options& options, const settings::TGlobalVars& vars, HeadlessView& view, std::ostream& out,
           std::ostream& err) {
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
      out << r + 1 << '\t' << tag.TagName << '\t' << (tag.Inner ? 1 : 0) << '\t'
          << static_cast<int>(tag.ScriptKind) << '\t' << tag.Occurrence << '\t'
          << (tag.AttrName.empty() ? "-" : tag.AttrName) << '\n';
    }
  }
  using settings::Language;
  using settings::MessageText;
  err << MessageText("ResBlockCount", Language::English) << ": " << list.rowCount() << "\n"
      << MessageText("ResWords", Language::English) << ": " << CountWords(list) << "\n";
  if (vars.ItemsFilter) err << MessageText("Res010", Language::English) << list.duplicateCount() << "\n";
  return 0;
}

int save(DocumentState& state, HeadlessView& view, std::ostream& err) {
  if (html::FileStatus status = SaveCurrentDocument(view, state); !status) {
    err << status.error << "\n";
    return 2;
  }
  return 0;
}

int apply(const Options& options, settings::TGlobalVars vars, HeadlessView& view, std::ostream& err) {
  BlockList list;
  ScanDocument(list, view, vars);
  const std::string& rowArgument = options.positional[1];
  size_t row = 0;
  auto [end, error] = std::from_chars(rowArgument.data(), rowArgument.data() + rowArgument.size(), row);
  if (error != std::errc() || end != rowArgument.data() + rowArgument.size() || row < 1 ||
      row > list.rowCount()) {
    err << "Row " << rowArgument << " does not exist: the page has " << list.rowCount() << " rows\n";
    return 2;
  }
  DocumentState state{options.out.value_or(options.positional[0]), false};
  vars.AutoSave = false;  // saved once below, to the chosen file
  GroupEditContext context{vars, state, {}};
  ApplyText(*list.row(row - 1).group, options.positional[2], context);
  return save(state, view, err);
}

int pageCommand(const Options& options, Document& page, std::ostream& out) {
  if (options.command == "info") {
    out << "Encoding: " << page.encoding() << "\n"
        << "Elements: " << page.length() << "\n"
        << "Title: " << page.title() << "\n";
  } else if (options.command == "elements") {
    for (size_t i = 0; i < page.length(); ++i) {
      html::Element element = page.item(i);
      out << element.uniqueID() << '\t' << element.tagName() << '\t' << static_cast<int>(element.kind())
          << '\n';
    }
  } else {
    out << page.markup();
  }
  return 0;
}

}  // namespace

int exportPage(const Options& options, const settings::TGlobalVars& vars, HeadlessView& view,
               std::ostream& out, std::ostream& err) {
  BlockList list;
  ScanDocument(list, view, vars);
  std::string folder = vars.ExportFolder;
  if (options.out) folder = options.out->ends_with('/') ? *options.out : *options.out + "/";
  ExportFileNames files;
  if (html::FileStatus status = ExportDocument(list, view, options.positional[0], folder, {}, &files);
      !status) {
    err << status.error << "\n";
    return 2;
  }
  out << files.textFile << "\n" << files.templateFile << "\n";
  return 0;
}

int importPage(const Options& options, std::ostream& err) {
  ImportResult result = ImportDocument(options.positional[0], options.positional[1], options.positional[2]);
  if (result.outcome == ImportResult::Outcome::Written) return 0;
  err << (result.outcome == ImportResult::Outcome::MissingInput
              ? settings::MessageText("Res005", settings::Language::English)
              : result.error)
      << "\n";
  return 2;
}

int run(const std::vector<std::string>& args, const std::string& programPath, std::ostream& out,
        std::ostream& err) {
  std::optional<Options> options = parse(args);
  if (!options) return usage(err);
  std::optional<settings::TGlobalVars> vars = scanSettings(*options, programPath);
  if (!vars) return usage(err);
  if (options->command == "import") return importPage(*options, err);
  HeadlessView view;
  if (html::FileStatus status = view.navigate(options->positional[0]); !status) {
    err << status.error << "\n";
    return 2;
  }
  if (options->command == "blocks") return blocks(*options, *vars, view, out, err);
  if (options->command == "apply") return apply(*options, *vars, view, err);
  if (options->command == "export") return exportPage(*options, *vars, view, out, err);
  if (options->command == "save") {
    DocumentState state{options->positional[1], false};
    return save(state, view, err);
  }
  return pageCommand(*options, *view.currentDocument(), out);
}

}  // namespace tolvane::cli
