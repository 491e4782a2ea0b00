#include "calc/CalculationRun.h"

#include "base/NumberText.h"
#include "base/UserDialogs.h"
#include "calc/MosaicImage.h"
#include "calc/PhaseGrid.h"
#include "calc/ResultRecords.h"
#include "calc/RunMessages.h"
#include "calc/RunState.h"
#include "calc/RunView.h"
#include "calc/RunSlots.h"
#include "evaluator/TParser.h"
#include "problem/PhaseLists.h"
#include "problem/PhaseText.h"
#include "problem/ProblemFields.h"
#include "problem/ProblemMessages.h"

#include <algorithm>
#include <cmath>

namespace msg = run_messages;

namespace {

// Clears the flag however the scan ends, an evaluator error included.
class RunningFlag {
 public:
  explicit RunningFlag(bool& flag) : m_flag(flag) { m_flag = true; }
  ~RunningFlag() { m_flag = false; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;

 private:
  bool& m_flag;
};

}  // namespace

CalculationRun::CalculationRun(RunParts parts) : m_(parts) {}

CalculationRun::~CalculationRun() = default;

int CalculationRun::yItem() { return yParameterItem(m_.host.yParameterText()); }

void CalculationRun::sbRunClick() {
  if (m_running) return;
  RunningFlag flag(m_running);
  RunState& run = m_.run;
  m_view->mosaicHide();
  if (m_view->showMosaicDiagram()) m_view->mosaicShow(/*keepMainInFront=*/true);
  const bool byStep = m_view->byStep();
  const bool complete = isScanComplete();
  // A paused run continues only with the evaluators it started with.
  const bool sameParse = m_slotsGeneration == m_.phases.generation;
  if (!(byStep && !complete && run.Ycur < run.Ymax && sameParse)) {
    if (byStep && complete && !m_.dialogs.confirm(msg::kRestart)) return;
    if (!restart()) return;
  }
  continueRun();
}

bool CalculationRun::restart() {
  m_.host.PrepareProblem();
  if (m_.run.PrepareFailed || !checkRanges()) return false;
  m_view->setCaptions(m_.host.problemName());
  m_.host.runRestarted();
  m_view->chartRemoveAllSeries();
  for (const auto& phase : m_.phases.SolutionPhases) m_view->chartAddSeries(phase.text, false);
  buildXList();
  const std::size_t phaseCount = m_.phases.PointPhases.size() + m_.phases.SolutionPhases.size();
  m_levelPoints.assign(phaseCount * m_xList.size(), TDPoint{});
  m_view->chartAddSeries("Convex", true);
  m_mosaic.reset(m_view->mosaicControlWidth(), m_view->mosaicControlHeight());
  m_view->mosaicChanged();
  cacheSlots();
  m_view->processPendingMessages();
  return true;
}

// The cases a scan cannot compute get a message instead of a division by zero or a scan that
// never ends.
bool CalculationRun::checkRanges() {
  RunState& run = m_.run;
  const char* problem = nullptr;
  bool anyExpression = false;
  for (const auto& phase : m_.phases.SolutionPhases)
    anyExpression = anyExpression || !phase.parser->Expression().empty();
  if (!anyExpression) problem = problem_messages::kNoGibbsEnergy;
  else if (!(run.Xmax > run.Xmin)) problem = msg::kXRange;
  else if (!(run.Ymax > run.Ymin)) problem = problem_messages::kYmaxBelowYmin;
  // A width beyond the largest double would make every step and scale infinite.
  else if (!std::isfinite(run.Xmax - run.Xmin)) problem = msg::kXRangeTooWide;
  else if (!std::isfinite(run.Ymax - run.Ymin)) problem = msg::kYRangeTooWide;
  else if (run.Xmin + run.dX == run.Xmin || run.Xmax - run.dX == run.Xmax)
    problem = msg::kXStepTooSmall;
  else if (run.Ymin + run.dY == run.Ymin || run.Ymax - run.dY == run.Ymax)
    problem = msg::kYStepTooSmall;
  else if (gridCells() > kMaxGridCells)
    problem = msg::kGridTooLarge;
  if (!problem) return true;
  m_.dialogs.warning(problem);
  run.PrepareFailed = true;
  return false;
}

// The grid's size before it is built: one column per step and point phase, one row per level.
double CalculationRun::gridCells() const {
  const RunState& run = m_.run;
  const double columns = (run.Xmax - run.Xmin) / run.dX + 2 +
                         static_cast<double>(m_.phases.PointPhases.size());
  const double rows = (run.Ymax - run.Ymin) / run.dY + 3;
  return columns * rows;
}

void CalculationRun::buildXList() {
  const RunState& run = m_.run;
  m_xList.clear();
  m_pointX.clear();
  for (const auto& point : m_.phases.PointPhases) m_pointX.push_back(readNumberOr(point.text, -1));
  auto append = [&](double x) { m_xList.push_back({formatFloat("0.########", x), x}); };
  double x = run.Xmin;
  while (x <= run.Xmax) {
    append(x);
    if (x >= run.Xmax || std::fabs(run.Xmax - x) < 1e-12) break;
    x += run.dX;
    if (std::fabs(run.Xmax - x) < 1e-12) x = run.Xmax;
    if (x > run.Xmax) x = run.Xmax;
    // At most one point phase gets a column of its own per step.
    for (double xc : m_pointX) {
      if (std::fabs(x - xc) >= 1e-10 && std::fabs((x - run.dX) - xc) >= 1e-10 &&
          x - run.dX < xc && xc < x) {
        append(xc);
        break;
      }
    }
  }
  PhaseGrid& grid = m_grid;
  grid.clear();
  grid.setColCount(static_cast<int>(m_xList.size()) + 1);
  grid.setRowCount(2);
  // One row per level: Ymax, the steps down and a last one at Ymin, with the header.
  const double levels = (m_.run.Ymax - m_.run.Ymin) / m_.run.dY;
  if (levels >= 0 && levels < 1e6) grid.reserveRows(static_cast<int>(levels) + 3);
  grid.setCell(0, 0, " Y/X");
  for (std::size_t c = 0; c < m_xList.size(); ++c)
    grid.setCell(static_cast<int>(c) + 1, 0, m_xList[c].text);
  m_twoPhaseId = grid.intern("E");
  m_phaseIds.clear();
  for (const auto& phase : m_.phases.SolutionPhases) m_phaseIds.push_back(grid.intern(phase.text));
  for (const auto& point : m_.phases.PointPhases) m_phaseIds.push_back(grid.intern(point.text));
}

void CalculationRun::continueRun() {
  RunState& run = m_.run;
  m_mosaicScale = (m_mosaic.height() - 10) / (run.Ymax - run.Ymin);
  const bool byStep = m_view->byStep();
  m_view->setProblemGridEnabled(byStep);
  if (!byStep && m_view->showMosaicDiagram()) m_view->mosaicShow(/*keepMainInFront=*/false);
  while (run.Ycur >= run.Ymin) {
    computeLevel();
    if (!advance()) break;
  }
  completion();
}

// Returns false when the scan leaves its loop: complete, paused, or its evaluators replaced
// while pending messages were processed.
bool CalculationRun::advance() {
  RunState& run = m_.run;
  m_view->processPendingMessages();
  if (m_slotsGeneration != m_.phases.generation) return false;
  run.MosaicRow = mosaicRow();
  if (isScanComplete()) return false;
  run.Ycur -= run.dY;
  if (run.Ycur < run.Ymin) run.Ycur = run.Ymin;
  return !m_view->byStep();
}

// Where the product overflows (a range near the largest double, or so narrow that the scale
// does), the row comes from the level's share of the range; it is kept within what an int holds,
// and the image ignores rows outside it.
std::int32_t CalculationRun::mosaicRow() const {
  const RunState& run = m_.run;
  double row = std::trunc(run.LevelNo * run.dY * m_mosaicScale);
  if (!std::isfinite(row)) {
    row = std::trunc(run.LevelNo * (run.dY / (run.Ymax - run.Ymin)) * (m_mosaic.height() - 10));
  }
  if (!(row > -1e9)) row = -1e9;
  if (row > 1e9) row = 1e9;
  return static_cast<std::int32_t>(row);
}

bool CalculationRun::isScanComplete() const { return std::fabs(m_.run.Ycur - m_.run.Ymin) < 1e-11; }

void CalculationRun::clearTiePoints(std::size_t capacity) {
  m_tiePoints.assign(capacity, TZPoint{});
  m_.run.TieHigh = -1;
}

RunRecords CalculationRun::records() const {
  const auto count = static_cast<std::size_t>(std::max(m_.run.TieHigh + 1, 0));
  return RunRecords{m_.run, m_grid,
                    std::span<const TZPoint>(m_tiePoints.data(), std::min(count, m_tiePoints.size())),
                    m_xList, m_mosaic};
}

void CalculationRun::completion() {
  if (!isScanComplete()) return;
  if (m_slotsGeneration != m_.phases.generation) return;
  m_view->setProblemGridEnabled(true);
  m_view->setDiagramEnabled(true);
  m_.host.runCompleted();
}
