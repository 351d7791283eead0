#pragma once

#include <functional>
#include <string_view>

#include "document/page_file.h"
#include "document/page_markup.h"
#include "document/text_block.h"
#include "settings/settings.h"

namespace tolvane {

// What the edit of a block group works with besides the group.
struct GroupEditContext {
  settings::TGlobalVars& settings;  // AutoSave, and ContentUndo, which the edit replaces
  DocumentState& state;             // the open file and its modified flag
  // Rebuilds the block list from the live document; run after a script string changed, since the
  // numbering of the later strings may have changed with it. It frees the group being edited.
  std::function<void()> rescan;
};

// Writes text into every block of the group: takes the page into ContentUndo first, sets the
// group's text and its row's text (trimmed), highlights the selected row's first block, and saves
// the page when AutoSave is on (else marks it modified). Returns the outcome of the save; on a
// failed save the page stays marked modified.
html::FileStatus ApplyText(TDuplTags& group, std::string_view text, GroupEditContext& context);

}  // namespace tolvane
