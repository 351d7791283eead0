#include "editing/ui/block_list_model.h"

#include "editing/ui/block_icons.h"
#include "editing/ui/row_order.h"

namespace tolvane::ui {

BlockListModel::BlockListModel(BlockList& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list) {}

int BlockListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_list.rowCount());
}

int BlockListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 2;
}

QVariant BlockListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || static_cast<size_t>(index.row()) >= m_list.rowCount()) return {};
  const BlockRow& row = m_list.row(static_cast<size_t>(index.row()));
  if (index.column() == 0 && role == Qt::DecorationRole) return blockIcon(row.icon);
  if (index.column() == 1 && (role == Qt::DisplayRole || role == Qt::ToolTipRole))
    return QString::fromStdString(row.text);
  return {};
}

QVariant BlockListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section == 1) return tr("Text");
  return {};
}

void BlockListModel::sort(int column, Qt::SortOrder) {
  const std::vector<size_t> order = sortedRowOrder(m_list, column);
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  std::vector<int> newRow(order.size());
  for (size_t i = 0; i < order.size(); ++i) newRow[order[i]] = static_cast<int>(i);
  m_list.reorder(order);
  const QModelIndexList before = persistentIndexList();
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& index : before)
    after.append(index.isValid() ? this->index(newRow[static_cast<size_t>(index.row())], index.column())
                                 : index);
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void BlockListModel::rowTextChanged(size_t row) {
  const int at = static_cast<int>(row);
  emit dataChanged(index(at, 0), index(at, 1));
}

}  // namespace tolvane::ui
