#include "calc/ResultRecords.h"

#include <utility>

void appendTiePoint(TaTZpoint& points, std::int32_t& tieHigh, TZPoint point) {
  ++tieHigh;
  const auto index = static_cast<std::size_t>(tieHigh);
  if (index >= points.size()) {
    // Grow by a tenth, and always enough for the new entry.
    std::size_t grown = points.size() + points.size() / 10;
    points.resize(grown > index ? grown : index + 1);
  }
  points[index] = std::move(point);
}
