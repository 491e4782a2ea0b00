#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One end of a tie line.
struct TZPoint {
  double X = 0;
  double Y = 0;           // level at which the tie line was found
  std::int32_t Col = 0;   // 1-based grid column, 0 for a compound end
  std::string Name;       // solution phase name or the compound's X text
};

// Entries 0..TieHigh are valid; the array may be longer.
using TaTZpoint = std::vector<TZPoint>;

// One node of the phase diagram. Invariant: XLeft <= X <= XRight.
struct TNode {
  double Y = 0;
  double X = 0;       // composition of the vanishing region
  double XLeft = 0;   // ends of the horizontal node line
  double XRight = 0;
};

using TNodeList = std::vector<TNode>;

// More tie-line ends than this would take gigabytes; only a rapidly wavering energy on a large
// grid comes near it.
inline constexpr std::size_t kMaxTiePoints = 10'000'000;

// The run's tie-line end points: TieHigh counts the valid entries the way the counters do.
// Throws std::length_error with the run's message when the limit is reached.
void appendTiePoint(TaTZpoint& points, std::int32_t& tieHigh, TZPoint point,
                    std::size_t limit = kMaxTiePoints);
