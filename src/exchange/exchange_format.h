#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// The numbered placeholder of row k in a template: "%%_k_%%".
std::string Placeholder(size_t k);

// The line of row k in a text file, without its line end: "<k>" text "</>".
std::string ExchangeLine(size_t k, std::string_view text);

// The text of entry k read from its line: what follows the expected number mark "<k>" (skipped by
// its length, not compared) up to the first end mark "</>"; empty when the line has no end mark.
std::string_view EntryText(std::string_view line, size_t k);

// The text a row is written as in the text file, so that putting it into the template as it stands
// gives the row's text again. Text and attribute values: "&", "<", ">", '"' as references (the five
// characters "&nbsp" kept as they are) and line breaks as "&#13;" / "&#10;". Script code: as it is;
// a line break, which no real script string holds, as a space, so that every row stays one line.
enum class ExchangeContext { Markup, ScriptCode };
std::string ExchangeText(std::string_view rowText, ExchangeContext context);

// The two files of a page's export: folder (used as it stands, normally ending in "/") followed by
// the page's file name, with its extension replaced by ".txt" and ".vexp".
struct ExportFileNames {
  std::string textFile;
  std::string templateFile;
};
ExportFileNames ExportFileNamesFor(std::string_view exportFolder, std::string_view pagePath);

}  // namespace tolvane
