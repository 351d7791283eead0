#include "exchange/export_document.h"

#include <deque>

#include "document/headless_view.h"
#include "document/write_back.h"

namespace tolvane {

html::FileStatus ExportDocument(const BlockList& list, BrowserView& browser, const std::string& pagePath,
                                const std::string& exportFolder, const ProgressCallback& progress,
                                ExportFileNames* written) {
  html::Document* live = browser.currentDocument();
  if (!live) return {};
  HeadlessView copy;
  copy.show(live->clone());

  std::string lines;
  std::deque<TTag> blocks;  // the blocks, pointed at the copy
  std::vector<BlockWrite> writes;
  const size_t rows = list.rowCount();
  for (size_t r = 0; r < rows; ++r) {
    const TDuplTags& group = *list.row(r).group;
    const size_t k = r + 1;
    auto isScriptCode = [&](size_t i) { return group.GetTag(i).ScriptKind == ScriptStringKind::ScriptCode; };
    bool allScriptCode = group.Count() > 0;
    for (size_t i = 0; i < group.Count(); ++i) allScriptCode = allScriptCode && isScriptCode(i);
    const std::string line =
        ExchangeText(group.Text, allScriptCode ? ExchangeContext::ScriptCode : ExchangeContext::Markup);
    lines += ExchangeLine(k, line) + "\r\n";
    // A script code string takes the placeholder only where the line gives back its text as it is:
    // a "string" with a line break is code between two apostrophes of comments, and in a row shared
    // with markup the escaped line would not be script.
    const bool lineBreak = group.Text.find_first_of("\r\n") != std::string::npos;
    const bool scriptTakesLine = allScriptCode ? !lineBreak : line == group.Text;
    for (size_t i = 0; i < group.Count(); ++i) {
      if (isScriptCode(i) && !scriptTakesLine) continue;
      blocks.push_back(group.GetTag(i));
      blocks.back().Browser = &copy;
      writes.push_back({&blocks.back(), Placeholder(k)});
    }
    if (progress) progress(k, rows);
  }
  DefineTexts(writes);

  ExportFileNames files = ExportFileNamesFor(exportFolder, pagePath);
  if (html::FileStatus status = html::writeFileAtomically(files.textFile, lines); !status) return status;
  std::string markup = copy.currentDocument()->markupText();
  if (html::FileStatus status = html::writeFileAtomically(files.templateFile, html::WithCrLfLineEnds(markup));
      !status)
    return status;
  if (written) *written = files;
  return {};
}

}  // namespace tolvane
