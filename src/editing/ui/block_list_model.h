#pragma once

#include <QAbstractTableModel>

#include "document/block_list.h"

namespace tolvane::ui {

// The block list as the tags list view shows it: column 0 the row's icon, column 1 its text. The
// rows are the list's own, so 100,000 rows cost no widget items. The list changes behind the
// model's back during a scan and an edit; the owner brackets those with the calls below.
class BlockListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit BlockListModel(BlockList& list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // Always ascending, whatever the order asked for: a second click on a header changes nothing.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  // Around a rebuild or clearing of the list.
  void beginRebuild() { beginResetModel(); }
  void endRebuild() { endResetModel(); }
  // After the text of a row changed.
  void rowTextChanged(size_t row);

 private:
  BlockList& m_list;
};

}  // namespace tolvane::ui
