#include "calc/TQSort.h"

void TQSort::Sort(int Start, int Count) {
  quickSortIndices(
      Start, Count,
      [this](int index1, int index2) {
        int result = 0;
        if (OnCompare) OnCompare(*this, index1, index2, result);
        return result;
      },
      [this](int index1, int index2) {
        if (OnSwap) OnSwap(*this, index1, index2);
      });
}
