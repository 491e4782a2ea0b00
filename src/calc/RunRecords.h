#pragma once

#include "calc/ResultRecords.h"
#include "calc/TDPoint.h"

#include <span>

class MosaicImage;
class PhaseGrid;
struct RunState;

// What a run leaves for its readers, read-only: the state it ended in (captions, ranges,
// counters), the phase-region grid, the valid tie-line ends (entries 0 to TieHigh), the
// composition grid and the mosaic picture.
struct RunRecords {
  const RunState& state;
  const PhaseGrid& grid;
  std::span<const TZPoint> tiePoints;
  const TXList& xList;
  const MosaicImage& mosaic;
};
