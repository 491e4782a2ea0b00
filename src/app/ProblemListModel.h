#pragma once

#include <QAbstractTableModel>

class ProblemTable;

// The problem list: one column of problem names over the core table, rows in its presented
// order, and while a problem is being inserted one more row at the end, where its post puts it.
// The table is the only store; the model keeps just the row count it last reported, so the
// views learn about every change of the count through a reset. A name edited in the list is
// written into the current record, which goes into edit state.
class ProblemListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ProblemListModel(ProblemTable& table, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  // Around a reload of the whole table (open, close).
  void beginReload();
  void endReload();
  // After a post or delete: a changed count resets the list, otherwise the names are repainted.
  void tableChanged();
  // The row of the table's current record; -1 when there is none.
  int currentRow() const;

 private:
  int tableRows() const;

  ProblemTable& m_table;
  int m_rows = 0;
};
