#include "editing/apply_text.h"

#include "document/block_list.h"
#include "document/block_locator.h"
#include "document/text_normalization.h"
#include "document/write_back.h"

namespace tolvane {

html::FileStatus ApplyText(TDuplTags& group, std::string_view text, GroupEditContext& context) {
  if (group.Count() == 0) return {};
  BrowserView* browser = group.GetTag(0).Browser;
  context.settings.ContentUndo = GetPageMarkup(*browser);

  std::vector<BlockWrite> writes;
  for (size_t i = 0; i < group.Count(); ++i) writes.push_back({&group.GetTag(i), std::string(text)});
  const bool scriptChanged = DefineTexts(writes);
  group.Text = std::string(text);

  if (BlockList* list = group.ListView) {
    for (size_t row = 0; row < list->rowCount(); ++row) {
      if (list->row(row).group.get() == &group) {
        list->setRowText(row, std::string(trimControlAndSpace(text)));
        break;
      }
    }
    if (auto selected = list->selectedRow(); selected && *selected < list->rowCount())
      SelectBlock(list->row(*selected).group->GetTag(0));
  }

  context.state.DocModified = true;
  html::FileStatus saved;
  if (context.settings.AutoSave) saved = SaveCurrentDocument(*browser, context.state);
  if (scriptChanged && context.rescan) context.rescan();  // the group is gone after this
  return saved;
}

}  // namespace tolvane
