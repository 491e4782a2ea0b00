#include "calc/ResultRecords.h"

#include "calc/RunMessages.h"

#include <stdexcept>
#include <utility>

// The entry is stored before the counter moves, so a failure leaves both as they were.
void appendTiePoint(TaTZpoint& points, std::int32_t& tieHigh, TZPoint point, std::size_t limit) {
  const auto index = static_cast<std::size_t>(tieHigh + 1);
  if (index >= limit) throw std::length_error(run_messages::kTooManyTiePoints);
  if (index >= points.size()) {
    // Grow by a tenth, and always enough for the new entry.
    std::size_t grown = points.size() + points.size() / 10;
    if (grown > limit) grown = limit;
    points.resize(grown > index ? grown : index + 1);
  }
  points[index] = std::move(point);
  ++tieHigh;
}
