#include "calc/QH_unit.h"

#include <algorithm>
#include <stdexcept>

double QH_unit::Area2(std::int32_t a, std::int32_t b, std::int32_t c) const {
  const double* x = xpt.data();
  const double* y = ypt.data();
  return (x[b] - x[a]) * (y[c] - y[a]) - (y[b] - y[a]) * (x[c] - x[a]);
}

// Strictly left of a->b, computed as Area2(c, a, b) and not as Area2(a, b, c): the rounding of
// the two differs for nearly collinear points, and the marking follows this one.
bool QH_unit::IsLeft(std::int32_t a, std::int32_t b, std::int32_t c) const {
  return Area2(c, a, b) > 0;
}

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

// left[0] = A, left[1] = B, then the points of pt strictly left of A->B in their order in pt.
// left has room for count entries; A and B are members of every pt given here, so the guard
// never skips a point.
std::int32_t QH_unit::SplitLeft(const std::int32_t* pt, std::int32_t count, std::int32_t A,
                                std::int32_t B, std::int32_t* left) const {
  left[0] = A;
  left[1] = B;
  std::int32_t leftcnt = 2;
  for (std::int32_t pos = 0; pos < count; ++pos) {
    const std::int32_t p = pt[pos];
    if (p == A || p == B || !IsLeft(A, B, p)) continue;
    if (leftcnt < count) left[leftcnt++] = p;
  }
  return leftcnt;
}

// Only a strictly larger area replaces the best, so the first of equal maxima wins.
std::int32_t QH_unit::Farthest(const std::int32_t* set, std::int32_t count) const {
  const std::int32_t A = set[0];
  const std::int32_t B = set[1];
  std::int32_t best = 2;
  double dmax = Area2(set[2], A, B);
  for (std::int32_t pos = 3; pos < count; ++pos) {
    const double d = Area2(set[pos], A, B);
    if (d > dmax) {
      dmax = d;
      best = pos;
    }
  }
  return set[best];
}

std::int32_t* QH_unit::scratchFor(std::size_t offset, std::int32_t count) {
  const std::size_t needed = offset + static_cast<std::size_t>(count);
  if (m_sets.size() < needed) m_sets.resize(std::max(needed, 2 * m_sets.size()));
  return m_sets.data() + offset;
}

// One step on a set lying on top of the buffer: mark the farthest point F, then replace the set
// by its halves A->F and F->B (F->B below, so A->F is split first).
void QH_unit::HullSide(PendingSet set) {
  if (set.count < 3) return;
  const std::int32_t* current = m_sets.data() + set.offset;
  if (set.count == 3) {
    onhull[static_cast<std::size_t>(current[2])] = 1;
    return;
  }
  const std::int32_t F = Farthest(current, set.count);
  onhull[static_cast<std::size_t>(F)] = 1;
  const std::size_t top = set.offset + static_cast<std::size_t>(set.count);
  std::int32_t* halves = scratchFor(top, 2 * set.count);
  current = m_sets.data() + set.offset;
  const std::int32_t A = current[0];
  const std::int32_t B = current[1];
  const std::int32_t rightCount = SplitLeft(current, set.count, F, B, halves);
  const std::int32_t leftCount = SplitLeft(current, set.count, A, F, halves + rightCount);
  std::copy(halves, halves + rightCount + leftCount, m_sets.data() + set.offset);
  m_pending.push_back({set.offset, rightCount});
  m_pending.push_back({set.offset + static_cast<std::size_t>(rightCount), leftCount});
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
  if (onhull.size() < static_cast<std::size_t>(n)) onhull.resize(static_cast<std::size_t>(n));
  std::fill_n(onhull.begin(), n, 0);
  std::int32_t left = 0;
  std::int32_t right = 0;
  MinMaxX(n, left, right);
  onhull[static_cast<std::size_t>(left)] = 1;
  onhull[static_cast<std::size_t>(right)] = 1;

  // The lower side below the upper one in the buffer, so that the upper side is split first.
  std::int32_t* sides = scratchFor(0, 2 * n);
  const std::int32_t lowerCount = SplitLeft(ipt.data(), n, right, left, sides);
  const std::int32_t upperCount = SplitLeft(ipt.data(), n, left, right, sides + lowerCount);
  m_pending.clear();
  m_pending.push_back({0, lowerCount});
  m_pending.push_back({static_cast<std::size_t>(lowerCount), upperCount});
  while (!m_pending.empty()) {
    const PendingSet set = m_pending.back();
    m_pending.pop_back();
    HullSide(set);
  }
}
