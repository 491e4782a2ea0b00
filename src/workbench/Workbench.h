#pragma once

#include "analysis/AnalysisPipeline.h"
#include "analysis/AnalysisResults.h"
#include "analysis/RunResults.h"
#include "calc/CalculationRun.h"
#include "calc/RunState.h"
#include "evaluator/TParser.h"
#include "problem/PhaseDescription.h"
#include "problem/PhaseLists.h"
#include "problem/ProblemRules.h"
#include "problem/ProblemTable.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

class MosaicImage;
class PhaseGrid;
class ProblemView;
class RunView;
class UserDialogs;

// Everything the main window owns, without the window: the problem table and its rules, the
// parsed description, the run and the analysis of its results. The desktop program's handlers
// and the command-line tool ask it to do things and read what it leaves behind, read-only.
class Workbench : private RunHost {
 public:
  static constexpr std::uint32_t kDefaultMosaicColor = 12639424;  // light green, 0x00BBGGRR
  static constexpr const char* kDefaultWorkingFileName = "Problems.d";

  Workbench(UserDialogs& dialogs, ProblemView& view);
  Workbench(const Workbench&) = delete;
  Workbench& operator=(const Workbench&) = delete;

  // The problem table: the list and the editors read and write the current record through it,
  // so that its edit and post rules hold.
  ProblemTable& table() { return m_table; }
  const ProblemTable& table() const { return m_table; }

  // The windows a run talks to; until one is attached the run shows nothing.
  void setRunView(RunView& view) { m_calc.setView(view); }

  // Database commands.
  const std::string& workingFileName() const { return m_workingFileName; }
  void setWorkingFileName(const std::string& fileName) { m_workingFileName = fileName; }
  bool databaseModified() const { return m_rules.databaseModified(); }
  // Makes fileName the working database and opens it, then normalises its records. The name
  // is taken before the open, so a file that fails to load still names the working database.
  void openDatabase(const std::string& fileName);
  // Closes the table; nothing counts as modified.
  void closeDatabase();
  // Empties the table in memory and writes it as the new working database fileName, then opens
  // that file (File > Create).
  void createDatabase(const std::string& fileName);
  // Posts a pending edit or insert; false when the validation refused it.
  bool postPending();
  // File > Save: posts, then saves to the working file name whatever the modified flag says.
  void saveDatabase();
  // Saves when the database was modified (before Open and Create, and at shutdown).
  void saveIfModified();
  // Makes the first problem of that name (in the list's order) the current one; false when
  // there is none.
  bool selectProblem(const std::string& name);

  // Rules of the current problem that the editors trigger.
  void yParameterChanged() { m_rules.yParameterChanged(); }
  void zEditorExit() { m_rules.zEditorExit(); }
  // Cuts the Y and Z parameter texts at their first comma in every record; false when a post
  // was refused (the record stays in edit state, its warning shown).
  bool normalise() { return m_rules.normalise(); }

  // The mosaic colour of two-phase runs, 0x00BBGGRR.
  std::uint32_t mosaicColor() const { return m_run.MosaicColor; }
  void setMosaicColor(std::uint32_t color) { m_run.MosaicColor = color; }

  // The Run command (button "&Run (F9)" and F9): restart, continue or pause as the view's
  // check boxes say.
  void sbRunClick() { m_calc.sbRunClick(); }
  // A whole scan of the current problem from Ymax to Ymin whatever "By step" says, as a script
  // runs it; true when the scan completed and its analysis ran (see analysis() for a failed
  // step). Messages go to the dialogs.
  bool runToEnd();
  bool running() const { return m_calc.running(); }
  // The last scan ran to Ymin and its records are complete.
  bool isScanComplete() const { return m_calc.isScanComplete(); }
  // Posts a pending edit, parses the current problem's description and checks it, and sets the
  // run parameters; leaves run().PrepareFailed false on success. Messages go to the dialogs.
  void PrepareProblem() override;
  // The analysis pipeline over the records as they stand (the Diagram button's search).
  void analyse();
  // What a complete scan does once its analysis has run: the windows draw the results.
  std::function<void()> onRunCompleted;

  // Results, read-only.
  const RunState& run() const { return m_run; }
  const PhaseGrid& grid() const { return m_calc.records().grid; }
  std::span<const TZPoint> tiePoints() const { return m_calc.records().tiePoints; }
  const MosaicImage& mosaic() const { return m_calc.records().mosaic; }
  const TXList& XList() const { return m_calc.XList(); }
  const AnalysisResults& analysis() const { return m_analysis; }
  const PhaseLists& phases() const { return m_phases; }
  RunResults results() const;
  // The text the Y parameter box shows for the current problem ("" when none of its items).
  std::string yParameterText() override;
  // The current problem's Y parameter as stored ("" without a current problem): the name the
  // diagram's title and the special point search use.
  std::string yParameterName() const;

 private:
  // RunHost
  std::string problemName() override;
  void runRestarted() override;
  void runCompleted() override;

  UserDialogs& m_dialogs;
  ProblemTable m_table;
  RunState m_run;
  ProblemRules m_rules;
  PhaseLists m_phases;
  TParser m_sidParser;
  PhaseDescription m_description;
  CalculationRun m_calc;
  AnalysisPipeline m_pipeline;
  AnalysisResults m_analysis;
  std::string m_workingFileName;
  bool m_completed = false;  // runCompleted came since runToEnd started
};
