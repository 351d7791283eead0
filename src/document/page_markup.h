#pragma once

#include <string>
#include <string_view>

#include "document/page_file.h"

namespace tolvane {

class BrowserView;
namespace html {
class Document;
}

// The state of the open page: which file it is and whether it holds unsaved edits.
struct DocumentState {
  std::string CurrentFileName;  // full path of the open page; empty when none
  bool DocModified = false;     // the live document holds block edits not yet written to the file
};

// The browser's current document, or nullptr.
html::Document* GetHTMLDocument(BrowserView& browser);

// The whole page in its own encoding (doctype, line ends and all); empty when there is no page.
std::string GetPageMarkup(BrowserView& browser);

// Writes program text as a file in UTF-8: every line (ended by CR LF, CR or LF; an LF followed by a
// CR counts as two ends) followed by CR LF, up to the text's first NUL. An empty text gives an empty file.
html::FileStatus SaveTextToFile(std::string_view text, const std::string& fileName);

// Writes the page markup over CurrentFileName (nothing when it is empty) and then clears
// DocModified; a failed write leaves DocModified as it was and names the file and the reason.
html::FileStatus SaveCurrentDocument(BrowserView& browser, DocumentState& state);

}  // namespace tolvane
