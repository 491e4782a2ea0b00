#include "analysis/RunList.h"

namespace {

constexpr std::string_view kTwoPhase = "E";

bool needsSeparator(std::string_view closing, std::string_view opening) {
  return !isTwoPhaseText(closing) && !isTwoPhaseText(opening) &&
         closing.find('C') == std::string_view::npos &&
         opening.find('C') == std::string_view::npos;
}

}  // namespace

void buildRunList(const PhaseGrid& grid, int row, std::vector<TR>& runs) {
  runs.clear();
  const int lastCol = grid.colCount() - 1;
  if (lastCol < 1) return;
  // Equal ids mean equal texts, so the walk compares ids and reads texts only where a run ends.
  PhaseGrid::TextId openId = grid.cellId(1, row);
  int start = 1;
  for (int col = 2; col <= lastCol; ++col) {
    const PhaseGrid::TextId id = grid.cellId(col, row);
    if (id == openId) continue;
    const std::string_view closing = grid.text(openId);
    const std::string_view opening = grid.text(id);
    runs.push_back({start, col - 1, closing});
    if (needsSeparator(closing, opening)) runs.push_back({col, col - 1, kTwoPhase});
    openId = id;
    start = col;
  }
  runs.push_back({start, lastCol, grid.text(openId)});
}
