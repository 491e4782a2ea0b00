#pragma once

#include "calc/PhaseGrid.h"
#include "calc/ResultRecords.h"
#include "calc/RunState.h"
#include "problem/ProblemRules.h"
#include "problem/ProblemTable.h"

#include <cstdint>
#include <string>

class ProblemView;
class UserDialogs;

// Everything the main window owns, without the window: the problem table and its rules, the run
// state and the results of the last run. The GUI's handlers and the command-line tool call its
// commands and show what they leave behind.
class Workbench {
 public:
  static constexpr std::uint32_t kDefaultMosaicColor = 12639424;  // light green, 0x00BBGGRR
  static constexpr const char* kDefaultWorkingFileName = "Problems.d";

  Workbench(UserDialogs& dialogs, ProblemView& view);
  Workbench(const Workbench&) = delete;
  Workbench& operator=(const Workbench&) = delete;

  ProblemTable& table() { return m_table; }
  ProblemRules& rules() { return m_rules; }
  RunState& run() { return m_run; }
  PhaseGrid& grid() { return m_grid; }
  TaTZpoint& tiePoints() { return m_tiePoints; }
  TNodeList& nodeList() { return m_nodeList; }
  UserDialogs& dialogs() { return m_dialogs; }

  const std::string& workingFileName() const { return m_workingFileName; }
  void setWorkingFileName(const std::string& fileName) { m_workingFileName = fileName; }
  bool databaseModified() const { return m_rules.databaseModified(); }

  // Makes fileName the working database and opens it, then normalises its records. The name
  // is taken before the open, so a file that fails to load still names the working database.
  void openDatabase(const std::string& fileName);
  // Posts a pending edit or insert; false when the validation refused it.
  bool postPending();
  // File > Save: posts, then saves to the working file name whatever the modified flag says.
  void saveDatabase();
  // Saves when the database was modified (before Open and Create, and at shutdown).
  void saveIfModified();

 private:
  UserDialogs& m_dialogs;
  ProblemTable m_table;
  RunState m_run;
  ProblemRules m_rules;
  PhaseGrid m_grid;
  TaTZpoint m_tiePoints;
  TNodeList m_nodeList;
  std::string m_workingFileName;
};
