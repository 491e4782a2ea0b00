#pragma once

#include "calc/MosaicImage.h"
#include "calc/PhaseGrid.h"
#include "calc/QH_unit.h"
#include "calc/ResultRecords.h"
#include "calc/RunRecords.h"
#include "calc/RunView.h"
#include "calc/TDPoint.h"

#include <cstdint>
#include <string>

class TParser;
class UserDialogs;
struct PhaseLists;
struct RunState;

// What the run needs from its owner besides the data it works on.
class RunHost {
 public:
  virtual ~RunHost() = default;
  // The preparation of the current problem; leaves RunState::PrepareFailed false on success.
  virtual void PrepareProblem() = 0;
  virtual std::string problemName() = 0;
  // The text the Y parameter box shows ("Temperature", "Pressure", "Y" or "").
  virtual std::string yParameterText() = 0;
  // A restart passed its checks: the results of the last run are about to be replaced.
  virtual void runRestarted() = 0;
  // A scan reached Ymin: its records are complete.
  virtual void runCompleted() = 0;
};

// What a run reads and writes besides its own records; the owner keeps all of it alive.
struct RunParts {
  RunState& run;
  PhaseLists& phases;
  TParser& sidParser;
  UserDialogs& dialogs;
  RunHost& host;
};

// The Run command: a scan of the vertical axis from Ymax down to Ymin, continuous or one level
// per click, with each level's hull points turned into a grid row, tie lines, the working
// chart's curves and a mosaic row. It owns those records; they live until the next restart.
class CalculationRun {
 public:
  // Larger grids are refused rather than exhausting the memory (4 bytes a cell).
  static constexpr double kMaxGridCells = 100e6;

  explicit CalculationRun(RunParts parts);
  ~CalculationRun();

  // The "&Run (F9)" button. A click that arrives while a scan is processing pending messages
  // is ignored.
  void sbRunClick();
  bool running() const { return m_running; }
  // The windows a run talks to; until one is set the run shows nothing.
  void setView(RunView& view) { m_view = &view; }
  RunView& view() { return *m_view; }
  // Ycur has reached Ymin: the last scan ran to its end (a failed restart leaves it as it was).
  bool isScanComplete() const;
  // The preparation's share: room for a tie line per level, none recorded.
  void clearTiePoints(std::size_t capacity);

  const TXList& XList() const { return m_xList; }
  RunRecords records() const;

 private:
  struct EvaluatorSlots;

  bool restart();
  bool checkRanges();
  double gridCells() const;
  void buildXList();
  void cacheSlots();
  void continueRun();
  void computeLevel();
  void columnMinimum(std::size_t column, double x);
  void pointPhase(std::size_t index);
  void evaluateVariables(double x);
  void chordFilter();
  void collectHull();
  void sortHullPoints();
  void postProcess();
  void writeGridRow(int row);
  void addConvexSeries();
  void recordTieLines(int row);
  void recordTieEnd(const TDPoint& end, int row, bool largerX);
  void drawMosaicRuns();
  double chordAt(double x) const;
  bool advance();
  std::int32_t mosaicRow() const;
  void completion();
  int yItem();

  RunParts m_;
  NullRunView m_nullView;
  RunView* m_view = &m_nullView;
  PhaseGrid m_grid;
  TaTZpoint m_tiePoints;
  MosaicImage m_mosaic;
  TXList m_xList;
  TaTpoint m_levelPoints;
  TaTpoint m_hullPoints;
  TaTpoint m_sortScratch;  // the hull points as collected, when the quicksort must decide
  std::int32_t m_pointCount = 0;  // used entries of m_levelPoints
  QH_unit m_hull;
  double m_mosaicScale = 0;
  bool m_running = false;
  bool m_showChart = false;
  bool m_showMosaic = false;
  std::uint64_t m_slotsGeneration = 0;
  PhaseGrid::TextId m_twoPhaseId = 0;
  std::vector<PhaseGrid::TextId> m_phaseIds;
  std::vector<double> m_pointX;  // each point phase's X, read once from its text
  std::vector<EvaluatorSlots> m_solutionSlots;
  std::vector<EvaluatorSlots> m_pointSlots;
  std::vector<EvaluatorSlots> m_variableSlots;
  double* m_sidX = nullptr;
};
