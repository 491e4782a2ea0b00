#include "analysis/FindSpecialPoints.h"

#include "analysis/RunList.h"
#include "base/AsciiCase.h"
#include "base/Errors.h"
#include "base/NumberText.h"

#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

class SpecialPointSearch {
 public:
  SpecialPointSearch(const PhaseGrid& grid, char yLetter, TNodeList& nodes,
                     std::vector<std::string>& others, std::vector<SpecialPoint>& points)
      : m_grid(grid), m_yLetter(yLetter), m_nodes(nodes), m_others(others), m_points(points) {}

  void run();

 private:
  enum class Outcome { Continues, OtherPoint, NodeCandidate };

  void comparePair(int upperRow, int lowerRow);
  Outcome classify(const TR& run, int rowA, int rowB);
  void tryNode(const std::vector<TR>& runs, std::size_t s, int rowA);
  void addOtherPoint(const TR& run, int lowerRow);
  double otherPointX(const TR& run, int lowerRow, double x) const;
  std::int32_t foldedId(PhaseGrid::TextId id);
  double headerX(int col) const { return strToFloat(m_grid.cell(col, 0)); }
  double headerY(int row) const { return strToFloat(m_grid.cell(0, row)); }

  const PhaseGrid& m_grid;
  char m_yLetter;
  TNodeList& m_nodes;
  std::vector<std::string>& m_others;
  std::vector<SpecialPoint>& m_points;
  std::vector<TR> m_upperRuns;
  std::vector<TR> m_lowerRuns;
  // Texts across rows compare without regard to case: every id maps to the id of its folded text.
  std::vector<std::int32_t> m_folded;
  std::unordered_map<std::string, std::int32_t> m_foldedIds;
};

void SpecialPointSearch::run() {
  for (int row = 1; row < m_grid.rowCount(); ++row) {
    buildRunList(m_grid, row, m_lowerRuns);
    if (row > 1) comparePair(row - 1, row);
    m_upperRuns.swap(m_lowerRuns);
  }
}

std::int32_t SpecialPointSearch::foldedId(PhaseGrid::TextId id) {
  if (id >= m_folded.size()) m_folded.resize(id + 1, -1);
  if (m_folded[id] < 0) {
    const auto next = static_cast<std::int32_t>(m_foldedIds.size());
    m_folded[id] = m_foldedIds.emplace(upperCase(m_grid.text(id)), next).first->second;
  }
  return m_folded[id];
}

// Row A is the row with more runs, the lower one on a tie. The walk passes over an "E" run unless
// the runs on both sides of it have the same text, and ends at an "E" run that is the last run.
void SpecialPointSearch::comparePair(int upperRow, int lowerRow) {
  const bool lowerIsA = m_lowerRuns.size() >= m_upperRuns.size();
  const std::vector<TR>& runs = lowerIsA ? m_lowerRuns : m_upperRuns;
  const int rowA = lowerIsA ? lowerRow : upperRow;
  const int rowB = lowerIsA ? upperRow : lowerRow;
  for (std::size_t s = 0; s < runs.size(); ++s) {
    if (s >= 1 && isTwoPhaseText(runs[s].Text)) {
      if (s + 1 == runs.size()) return;
      if (runs[s + 1].Text != runs[s - 1].Text) continue;
    }
    switch (classify(runs[s], rowA, rowB)) {
      case Outcome::Continues:
        break;
      case Outcome::OtherPoint:
        addOtherPoint(runs[s], lowerRow);
        return;
      case Outcome::NodeCandidate:
        tryNode(runs, s, rowA);
        break;
    }
  }
}

// Row A holds the run's own text in every column of the run; the region continues when row B
// holds the same text (any case) in one of them. Empty cells count as no text.
SpecialPointSearch::Outcome SpecialPointSearch::classify(const TR& run, int rowA, int rowB) {
  if (run.EndCol < run.StartCol) return Outcome::NodeCandidate;
  const PhaseGrid::TextId idA = m_grid.cellId(run.StartCol, rowA);
  const std::int32_t foldA = idA == PhaseGrid::kEmpty ? -1 : foldedId(idA);
  bool otherInB = false;
  for (int col = run.StartCol; col <= run.EndCol; ++col) {
    const PhaseGrid::TextId idB = m_grid.cellId(col, rowB);
    if (idB == PhaseGrid::kEmpty) continue;
    if (foldA >= 0 && (idB == idA || foldedId(idB) == foldA)) return Outcome::Continues;
    otherInB = otherInB || !isTwoPhaseText(m_grid.text(idB));
  }
  return otherInB ? Outcome::OtherPoint : Outcome::NodeCandidate;
}

// Needs two further runs on each side; the node line runs from the last column of the run two to
// the left to the first column of the run two to the right.
void SpecialPointSearch::tryNode(const std::vector<TR>& runs, std::size_t s, int rowA) {
  if (s < 2 || s + 2 >= runs.size()) return;
  const int leftCol = runs[s - 2].EndCol;
  const int rightCol = runs[s + 2].StartCol;
  const int midCol = (runs[s].StartCol + runs[s].EndCol) / 2;
  if (m_grid.cell(0, rowA).empty() || m_grid.cell(leftCol, 0).empty() ||
      m_grid.cell(rightCol, 0).empty() || m_grid.cell(midCol, 0).empty())
    return;
  TNode node;
  node.Y = headerY(rowA);
  node.XLeft = headerX(leftCol);
  node.XRight = headerX(rightCol);
  node.X = headerX(midCol);
  if (node.XLeft > node.X || node.X > node.XRight) return;
  m_nodes.push_back(node);
  m_points.push_back({node.XLeft, node.Y});
  m_points.push_back({node.X, node.Y});
  m_points.push_back({node.XRight, node.Y});
}

// A change at a compound mark keeps the first column's X and the lower row's Y; any other change
// lies between the two levels, and away from the range's ends, halfway across the two-phase
// cells that follow the run's first column in the lower row.
void SpecialPointSearch::addOtherPoint(const TR& run, int lowerRow) {
  double x = headerX(run.StartCol);
  double y = headerY(lowerRow);
  if (run.Text.find('C') == std::string_view::npos) {
    y = (headerY(lowerRow - 1) + headerY(lowerRow)) / 2;
    if (std::fabs(x - 1) > 1e-7 && std::fabs(x) > 1e-7) x = otherPointX(run, lowerRow, x);
  }
  std::string text(1, m_yLetter);
  text += "(X = " + formatGeneral(x) + ") = " + formatGeneral(y) + " ";
  m_others.push_back(std::move(text));
  m_points.push_back({x, y});
}

double SpecialPointSearch::otherPointX(const TR& run, int lowerRow, double x) const {
  const int start = run.StartCol;
  const int lastCol = m_grid.colCount() - 1;
  int h = 1;
  while (start + h != lastCol && start + h <= lastCol &&
         isTwoPhaseText(trimBlanks(m_grid.cell(start + h, lowerRow))))
    ++h;
  return (x + headerX(start + h - 1)) / 2;
}

}  // namespace

void FindSpecialPoints(const PhaseGrid& grid, std::string_view yParameterName,
                       TNodeList& NodeList, std::vector<std::string>& OtherPoints,
                       std::vector<SpecialPoint>& SpecialPoints) {
  NodeList.clear();
  if (yParameterName.empty()) throw ERangeError();
  OtherPoints.clear();
  SpecialPoints.clear();
  SpecialPointSearch(grid, yParameterName.front(), NodeList, OtherPoints, SpecialPoints).run();
}
