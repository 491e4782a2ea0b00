#pragma once

#include <functional>
#include <utility>

namespace qsortdetail {

// Quicksort over indices L..R, the pivot followed by index rather than copied, the smaller part
// recursed so that the depth stays logarithmic. The scans also stop at the range's ends: with a
// consistent order they never get there, and an inconsistent one (NaN keys) then still ends
// inside the range instead of reading past it.
template <class Compare, class Swap>
void quickSort(int L, int R, Compare& compare, Swap& swap) {
  do {
    int i = L;
    int j = R;
    int p = (L + R) / 2;
    do {
      while (compare(i, p) < 0 && i < R) ++i;
      while (compare(p, j) < 0 && j > L) --j;
      if (i <= j) {
        swap(i, j);
        if (p == i)
          p = j;
        else if (p == j)
          p = i;
        ++i;
        --j;
      }
    } while (i <= j);
    if (j - L > R - i) {
      if (i < R) quickSort(i, R, compare, swap);
      R = j;
    } else {
      if (L < j) quickSort(L, j, compare, swap);
      L = i;
    }
  } while (L < R);
}

}  // namespace qsortdetail

// Sorts items start..start+count-1 of a sequence seen only through compare(i, j) (< 0 when
// item i comes first) and swap(i, j).
template <class Compare, class Swap>
void quickSortIndices(int start, int count, Compare&& compare, Swap&& swap) {
  if (count <= 1) return;
  auto shiftedCompare = [&](int a, int b) { return compare(a + start, b + start); };
  auto shiftedSwap = [&](int a, int b) { swap(a + start, b + start); };
  qsortdetail::quickSort(0, count - 1, shiftedCompare, shiftedSwap);
}

// The sort component: it sorts what its two events manage. Without OnCompare every comparison
// gives 0; without OnSwap nothing is exchanged.
class TQSort {
 public:
  using TCompareEvent = std::function<void(TQSort& Sender, int Index1, int Index2, int& Result)>;
  using TSwapEvent = std::function<void(TQSort& Sender, int Index1, int Index2)>;

  TCompareEvent OnCompare;
  TSwapEvent OnSwap;

  void Sort(int Start, int Count);
};

// The hull points' order: larger X first, and for equal X the lower G first.
template <class Point>
int QSort1Compare(const Point& a, const Point& b) {
  if (a.X != b.X) return a.X > b.X ? -1 : 1;
  if (a.G == b.G) return 0;
  return a.G > b.G ? 1 : -1;
}

// Sorts points[0..count-1] by QSort1Compare, exchanging whole records as the events would.
template <class Point>
void sortHullPoints(Point* points, int count) {
  quickSortIndices(
      0, count, [points](int i, int j) { return QSort1Compare(points[i], points[j]); },
      [points](int i, int j) {
        using std::swap;
        swap(points[i], points[j]);
      });
}
