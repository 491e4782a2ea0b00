#include "app/ProblemListModel.h"

#include "app/AppMessages.h"
#include "problem/ProblemTable.h"

#include <QBrush>
#include <QColor>

namespace {

// The tint of every other row: the light green the mosaic also starts with.
const QColor kAlternateRow(192, 220, 192);

}  // namespace

ProblemListModel::ProblemListModel(ProblemTable& table, QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_rows(tableRows()) {}

int ProblemListModel::tableRows() const { return m_table.active() ? m_table.recordCount() : 0; }

int ProblemListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_rows;
}

int ProblemListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 1;
}

QVariant ProblemListModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
    return {};
  const int row = index.row();
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      if (row >= tableRows()) return {};
      return QString::fromStdString(m_table.nameAt(row));
    case Qt::BackgroundRole:
      if (row % 2 == 1) return QBrush(kAlternateRow);
      return {};
    default:
      return {};
  }
}

QVariant ProblemListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal)
    return section == 0 ? QVariant(QString::fromLatin1(appmsg::kProblemNameColumn)) : QVariant();
  return QVariant();
}

void ProblemListModel::beginReload() { beginResetModel(); }

void ProblemListModel::endReload() {
  m_rows = tableRows();
  endResetModel();
}

void ProblemListModel::tableChanged() {
  if (tableRows() != m_rows) {
    beginReload();
    endReload();
    return;
  }
  if (m_rows > 0) emit dataChanged(index(0, 0), index(m_rows - 1, 0), {Qt::DisplayRole});
}
