#include "document/block_list.h"

#include <algorithm>

#include "document/text_normalization.h"

namespace tolvane {

void BlockList::addRow(BlockClass icon, std::string text, std::unique_ptr<TDuplTags> group) {
  if (m_indexValid) m_firstRowByText.try_emplace(text, m_rows.size());
  m_rows.push_back({icon, std::move(text), std::move(group)});
  if (m_listener) m_listener->rowAdded(*this);
}

void BlockList::setRowText(size_t index, std::string text) {
  m_rows[index].text = std::move(text);
  m_indexValid = false;
}

void BlockList::reorder(const std::vector<size_t>& order) {
  std::vector<BlockRow> sorted;
  sorted.reserve(m_rows.size());
  std::optional<size_t> selected;
  for (size_t old : order) {
    if (m_selectedRow == old) selected = sorted.size();
    sorted.push_back(std::move(m_rows[old]));
  }
  m_selectedRow = selected;
  m_rows = std::move(sorted);
  m_indexValid = false;
}

void BlockList::clear() {
  m_rows.clear();
  m_selectedRow.reset();
  m_firstRowByText.clear();
  m_indexValid = true;
}

TDuplTags* BlockList::FindGroupByText(std::string_view text) {
  if (!m_indexValid) {
    m_firstRowByText.clear();
    for (size_t i = 0; i < m_rows.size(); ++i) m_firstRowByText.try_emplace(m_rows[i].text, i);
    m_indexValid = true;
  }
  auto it = m_firstRowByText.find(std::string(text));
  return it == m_firstRowByText.end() ? nullptr : m_rows[it->second].group.get();
}

int64_t CountWords(const BlockList& list) {
  int64_t words = 0;
  for (const BlockRow& row : list.rows()) {
    if (!trimControlAndSpace(row.text).empty()) ++words;
    words += std::count(row.text.begin(), row.text.end(), ' ');
  }
  return words;
}

}  // namespace tolvane
