#pragma once

#include <functional>
#include <string>

#include "document/block_list.h"
#include "document/page_file.h"
#include "exchange/exchange_format.h"

namespace tolvane {

class BrowserView;

// Told how far a long operation has come: done of total steps.
using ProgressCallback = std::function<void(size_t done, size_t total)>;

// Exports the page of browser into a text file (one numbered line per row of list, in list order)
// and a template (the page with every block's text replaced by its row's placeholder), named after
// pagePath inside exportFolder. Works on a copy of the live document: the page shown, its unsaved
// edits and its modified flag stay as they are. Both files are UTF-8 with CR LF line ends. A page
// without document writes nothing. On failure the message names the file and the reason; the text
// file is written first, so a failure there leaves the template alone.
html::FileStatus ExportDocument(const BlockList& list, BrowserView& browser, const std::string& pagePath,
                                const std::string& exportFolder, const ProgressCallback& progress = {},
                                ExportFileNames* written = nullptr);

}  // namespace tolvane
