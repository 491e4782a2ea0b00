#include "workbench/Workbench.h"

Workbench::Workbench(UserDialogs& dialogs, ProblemView& view)
    : m_dialogs(dialogs), m_rules(m_table, m_run, view, dialogs) {
  m_run.MosaicColor = kDefaultMosaicColor;
  m_run.TieHigh = -1;
}

void Workbench::openDatabase(const std::string& fileName) {
  m_table.close();
  m_workingFileName = fileName;
  m_table.setTableName(fileName);
  m_rules.setDatabaseModified(false);
  m_table.open();
  m_rules.normalise();
}

bool Workbench::postPending() {
  if (!m_table.editing()) return true;
  return m_table.post();
}

void Workbench::saveDatabase() {
  if (!postPending()) return;
  m_table.save(m_workingFileName);
}

void Workbench::saveIfModified() {
  if (m_rules.databaseModified()) m_table.save(m_workingFileName);
}
