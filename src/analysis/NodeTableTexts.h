#pragma once

#include "calc/ResultRecords.h"

#include <string>
#include <string_view>
#include <vector>

// The cells of the special points report's node table, row by row, four columns: the header row
// (" T" for a "Temperature" axis and " P" for any other, then " X(left)", " X", " X(right)"),
// then one row per node with Y, XLeft, X and XRight as " " + "0.###", or one row of empty cells
// when there is no node.
std::vector<std::vector<std::string>> nodeTableCells(const TNodeList& nodes,
                                                     std::string_view yParameterName);
