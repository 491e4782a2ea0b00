#include "calc/CalculationRun.h"

#include "base/NumberText.h"
#include "base/UserDialogs.h"
#include "calc/MosaicImage.h"
#include "calc/PhaseGrid.h"
#include "calc/ResultRecords.h"
#include "calc/RunMessages.h"
#include "calc/RunState.h"
#include "calc/RunView.h"
#include "calc/TQSort.h"
#include "problem/PhaseLists.h"

#include <cmath>
#include <exception>
#include <new>
#include <stdexcept>
#include <utility>

namespace msg = run_messages;

namespace {
// Rounding to the nearest integer, ties to the even one.
int roundEven(double value) { return static_cast<int>(std::nearbyint(value)); }
}  // namespace

// The chord from (Xmin, GLeft) to (Xmax, GRight) at x, with the tolerance inside the range.
double CalculationRun::chordAt(double x) const {
  const RunState& run = m_.run;
  double chord = (x - run.Xmin) * run.Slope + run.GLeft;
  if (!(x == run.Xmin || std::fabs(x - run.Xmax) <= 1e-12)) chord += 1e-10;
  return chord;
}

// The hull points arrive nearly in order (descending X, the point phases first). When no two
// of them compare equal the sorted order is unique, so a cheap insertion sort gives exactly what
// the quicksort gives; only when two compare equal does the order of the quicksort itself count.
void CalculationRun::sortHullPoints() {
  const std::size_t n = m_hullPoints.size();
  m_sortScratch.assign(m_hullPoints.begin(), m_hullPoints.end());
  std::size_t moves = 0;
  bool distinct = true;
  for (std::size_t i = 1; i < n && distinct && moves <= 8 * n; ++i) {
    std::size_t j = i;
    while (j > 0 && QSort1Compare(m_hullPoints[j], m_hullPoints[j - 1]) < 0) {
      std::swap(m_hullPoints[j], m_hullPoints[j - 1]);
      --j;
      ++moves;
    }
    if (j > 0 && QSort1Compare(m_hullPoints[j], m_hullPoints[j - 1]) == 0) distinct = false;
    if (j + 1 <= i && QSort1Compare(m_hullPoints[j], m_hullPoints[j + 1]) == 0) distinct = false;
  }
  if (distinct && moves <= 8 * n) return;
  m_hullPoints.assign(m_sortScratch.begin(), m_sortScratch.end());
  quickSortIndices(
      0, static_cast<int>(n),
      [&](int i, int j) {
        return QSort1Compare(m_hullPoints[static_cast<std::size_t>(i)],
                             m_hullPoints[static_cast<std::size_t>(j)]);
      },
      [&](int i, int j) {
        std::swap(m_hullPoints[static_cast<std::size_t>(i)],
                  m_hullPoints[static_cast<std::size_t>(j)]);
      });
}

void CalculationRun::postProcess() {
  RunState& run = m_.run;
  sortHullPoints();
  ++run.LevelNo;
  const int row = run.LevelNo + 1;
  writeGridRow(row);
  if (m_showChart) addConvexSeries();
  recordTieLines(row);
  if (m_showMosaic) drawMosaicRuns();
  if (m_showMosaic) m_view->mosaicChanged();
}

void CalculationRun::writeGridRow(int row) {
  PhaseGrid& grid = m_grid;
  grid.setRowCount(m_.run.LevelNo + 2);
  grid.setCell(0, row, formatFloat("0.######", m_.run.Ycur));
  for (int c = 1; c < grid.colCount(); ++c) grid.setCellId(c, row, m_twoPhaseId);
  for (const TDPoint& point : m_hullPoints)
    if (point.Col > 0) grid.setCellId(point.Col, row, point.NameId);
}

void CalculationRun::addConvexSeries() {
  if (m_hullPoints.empty()) return;
  const RunState& run = m_.run;
  const int convex = static_cast<int>(m_.phases.SolutionPhases.size());  // the last series
  m_view->chartAddPoint(convex, m_hullPoints[0].X, m_hullPoints[0].G);
  for (std::size_t i = 1; i < m_hullPoints.size(); ++i) {
    const TDPoint& q = m_hullPoints[i];
    const TDPoint& p = m_hullPoints[i - 1];
    if (q.X == p.X && q.G > p.G) continue;
    if (q.G <= chordAt(q.X) || q.X == run.Xmin) m_view->chartAddPoint(convex, q.X, q.G);
  }
}

void CalculationRun::recordTieLines(int row) {
  RunState& run = m_.run;
  const int width = m_mosaic.width();
  for (std::size_t i = 1; i < m_hullPoints.size(); ++i) {
    const TDPoint& p = m_hullPoints[i - 1];
    const TDPoint& q = m_hullPoints[i];
    const bool apart = std::fabs(q.X - p.X) >= p.Step + 1e-10;
    if (!(q.G <= chordAt(q.X) && (apart || p.IsCompound || q.IsCompound))) continue;
    if (q.IsCompound && m_showMosaic) {
      const double x = width * (q.X - run.Xmin) / (run.Xmax - run.Xmin);
      m_mosaic.ellipse(roundEven(x - 2), run.MosaicRow - 2, roundEven(x + 2), run.MosaicRow + 2,
                        MosaicImage::kRed, MosaicImage::kWhite);
    }
    if (!(std::fabs(p.X - q.X) > run.dX)) continue;
    try {
      ++run.PairCount;
      recordTieEnd(p, row, true);
      recordTieEnd(q, row, false);
    } catch (const std::length_error&) {
      throw;  // the tie points are full: one message ends the scan
    } catch (const std::bad_alloc&) {
      throw;  // a message for each tie line would never end
    } catch (const std::exception&) {
      m_.dialogs.message(std::string(msg::kErrorAt) + m_.host.yParameterText() + " = " +
                         formatGeneral(run.Ycur) + "\r" + "X = " + formatGeneral(q.X));
    }
  }
}

// The larger-X end of a tie line marks a compound column with "C" and the compound's text, the
// other end with "C" alone.
void CalculationRun::recordTieEnd(const TDPoint& end, int row, bool largerX) {
  appendTiePoint(m_tiePoints, m_.run.TieHigh, TZPoint{end.X, m_.run.Ycur, end.Col, *end.Name});
  if (end.Col != 0) {
    m_grid.setCellId(end.Col, row, end.NameId);
    return;
  }
  if (!end.IsCompound) return;
  for (std::size_t c = 0; c < m_xList.size(); ++c) {
    if (std::fabs(m_xList[c].X - end.X) < 1e-10) {
      const std::string mark = largerX ? "C" + end.Name->substr(0, 6) : std::string("C");
      m_grid.setCell(static_cast<int>(c) + 1, row, mark);
      return;
    }
  }
}

void CalculationRun::drawMosaicRuns() {
  const RunState& run = m_.run;
  const int width = m_mosaic.width();
  auto column = [&](double x) {
    return roundEven((x - run.Xmin) / (run.Xmax - run.Xmin) * width);
  };
  for (int k = 1; k <= run.PairCount; ++k) {
    const int firstIndex = run.TieHigh - 2 * k + 1;
    if (firstIndex < 0) break;
    const auto first = static_cast<std::size_t>(firstIndex);
    int x1 = column(m_tiePoints[first].X);
    int x2 = column(m_tiePoints[first + 1].X);
    if (x1 > x2) std::swap(x1, x2);
    for (int x = x1; x <= x2; ++x) m_mosaic.setPixel(x, run.MosaicRow, run.MosaicColor);
  }
}
