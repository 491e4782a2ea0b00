#include "workbench/Workbench.h"

#include "problem/ProblemFields.h"

Workbench::Workbench(UserDialogs& dialogs, ProblemView& view)
    : m_dialogs(dialogs),
      m_rules(m_table, m_run, view, dialogs),
      m_description(m_phases, m_sidParser, m_run, dialogs),
      m_calc(RunParts{m_run, m_phases, m_sidParser, m_grid, m_tiePoints, m_nodeList, m_mosaic,
                      &m_nullRunView, dialogs, *this}) {
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

std::string Workbench::yParameterText() {
  if (!m_table.active()) return std::string();
  const std::string text = m_table.asString(fieldName(ProblemField::Yparameter));
  return yParameterItem(text) >= 0 ? text : std::string();
}

std::string Workbench::problemName() {
  return m_table.active() ? m_table.asString(fieldName(ProblemField::ProblemName)) : std::string();
}

void Workbench::findSpecialPoints() {
  const std::string name =
      m_table.active() ? m_table.asString(fieldName(ProblemField::Yparameter)) : std::string();
  FindSpecialPoints(m_grid, name, m_nodeList, m_otherPoints, m_specialPoints);
}

void Workbench::runCompleted() {
  if (onRunCompleted) onRunCompleted();
  else findSpecialPoints();
}
