#include "exchange/exchange_format.h"

namespace tolvane {

std::string Placeholder(size_t k) {
  return "%%_" + std::to_string(k) + "_%%";
}

std::string ExchangeLine(size_t k, std::string_view text) {
  return "<" + std::to_string(k) + ">" + std::string(text) + "</>";
}

std::string_view EntryText(std::string_view line, size_t k) {
  const size_t mark = std::to_string(k).size() + 2;
  const size_t end = line.find("</>");
  if (end == std::string_view::npos || end <= mark) return {};
  return line.substr(mark, end - mark);
}

std::string ExchangeText(std::string_view rowText, ExchangeContext context) {
  std::string out;
  out.reserve(rowText.size());
  for (size_t i = 0; i < rowText.size(); ++i) {
    const char c = rowText[i];
    if (context == ExchangeContext::ScriptCode) {
      out += c == '\r' || c == '\n' ? ' ' : c;
      continue;
    }
    switch (c) {
      case '&':
        out += rowText.compare(i, 5, "&nbsp") == 0 ? "&" : "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\r':
        out += "&#13;";
        break;
      case '\n':
        out += "&#10;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

ExportFileNames ExportFileNamesFor(std::string_view exportFolder, std::string_view pagePath) {
  std::string_view name = pagePath.substr(
      pagePath.find_last_of('/') == std::string_view::npos ? 0 : pagePath.find_last_of('/') + 1);
  std::string base = std::string(exportFolder) + std::string(name.substr(0, name.find_last_of('.')));
  return {base + ".txt", base + ".vexp"};
}

}  // namespace tolvane
