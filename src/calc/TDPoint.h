#pragma once

#include "calc/PhaseGrid.h"

#include <cstdint>
#include <string>
#include <vector>

// One candidate point of a level: a column minimum or a point phase.
struct TDPoint {
  bool IsCompound = false;
  bool Above = false;  // dropped by the chord pre-filter for lying above the chord
  double X = 0;
  double G = 0;
  double Step = 0;  // dX when the point was made
  // The solution phase's name or the point phase's text; it points into the phase lists, so a
  // level copies no text.
  const std::string* Name = nullptr;
  PhaseGrid::TextId NameId = PhaseGrid::kEmpty;  // the same text in the grid's table
  std::int32_t Col = 0;  // 1-based XList column of a column minimum, 0 for a point phase
};

using TaTpoint = std::vector<TDPoint>;

// One composition column: its header text ("0.########") and its X.
struct TXclass {
  std::string text;
  double X = 0;
};

using TXList = std::vector<TXclass>;
