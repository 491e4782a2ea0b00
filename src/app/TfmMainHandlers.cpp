#include "app/ProblemListModel.h"
#include "app/TfmMain.h"
#include "base/UserDialogs.h"
#include "app/AppMessages.h"
#include "workbench/Workbench.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTableView>

// The rules attached themselves first; the list and the editors follow after them.
void TfmMain::attachTableEvents() {
  auto& events = m_workbench->table().events();
  auto chain = [](std::function<void()> first, std::function<void()> then) {
    return [first = std::move(first), then = std::move(then)] {
      if (first) first();
      then();
    };
  };
  auto listChanged = [this] {
    if (m_reloading) return;
    m_problemModel->tableChanged();
    refreshEditors();
  };
  events.afterScroll = chain(events.afterScroll, [this, listChanged] {
    listChanged();
    syncListToTable();
  });
  events.afterOpen = chain(events.afterOpen, [this] { refreshEditors(); });
  events.afterPost = chain(events.afterPost, listChanged);
  events.afterDelete = chain(events.afterDelete, listChanged);
  events.afterCancel = chain(events.afterCancel, listChanged);
  // The texts still in the editors belong to the record being posted.
  events.beforePost = [this, rules = std::move(events.beforePost)] {
    flushEditors();
    return !rules || rules();
  };
}

void TfmMain::syncListToTable() {
  if (m_reloading) return;
  const QScopedValueRollback<bool> syncing(m_syncing, true);
  QItemSelectionModel* selection = m_dbgProblems->selectionModel();
  const int row = m_problemModel->currentRow();
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
    if (table.active() && current.row() < table.recordCount() &&
        m_problemModel->currentRow() != current.row())
      table.moveTo(current.row());
  });
  // A refused post keeps the table where it was; the list goes back there.
  syncListToTable();
}

// Insert adds a problem, Ctrl+Delete deletes one; Down on the last problem must not run off
// the end of the list.
bool TfmMain::problemListKey(QKeyEvent* key) {
  const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
  if (key->key() == Qt::Key_Insert && modifiers == Qt::NoModifier) {
    navInsertClick();
    return true;
  }
  if (key->key() == Qt::Key_Delete && modifiers == Qt::ControlModifier) {
    navDeleteClick();
    return true;
  }
  if (key->key() == Qt::Key_Down && modifiers == Qt::NoModifier) {
    const int row = m_dbgProblems->currentIndex().row();
    return row >= m_problemModel->rowCount() - 1;
  }
  return false;
}

void TfmMain::navInsertClick() {
  guarded([&] { m_workbench->table().insert(); });
  m_dbgProblems->setFocus();
}

void TfmMain::navDeleteClick() {
  ProblemTable& table = m_workbench->table();
  if (!table.active()) return;
  if (!m_dialogs.confirm(appmsg::kDeleteRecord)) return;
  guarded([&] { table.deleteRecord(); });
}

void TfmMain::navCancelClick() {
  guarded([&] { m_workbench->table().cancel(); });
}
