#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document/text_block.h"

namespace tolvane {

class BlockList;

// Told what happens to the block list (the tags list window's status bar listens).
class BlockListListener {
 public:
  virtual ~BlockListListener() = default;
  virtual void rowAdded(const BlockList& /*list*/) {}
  // The scan has ended (also after an error); the counts are final.
  virtual void scanFinished(const BlockList& /*list*/) {}
  // A problem the scan reports to the user and goes on ("Undefinite Element").
  virtual void scanMessage(const std::string& /*text*/) {}
};

// One row of the block list: the class of the block that made it, its text, and its group.
struct BlockRow {
  BlockClass icon = BlockClass::RunningText;
  std::string text;
  std::unique_ptr<TDuplTags> group;
};

// The rows of the tags list in order. Rows own their groups.
class BlockList {
 public:
  size_t rowCount() const { return m_rows.size(); }
  const BlockRow& row(size_t index) const { return m_rows[index]; }
  const std::vector<BlockRow>& rows() const { return m_rows; }

  // Appends a row that shows group; the list takes ownership and tells the listener.
  void addRow(BlockClass icon, std::string text, std::unique_ptr<TDuplTags> group);
  // Replaces a row's text (after an edit of its group).
  void setRowText(size_t index, std::string text);
  // Puts the rows into a new order: order[i] is the old index of the row that becomes row i.
  void reorder(const std::vector<size_t>& order);
  // Removes every row and frees their groups.
  void clear();

  // The row the user has selected, if any.
  std::optional<size_t> selectedRow() const { return m_selectedRow; }
  void setSelectedRow(std::optional<size_t> row) { m_selectedRow = row; }

  // The group of the first row whose text equals text exactly; nullptr when none does.
  TDuplTags* FindGroupByText(std::string_view text);

  // Blocks that joined an existing row during the latest scan.
  int32_t duplicateCount() const { return m_duplicateCount; }
  void setDuplicateCount(int32_t count) { m_duplicateCount = count; }

  void setListener(BlockListListener* listener) { m_listener = listener; }
  BlockListListener* listener() const { return m_listener; }

 private:
  std::vector<BlockRow> m_rows;
  // Text → first row with it. Kept while rows are only appended; dropped on any other change and
  // rebuilt at the next lookup, so the answer is always the first row from the top.
  std::unordered_map<std::string, size_t> m_firstRowByText;
  bool m_indexValid = true;
  std::optional<size_t> m_selectedRow;
  int32_t m_duplicateCount = 0;
  BlockListListener* m_listener = nullptr;
};

// The word count of the status bar: per row, 1 when its trimmed text is not empty, plus the number
// of spaces (code 32) in it.
int64_t CountWords(const BlockList& list);

}  // namespace tolvane
