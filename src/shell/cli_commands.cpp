#include "shell/cli_commands.h"

#include <functional>
#include <map>
#include <ostream>

#include "document/document.h"
#include "document/page_file.h"

namespace tolvane::cli {
namespace {

using html::Document;

constexpr const char* kUsage =
    "Usage: tolvane-cli COMMAND PAGE\n"
    "Commands:\n"
    "  info PAGE       the page's encoding, element count and title\n"
    "  elements PAGE   one line per element and comment: UNIQUEID<TAB>TAGNAME<TAB>KIND\n"
    "  markup PAGE     the page markup as it would be saved (unchanged pages byte for byte)\n";

int usage(std::ostream& err) {
  err << kUsage;
  return 1;
}

int info(Document& page, std::ostream& out) {
  out << "Encoding: " << page.encoding() << "\n"
      << "Elements: " << page.length() << "\n"
      << "Title: " << page.title() << "\n";
  return 0;
}

int elements(Document& page, std::ostream& out) {
  for (size_t i = 0; i < page.length(); ++i) {
    html::Element element = page.item(i);
    out << element.uniqueID() << '\t' << element.tagName() << '\t' << static_cast<int>(element.kind()) << '\n';
  }
  return 0;
}

int markup(Document& page, std::ostream& out) {
  out << page.markup();
  return 0;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  static const std::map<std::string, std::function<int(Document&, std::ostream&)>> commands = {
      {"info", info}, {"elements", elements}, {"markup", markup}};
  if (args.size() != 2) return usage(err);
  auto command = commands.find(args[0]);
  if (command == commands.end()) return usage(err);
  std::string bytes;
  if (html::FileStatus status = html::readFileBytes(args[1], bytes); !status) {
    err << status.error << "\n";
    return 2;
  }
  std::unique_ptr<Document> page = Document::fromBytes(std::move(bytes));
  return command->second(*page, out);
}

}  // namespace tolvane::cli
