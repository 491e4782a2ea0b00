#pragma once

#include "calc/PhaseGrid.h"

#include <sstream>
#include <string>
#include <utility>
#include <vector>

// A phase-region grid from a header of X texts and rows of a Y text and blank-separated cells.
inline void fillGrid(PhaseGrid& grid, const std::vector<std::string>& header,
                     const std::vector<std::pair<std::string, std::string>>& rows) {
  grid.clear();
  grid.setColCount(static_cast<int>(header.size()) + 1);
  grid.setRowCount(static_cast<int>(rows.size()) + 1);
  grid.setCell(0, 0, " Y/X");
  for (std::size_t c = 0; c < header.size(); ++c)
    grid.setCell(static_cast<int>(c) + 1, 0, header[c]);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const int row = static_cast<int>(r) + 1;
    grid.setCell(0, row, rows[r].first);
    std::istringstream cells(rows[r].second);
    std::string text;
    for (int col = 1; cells >> text; ++col) grid.setCell(col, row, text);
  }
}
