#pragma once

#include "analysis/FindSpecialPoints.h"
#include "calc/CalculationRun.h"
#include "calc/MosaicImage.h"
#include "calc/PhaseGrid.h"
#include "calc/ResultRecords.h"
#include "calc/RunState.h"
#include "calc/RunView.h"
#include "evaluator/TParser.h"
#include "problem/PhaseDescription.h"
#include "problem/PhaseLists.h"
#include "problem/ProblemRules.h"
#include "problem/ProblemTable.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class ProblemView;
class UserDialogs;

// Everything the main window owns, without the window: the problem table and its rules, the run
// state and the results of the last run. The GUI's handlers and the command-line tool call its
// commands and show what they leave behind.
class Workbench : private RunHost {
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
  PhaseLists& phases() { return m_phases; }
  TParser& sidParser() { return m_sidParser; }
  PhaseDescription& description() { return m_description; }
  // The windows a run talks to; until one is attached the run shows nothing.
  void setRunView(RunView& view) {
    m_runView = &view;
    m_calc.setView(view);
  }
  RunView& runView() { return *m_runView; }

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

  // The Run command (button "&Run (F9)" and F9).
  void sbRunClick() { m_calc.sbRunClick(); }
  bool running() const { return m_calc.running(); }
  CalculationRun& calculation() { return m_calc; }
  MosaicImage& mosaic() { return m_mosaic; }
  // The special point search on the grid of the last run; rebuilds NodeList, OtherPoints and
  // SpecialPoints (see FindSpecialPoints for its failures).
  void findSpecialPoints();
  std::vector<std::string>& otherPoints() { return m_otherPoints; }
  std::vector<SpecialPoint>& specialPoints() { return m_specialPoints; }
  // What a complete scan does at its end; without a handler it runs the special point search.
  std::function<void()> onRunCompleted;
  // The text the Y parameter box shows for the current problem ("" when none of its items).
  std::string yParameterText() override;

  // Posts a pending edit, parses the current problem's description and checks it, and sets the
  // run parameters; leaves run().PrepareFailed false on success. Messages go to the dialogs.
  void PrepareProblem() override;

 private:
  UserDialogs& m_dialogs;
  ProblemTable m_table;
  RunState m_run;
  ProblemRules m_rules;
  PhaseGrid m_grid;
  TaTZpoint m_tiePoints;
  TNodeList m_nodeList;
  std::string m_workingFileName;
  PhaseLists m_phases;
  TParser m_sidParser;
  PhaseDescription m_description;
  NullRunView m_nullRunView;
  RunView* m_runView = &m_nullRunView;
  MosaicImage m_mosaic;
  std::vector<std::string> m_otherPoints;
  std::vector<SpecialPoint> m_specialPoints;
  CalculationRun m_calc;

  // RunHost
  std::string problemName() override;
  void runCompleted() override;
};
