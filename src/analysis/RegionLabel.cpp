#include "analysis/RegionLabel.h"

#include "calc/PhaseGrid.h"
#include "problem/PhaseText.h"

#include <limits>

namespace {

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

double columnX(const PhaseGrid& grid, int col) { return readNumberOr(grid.cell(col, 0), kNotANumber); }
double rowY(const PhaseGrid& grid, int row) { return readNumberOr(grid.cell(0, row), kNotANumber); }

}  // namespace

std::optional<std::string> regionLabelText(const PhaseGrid& grid, double xm, double ym) {
  const int last = grid.colCount() - 1;
  if (last < 1 || grid.rowCount() < 1) return std::nullopt;
  // The comparisons are written so that an unreadable header text matches nothing.
  if (!(columnX(grid, last) >= xm)) return std::nullopt;
  int p = 1;
  while (p < last && !(columnX(grid, p) >= xm)) ++p;
  int q = 1;
  while (q < grid.rowCount() && !(rowY(grid, q) <= ym)) ++q;

  const std::string& text = grid.cell(p, q);
  if (text != "E") return text;
  int l = p;
  while (l > 1 && grid.cell(l, q) == "E") --l;
  int r = p;
  while (r < last && grid.cell(r, q) == "E") ++r;
  return grid.cell(l, q) + "+" + grid.cell(r, q);
}
