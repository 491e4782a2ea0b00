#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Marks the vertices of the convex hull of a plane point set, QuickHull style: split by the line
// through the leftmost and rightmost points, then on each side keep taking the point farthest
// from the base line. The caller owns one instance, fills npt, xpt, ypt and ipt (the identity)
// and reads onhull after QuickHull().
//
// The order of the candidates in every set decides which of several equally far points becomes
// a vertex, so sets keep the order of the set they were split from.
class QH_unit {
 public:
  using T_PT = std::vector<std::int32_t>;

  std::int32_t npt = 0;
  std::vector<double> xpt;
  std::vector<double> ypt;
  T_PT ipt;
  T_PT onhull;  // 1 for a marked point, else 0; grown to npt when shorter

  // Throws std::invalid_argument when npt < 2, when xpt, ypt or ipt hold fewer than npt entries,
  // or when ipt holds an index outside 0..npt-1. Allocates only while its scratch grows.
  void QuickHull();

 private:
  // An index set being built: entries 0 and 1 are its base line A->B, then the candidates.
  struct IndexSet {
    std::int32_t* entries;
    std::int32_t count;
    std::int32_t farthest;  // the candidate Farthest picks, -1 without candidate
  };
  struct PendingSet {
    std::size_t offset;
    std::int32_t count;
    std::int32_t farthest;
  };

  void MinMaxX(std::int32_t n, std::int32_t& left, std::int32_t& right) const;
  void SplitLeft(const std::int32_t* pt, std::int32_t count, std::int32_t A, std::int32_t F,
                 std::int32_t B, IndexSet& leftOfAF, IndexSet& leftOfFB) const;
  void HullSide(const PendingSet& set);
  void pushHalves(std::size_t offset, const IndexSet& first, const IndexSet& second);
  void checkInput() const;
  std::int32_t* scratchFor(std::size_t offset, std::size_t count);

  // Every set lives in one stack-like buffer; the set being split is always on top, and its two
  // halves replace it, so the buffer stays linear in npt and the work needs no recursion.
  std::vector<std::int32_t> m_sets;
  std::vector<PendingSet> m_pending;
};
