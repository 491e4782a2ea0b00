#pragma once

#include "calc/QH_unit.h"
#include "calc/TDPoint.h"

#include <cstdint>
#include <string>

class MosaicImage;
class PhaseGrid;
class RunView;
class TParser;
class UserDialogs;
struct PhaseLists;
struct RunState;
struct TZPoint;
struct TNode;

// What the run needs from its owner besides the data it works on.
class RunHost {
 public:
  virtual ~RunHost() = default;
  // The preparation of the current problem; leaves RunState::PrepareFailed false on success.
  virtual void PrepareProblem() = 0;
  virtual std::string problemName() = 0;
  // The text the Y parameter box shows ("Temperature", "Pressure", "Y" or "").
  virtual std::string yParameterText() = 0;
  // A scan reached Ymin: the diagram is drawn and the special points refreshed.
  virtual void runCompleted() = 0;
};

// The data a run reads and writes; the owner keeps all of it alive.
struct RunParts {
  RunState& run;
  PhaseLists& phases;
  TParser& sidParser;
  PhaseGrid& grid;
  std::vector<TZPoint>& tiePoints;
  std::vector<TNode>& nodeList;
  MosaicImage& mosaic;
  RunView* view;  // replaced by setView
  UserDialogs& dialogs;
  RunHost& host;
};

// The Run command: a scan of the vertical axis from Ymax down to Ymin, continuous or one level
// per click, with each level's hull points turned into a grid row, tie lines, the working
// chart's curves and a mosaic row.
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
  void setView(RunView& view) { m_.view = &view; }

  const TXList& XList() const { return m_xList; }

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
