#pragma once

#include "problem/DescriptionSettings.h"

#include <cstdint>

// The state a calculation keeps between Run clicks. Every item starts as 0, empty or false.
struct RunState : DescriptionSettings {
  double Ymin = 0;
  double Ymax = 0;
  double Ycur = 0;  // the level being computed; between clicks the next one
  double dX = 0;
  double dY = 0;
  std::int32_t LevelNo = 0;    // -1 after the preparation, +1 per computed level
  std::int32_t MosaicRow = 0;  // mosaic pixel row of the next level drawn
  std::uint32_t MosaicColor = 0;  // 0x00BBGGRR
  std::int32_t PointHigh = 0;
  std::int32_t HullHigh = 0;
  std::int32_t TieHigh = 0;  // last valid index of TiePoints, -1 when empty
  std::int32_t PairCount = 0;
  double GLeft = 0;
  double GRight = 0;
  double Slope = 0;
  bool PrepareFailed = false;
};
