#include "workbench/Workbench.h"

#include "problem/ProblemFields.h"

Workbench::Workbench(UserDialogs& dialogs, ProblemView& view)
    : m_dialogs(dialogs),
      m_rules(m_table, view, dialogs),
      m_description(m_phases, m_sidParser, m_run, dialogs),
      m_calc(RunParts{m_run, m_phases, m_sidParser, dialogs, *this}) {
  m_run.MosaicColor = kDefaultMosaicColor;
  m_run.TieHigh = -1;
  // A change of the current problem makes the next Run click a restart.
  m_rules.afterScroll = [this] {
    m_run.Ymin = m_table.asFloat(fieldName(ProblemField::Ymin));
    m_run.Ymax = m_table.asFloat(fieldName(ProblemField::Ymax));
    m_run.Ycur = m_run.Ymax;
  };
}

void Workbench::openDatabase(const std::string& fileName) {
  m_table.close();
  m_workingFileName = fileName;
  m_table.setTableName(fileName);
  m_rules.setDatabaseModified(false);
  m_table.open();
  m_rules.normalise();
}

void Workbench::closeDatabase() {
  m_rules.setDatabaseModified(false);
  m_table.close();
}

void Workbench::createDatabase(const std::string& fileName) {
  // The deletions stay in memory: the table keeps its field descriptions for the new file.
  m_table.first();
  while (m_table.recordCount() > 0) m_table.deleteRecord();
  m_workingFileName = fileName;
  m_table.setTableName(fileName);
  m_table.save(fileName);
  m_table.open();
  m_rules.setDatabaseModified(false);
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

bool Workbench::selectProblem(const std::string& name) {
  if (!m_table.active()) return false;
  for (int i = 0; i < m_table.recordCount(); ++i) {
    if (m_table.nameAt(i) == name) {
      m_table.moveTo(i);
      return true;
    }
  }
  return false;
}

bool Workbench::runToEnd() {
  m_completed = false;
  m_calc.sbRunClick();
  return m_completed;
}

void Workbench::analyse() {
  m_pipeline.run(AnalysisInput{m_calc.records(), yParameterName()}, m_analysis);
}

RunResults Workbench::results() const {
  return RunResults{m_calc.records(), m_analysis, yParameterName()};
}

std::string Workbench::yParameterText() {
  if (!m_table.active()) return std::string();
  const std::string text = m_table.asString(fieldName(ProblemField::Yparameter));
  return yParameterItem(text) >= 0 ? text : std::string();
}

std::string Workbench::yParameterName() const {
  return m_table.active() ? m_table.asString(fieldName(ProblemField::Yparameter)) : std::string();
}

std::string Workbench::problemName() {
  return m_table.active() ? m_table.asString(fieldName(ProblemField::ProblemName)) : std::string();
}

void Workbench::runRestarted() { m_analysis.NodeList.clear(); }

void Workbench::runCompleted() {
  analyse();
  m_completed = true;
  if (onRunCompleted) onRunCompleted();
}
