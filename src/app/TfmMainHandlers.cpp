#include "app/ProblemListModel.h"
#include "app/TfmMain.h"
#include "workbench/Workbench.h"

#include <QItemSelectionModel>
#include <QScopedValueRollback>
#include <QTableView>

// The rules attached themselves first; the list follows after them.
void TfmMain::attachTableEvents() {
  auto& events = m_workbench->table().events();
  auto chain = [](std::function<void()> first, std::function<void()> then) {
    return [first = std::move(first), then = std::move(then)] {
      if (first) first();
      then();
    };
  };
  auto listChanged = [this] {
    if (!m_reloading) m_problemModel->tableChanged();
  };
  events.afterScroll = chain(events.afterScroll, [this] { syncListToTable(); });
  events.afterPost = chain(events.afterPost, listChanged);
  events.afterDelete = chain(events.afterDelete, listChanged);
  events.afterCancel = chain(events.afterCancel, listChanged);
}

void TfmMain::syncListToTable() {
  if (m_reloading) return;
  const QScopedValueRollback<bool> syncing(m_syncing, true);
  QItemSelectionModel* selection = m_dbgProblems->selectionModel();
  const ProblemTable& table = m_workbench->table();
  const int row = table.active() ? table.position() : -1;
  if (row < 0 || row >= m_problemModel->rowCount()) {
    selection->clear();
    return;
  }
  const QModelIndex index = m_problemModel->index(row, 0);
  selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                        QItemSelectionModel::Rows);
  m_dbgProblems->scrollTo(index);
}

void TfmMain::dbgProblemsCurrentRowChanged(const QModelIndex& current, const QModelIndex&) {
  if (m_syncing || m_reloading || !current.isValid()) return;
  ProblemTable& table = m_workbench->table();
  guarded([&] {
    if (table.active() && table.position() != current.row()) table.moveTo(current.row());
  });
  // A refused post keeps the table where it was; the list goes back there.
  syncListToTable();
}
