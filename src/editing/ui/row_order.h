#pragma once

#include <cstddef>
#include <vector>

namespace tolvane {
class BlockList;
struct BlockRow;
}  // namespace tolvane

namespace tolvane::ui {

// The sort order of the tags list: by column 0 the rows' block classes, by column 1 their texts,
// compared byte by byte with only a to z folded to A to Z (no locale; a shorter prefix comes first).
// Negative when a comes first.
int CompareRows(const BlockRow& a, const BlockRow& b, int column);

// The ascending order of the list's rows by column, as BlockList::reorder takes it; rows that
// compare equal keep their order.
std::vector<size_t> sortedRowOrder(const BlockList& list, int column);

}  // namespace tolvane::ui
