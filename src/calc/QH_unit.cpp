#include "calc/QH_unit.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

// Twice the signed area of the triangle a, b, c: positive when c is left of a->b.
inline double Area2(const double* x, const double* y, std::int32_t a, std::int32_t b,
                    std::int32_t c) {
  return (x[b] - x[a]) * (y[c] - y[a]) - (y[b] - y[a]) * (x[c] - x[a]);
}

// Appends p when d > 0 without a branch on d: p is always written into the spare slot after the
// set and kept only when left. Only a strictly larger d replaces the farthest candidate, so the
// first of equal maxima wins, as in Farthest. The set never grows past `room`.
inline void takeWhenLeft(std::int32_t* entries, std::int32_t& count, std::int32_t room,
                         std::int32_t& farthest, double& dmax, std::int32_t p, double d) {
  entries[count] = p;
  if (d > dmax) {
    dmax = d;
    farthest = p;
  }
  count += static_cast<std::int32_t>(d > 0 && count < room);
}

}  // namespace

// The first of several points with the least (greatest) x wins.
void QH_unit::MinMaxX(std::int32_t n, std::int32_t& left, std::int32_t& right) const {
  left = ipt[0];
  right = ipt[0];
  for (std::int32_t i = 1; i < n; ++i) {
    const double x = xpt[static_cast<std::size_t>(ipt[static_cast<std::size_t>(i)])];
    if (x < xpt[static_cast<std::size_t>(left)]) left = i;
    if (x > xpt[static_cast<std::size_t>(right)]) right = i;
  }
}

// SplitLeft(pt, A, F) and SplitLeft(pt, F, B) in one pass: each keeps the points of pt strictly
// left of its base line, in their order in pt. IsLeft(a, b, p) is Area2(p, a, b) > 0, in that
// argument order, whose rounding the marking follows; Area2(p, a, b) is also the distance that
// Farthest compares, so each set learns its farthest candidate on the way. A set's own two ends
// are not skipped by index: their area is exactly zero (or NaN), never left. Each set needs room
// for count + 1 entries.
void QH_unit::SplitLeft(const std::int32_t* pt, std::int32_t count, std::int32_t A,
                        std::int32_t F, std::int32_t B, IndexSet& leftOfAF,
                        IndexSet& leftOfFB) const {
  std::int32_t* af = leftOfAF.entries;
  std::int32_t* fb = leftOfFB.entries;
  af[0] = A;
  af[1] = F;
  fb[0] = F;
  fb[1] = B;
  std::int32_t afCount = 2;
  std::int32_t fbCount = 2;
  double afMax = 0;
  double fbMax = 0;
  const double* x = xpt.data();
  const double* y = ypt.data();
  for (std::int32_t pos = 0; pos < count; ++pos) {
    const std::int32_t p = pt[pos];
    takeWhenLeft(af, afCount, count, leftOfAF.farthest, afMax, p, Area2(x, y, p, A, F));
    takeWhenLeft(fb, fbCount, count, leftOfFB.farthest, fbMax, p, Area2(x, y, p, F, B));
  }
  leftOfAF.count = afCount;
  leftOfFB.count = fbCount;
}

std::int32_t* QH_unit::scratchFor(std::size_t offset, std::size_t count) {
  const std::size_t needed = offset + count;
  if (m_sets.size() < needed) m_sets.resize(std::max(needed, 2 * m_sets.size()));
  return m_sets.data() + offset;
}

// Moves the two halves down to `offset`, the first below the second so that the second is split
// first, and queues those that still have more than one candidate. A half with a single
// candidate marks it: that candidate is strictly left of its base line and a vertex.
void QH_unit::pushHalves(std::size_t offset, const IndexSet& first, const IndexSet& second) {
  std::int32_t* base = m_sets.data() + offset;
  // The halves lie above `base`; the second may start where it is to go.
  std::memmove(base, first.entries, sizeof(std::int32_t) * static_cast<std::size_t>(first.count));
  std::memmove(base + first.count, second.entries,
               sizeof(std::int32_t) * static_cast<std::size_t>(second.count));
  const IndexSet* halves[2] = {&first, &second};
  std::size_t at = offset;
  for (const IndexSet* half : halves) {
    if (half->count == 3) onhull[static_cast<std::size_t>(half->farthest)] = 1;
    if (half->count > 3) m_pending.push_back({at, half->count, half->farthest});
    at += static_cast<std::size_t>(half->count);
  }
}

// One step on a set lying on top of the buffer: mark its farthest point F, then replace the set
// by its halves A->F and F->B.
void QH_unit::HullSide(const PendingSet& set) {
  const auto count = static_cast<std::size_t>(set.count);
  const std::int32_t F = set.farthest;
  onhull[static_cast<std::size_t>(F)] = 1;
  std::int32_t* scratch = scratchFor(set.offset + count, 2 * count + 2);
  const std::int32_t* current = m_sets.data() + set.offset;
  IndexSet towardsA{scratch + count + 1, 0, -1};
  IndexSet towardsB{scratch, 0, -1};
  SplitLeft(current, set.count, current[0], F, current[1], towardsA, towardsB);
  pushHalves(set.offset, towardsB, towardsA);
}

void QH_unit::checkInput() const {
  if (npt < 2) throw std::invalid_argument("QuickHull needs at least two points");
  const auto n = static_cast<std::size_t>(npt);
  if (xpt.size() < n || ypt.size() < n || ipt.size() < n)
    throw std::invalid_argument("QuickHull: a point array is shorter than npt");
  for (std::size_t i = 0; i < n; ++i)
    if (ipt[i] < 0 || ipt[i] >= npt)
      throw std::invalid_argument("QuickHull: ipt holds an index outside the points");
}

void QH_unit::QuickHull() {
  checkInput();
  const std::int32_t n = npt;
  const auto size = static_cast<std::size_t>(n);
  if (onhull.size() < size) onhull.resize(size);
  std::fill_n(onhull.begin(), n, 0);
  std::int32_t left = 0;
  std::int32_t right = 0;
  MinMaxX(n, left, right);
  onhull[static_cast<std::size_t>(left)] = 1;
  onhull[static_cast<std::size_t>(right)] = 1;

  // Upper side: left of L->R; lower side: left of R->L. The lower one goes below the upper one
  // in the buffer, so that the upper side is split first.
  m_pending.clear();
  std::int32_t* scratch = scratchFor(size, 2 * size + 2);
  IndexSet upper{scratch, 0, -1};
  IndexSet lower{scratch + size + 1, 0, -1};
  SplitLeft(ipt.data(), n, left, right, left, upper, lower);
  pushHalves(0, lower, upper);
  while (!m_pending.empty()) {
    const PendingSet set = m_pending.back();
    m_pending.pop_back();
    HullSide(set);
  }
}
