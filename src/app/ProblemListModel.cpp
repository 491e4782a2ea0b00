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

namespace {

const char* const kNameField = "ProblemName";

}  // namespace

int ProblemListModel::tableRows() const {
  if (!m_table.active()) return 0;
  return m_table.recordCount() + (m_table.state() == ProblemTable::State::Insert ? 1 : 0);
}

int ProblemListModel::currentRow() const {
  if (!m_table.active()) return -1;
  if (m_table.state() == ProblemTable::State::Insert) return m_table.recordCount();
  return m_table.recordCount() > 0 ? m_table.position() : -1;
}

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
      // The record being edited shows the name typed so far.
      if (row == currentRow() && m_table.editing())
        return QString::fromStdString(m_table.asString(kNameField));
      return QString::fromStdString(m_table.nameAt(row));
    case Qt::BackgroundRole:
      if (row % 2 == 1) return QBrush(kAlternateRow);
      return {};
    default:
      return {};
  }
}

Qt::ItemFlags ProblemListModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags result = QAbstractTableModel::flags(index);
  if (index.isValid()) result |= Qt::ItemIsEditable;
  return result;
}

bool ProblemListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole ||
      !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
    return false;
  if (index.row() != currentRow()) return false;
  const std::string name = value.toString().toStdString();
  if (!m_table.editing() && name == m_table.nameAt(index.row())) return true;
  m_table.edit();
  m_table.setString(kNameField, name);
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  return true;
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
