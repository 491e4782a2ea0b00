#pragma once

#include "calc/PhaseGrid.h"
#include "calc/ResultRecords.h"

#include <string>
#include <string_view>
#include <vector>

// One point of the diagram's "Special points" series.
struct SpecialPoint {
  double X = 0;
  double Y = 0;
};

// Compares every pair of adjacent level rows of the phase-region grid and rebuilds the three
// lists from scratch: the nodes (a single-phase region that vanishes into two-phase cells between
// two further regions), the texts of the other changes of the region pattern, and every point
// found, in the order found. X and Y come from the header texts, read with strToFloat.
//
// Failures: an empty yParameterName throws ERangeError right after NodeList was emptied (the
// other two lists keep their contents); a header text that is not a number throws EConvertError,
// and what was found before it stays in the lists.
void FindSpecialPoints(const PhaseGrid& grid, std::string_view yParameterName,
                       TNodeList& NodeList, std::vector<std::string>& OtherPoints,
                       std::vector<SpecialPoint>& SpecialPoints);
