#include "calc/TQSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// A sorter wired to an int array, recording every swap and every index given to the events.
struct SortedArray {
  std::vector<int> items;
  std::vector<std::pair<int, int>> swaps;
  int lowestIndex = 1 << 30;
  int highestIndex = -1;
  TQSort sorter;

  explicit SortedArray(std::vector<int> values) : items(std::move(values)) {
    sorter.OnCompare = [this](TQSort& sender, int i, int j, int& result) {
      EXPECT_EQ(&sender, &sorter);
      note(i, j);
      result = items[static_cast<std::size_t>(i)] < items[static_cast<std::size_t>(j)]   ? -1
               : items[static_cast<std::size_t>(i)] == items[static_cast<std::size_t>(j)] ? 0
                                                                                          : 1;
    };
    sorter.OnSwap = [this](TQSort&, int i, int j) {
      note(i, j);
      swaps.emplace_back(i, j);
      std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
    };
  }
  void note(int i, int j) {
    lowestIndex = std::min({lowestIndex, i, j});
    highestIndex = std::max({highestIndex, i, j});
  }
};

struct HullPoint {
  double X;
  double G;
  std::string Name;
};

}  // namespace

TEST(TQSortTest, FollowsThePivotByIndex) {
  // Worked by hand: the pivot 4 moves to index 3 after the second swap and is followed there,
  // which yields the self-swap (3, 3) in the right part.
  SortedArray array({5, 1, 4, 2, 3});
  array.sorter.Sort(0, 5);
  EXPECT_EQ(array.items, (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(array.swaps,
            (std::vector<std::pair<int, int>>{{0, 4}, {2, 3}, {3, 3}, {0, 1}, {1, 2}}));

  SortedArray shifted({9, 3, 1, 2, 9});
  shifted.sorter.Sort(1, 3);
  EXPECT_EQ(shifted.items, (std::vector<int>{9, 1, 2, 3, 9}));
  EXPECT_EQ(shifted.swaps, (std::vector<std::pair<int, int>>{{1, 2}, {2, 3}}));
}

TEST(TQSortTest, SortsRandomRangesThroughTheEventsOnly) {
  std::mt19937 random(4242);
  for (int round = 0; round < 2000; ++round) {
    const int size = static_cast<int>(random() % 120);
    const int keys = 1 + static_cast<int>(random() % (round % 3 == 0 ? 3 : 1000));
    std::vector<int> values(static_cast<std::size_t>(size));
    for (int& v : values) v = static_cast<int>(random() % static_cast<unsigned>(keys));
    const int start = size == 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(size));
    const int count = static_cast<int>(random() % static_cast<unsigned>(size - start + 1));
    SortedArray array(values);
    array.sorter.Sort(start, count);
    std::vector<int> expected = values;
    std::sort(expected.begin() + start, expected.begin() + start + count);
    ASSERT_EQ(array.items, expected) << "round " << round;
    if (count <= 1) {
      ASSERT_EQ(array.highestIndex, -1);
    } else {
      ASSERT_GE(array.lowestIndex, start);
      ASSERT_LE(array.highestIndex, start + count - 1);
    }
  }
}

TEST(TQSortTest, InconsistentOrdersStayInsideTheRange) {
  std::mt19937 random(99);
  for (int verdict : {-1, 1, 0, 2}) {
    SortedArray array(std::vector<int>(50, 0));
    array.sorter.OnCompare = [&](TQSort&, int i, int j, int& result) {
      array.note(i, j);
      result = verdict == 2 ? static_cast<int>(random() % 3) - 1 : verdict;
    };
    array.sorter.Sort(10, 30);
    EXPECT_GE(array.lowestIndex, 10);
    EXPECT_LE(array.highestIndex, 39);
  }
}

TEST(TQSortTest, WithoutHandlersNothingHappens) {
  TQSort sorter;
  sorter.Sort(0, 10);
  SortedArray array({3, 2, 1});
  array.sorter.OnSwap = nullptr;
  array.sorter.Sort(0, 3);
  EXPECT_EQ(array.items, (std::vector<int>{3, 2, 1}));
}

TEST(TQSortTest, HullPointsGoByLargerXThenLowerG) {
  std::vector<HullPoint> points{{0.2, -1, "a"}, {0.5, 3, "b"}, {0.5, -2, "c"},
                                {0.9, 0, "d"},  {0.2, -1, "e"}, {0.5, 1, "f"}};
  sortHullPoints(points.data(), static_cast<int>(points.size()));
  std::string order;
  for (const HullPoint& p : points) order += p.Name;
  EXPECT_TRUE(order == "dcfbae" || order == "dcfbea") << order;
}
