#pragma once

#include "calc/PhaseGrid.h"

#include <cstdint>
#include <string_view>
#include <vector>

// One run of a grid row: a maximal stretch of adjacent cells with the same text. An empty
// separator run has EndCol = StartCol - 1. Text views the grid's own text (or a constant "E"),
// so it stays valid while the grid is not written.
struct TR {
  std::int32_t StartCol = 0;
  std::int32_t EndCol = 0;
  std::string_view Text;
};

// True for the two-phase mark; compared exactly, like every text within one row.
inline bool isTwoPhaseText(std::string_view text) { return text == "E"; }

// Rebuilds `runs` with the runs of data row `row`, columns 1 to colCount - 1, in column order.
// Two touching runs whose texts are neither "E" nor contain a capital C get an empty "E" run
// between them, so single-phase regions are always separated by a two-phase run. A grid
// without data columns gives no run.
void buildRunList(const PhaseGrid& grid, int row, std::vector<TR>& runs);
