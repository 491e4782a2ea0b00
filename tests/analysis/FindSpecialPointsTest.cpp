#include "analysis/FindSpecialPoints.h"

#include "base/Errors.h"
#include "base/NumberText.h"
#include "support/ExpectThrowMsg.h"
#include "support/GridText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Nine columns at X = 0, 0.125, ... 1; each row is its Y text and its cells separated by blanks.
PhaseGrid makeGrid(const std::vector<std::pair<std::string, std::string>>& rows,
                   std::vector<std::string> header = {"0", "0.125", "0.25", "0.375", "0.5",
                                                      "0.625", "0.75", "0.875", "1"}) {
  PhaseGrid grid;
  fillGrid(grid, header, rows);
  return grid;
}

struct Found {
  TNodeList nodes;
  std::vector<std::string> others;
  std::vector<SpecialPoint> points;
};

Found search(const PhaseGrid& grid, const std::string& yName = "Temperature") {
  Found found;
  FindSpecialPoints(grid, yName, found.nodes, found.others, found.points);
  return found;
}

void expectNode(const TNode& node, double y, double xLeft, double x, double xRight) {
  EXPECT_EQ(node.Y, y);
  EXPECT_EQ(node.XLeft, xLeft);
  EXPECT_EQ(node.X, x);
  EXPECT_EQ(node.XRight, xRight);
}

}  // namespace

TEST(FindSpecialPointsTest, FindsNodesWhereARegionVanishes) {
  // Eutectic-like: L between alpha and beta above, only two-phase cells below.
  Found eutectic = search(makeGrid({{"900", "a a E L L L E b b"}, {"800", "a a E E E E E b b"}}));
  ASSERT_EQ(eutectic.nodes.size(), 1u);
  expectNode(eutectic.nodes[0], 900, 0.125, 0.5, 0.875);
  ASSERT_EQ(eutectic.points.size(), 3u);
  EXPECT_EQ(eutectic.points[0].X, 0.125);
  EXPECT_EQ(eutectic.points[1].X, 0.5);
  EXPECT_EQ(eutectic.points[2].X, 0.875);
  EXPECT_EQ(eutectic.points[2].Y, 900);
  EXPECT_TRUE(eutectic.others.empty());

  // The region appears in the lower row, which has more runs and so is walked: its own Y.
  Found peritectoid = search(makeGrid({{"900", "a a E E E E E b b"}, {"800", "a a E L L L E b b"}}));
  ASSERT_EQ(peritectoid.nodes.size(), 1u);
  expectNode(peritectoid.nodes[0], 800, 0.125, 0.5, 0.875);

  // a touches L: the separator between them makes the node line end at a's last column.
  Found touching = search(makeGrid({{"900", "a a a L L E b b b"}, {"800", "a a a E E E b b b"}}));
  ASSERT_EQ(touching.nodes.size(), 1u);
  expectNode(touching.nodes[0], 900, 0.25, 0.375, 0.75);
}

TEST(FindSpecialPointsTest, NeedsTwoRunsOnEachSideAndOrderedColumns) {
  const char* lonely[][2] = {
      {"L L E b b b b b b", "E E E b b b b b b"},
      {"a a a a a a E L L", "a a a a a a E E E"},
      {"a a a b b b b b b", "a a a E E E E E E"},
      // An "E" run at the end ends the walk.
      {"a a a a a E E E E", "a a a a a a a a a"},
  };
  for (const auto& rows : lonely) {
    Found found = search(makeGrid({{"900", rows[0]}, {"800", rows[1]}}));
    EXPECT_TRUE(found.nodes.empty()) << rows[0];
    EXPECT_TRUE(found.points.empty()) << rows[0];
  }
  Found unordered = search(makeGrid({{"900", "a a E L L L E b b"}, {"800", "a a E E E E E b b"}},
                                    {"0", "0.9", "0.25", "0.375", "0.5", "0.625", "0.75", "0.875", "1"}));
  EXPECT_TRUE(unordered.nodes.empty());
  EXPECT_TRUE(unordered.points.empty());
}

TEST(FindSpecialPointsTest, DescribesOtherChangesOfThePattern) {
  const struct {
    const char* upper;
    const char* lower;
    const char* yName;
    std::string text;
    double x, y;
  } cases[] = {
      // A gap opens below: halfway between the levels, across the gap's two-phase cells.
      {"L L L L L L L L L", "L L L E E E L L L", "Temperature", "T(X = 0.5) = 850 ", 0.5, 850},
      // The gap is above: nothing two-phase follows in the lower row.
      {"L L L E E E L L L", "L L L L L L L L L", "Pressure", "P(X = 0.375) = 850 ", 0.375, 850},
      // Everything right of the change is two-phase: the search stops at the last column.
      {"a a a b b b b b b", "a a a d E E E E E", "Y", "Y(X = 0.625) = 850 ", 0.625, 850},
      // The first run is visited even when it is two-phase.
      {"a a a a a a a a a", "E E E a a a b b b", "Temperature", "T(X = 0) = 850 ", 0, 850},
      // At the ends of the range X is kept.
      {"a a a a a a a a a", "b b a a a a a a a", "Temperature", "T(X = 0) = 850 ", 0, 850},
      {"a a a a a a a a a", "a a a a a a a a b", "Temperature", "T(X = 1) = 850 ", 1, 850},
      // A compound mark, or a phase whose name has a capital C, keeps its column and the lower Y.
      {"a a E E L E E b b", "a a E E C0.5 E E b b", "Temperature", "T(X = 0.5) = 800 ", 0.5, 800},
      {"a a E E L E E b b", "a a E E Cu E E b b", "Temperature", "T(X = 0.5) = 800 ", 0.5, 800},
  };
  for (const auto& c : cases) {
    Found found = search(makeGrid({{"900", c.upper}, {"800", c.lower}}), c.yName);
    EXPECT_TRUE(found.nodes.empty()) << c.lower;
    ASSERT_EQ(found.others, std::vector<std::string>{c.text}) << c.lower;
    ASSERT_EQ(found.points.size(), 1u);
    EXPECT_EQ(found.points[0].X, c.x) << c.lower;
    EXPECT_EQ(found.points[0].Y, c.y) << c.lower;
  }
}

TEST(FindSpecialPointsTest, ComparesRowsWithoutRegardToCase) {
  Found found = search(makeGrid({{"900", "L L L L L L l l l"}, {"800", "l l l L L L L L L"}}));
  EXPECT_TRUE(found.nodes.empty());
  EXPECT_TRUE(found.others.empty());
}

TEST(FindSpecialPointsTest, AnOtherPointEndsTheWalkOfItsPair) {
  // The node left of b is kept; d over y, right of b over x, is never reached.
  Found found = search(makeGrid({{"900", "a a E L E b b E d"},
                                 {"800", "a a E E E x x E y"},
                                 {"700", "a a E E E x x E y"}}));
  ASSERT_EQ(found.nodes.size(), 1u);
  expectNode(found.nodes[0], 900, 0.125, 0.375, 0.625);
  EXPECT_EQ(found.others, std::vector<std::string>{"T(X = 0.625) = 850 "});
  EXPECT_EQ(found.points.size(), 4u);
}

TEST(FindSpecialPointsTest, SingleRowFindsNothing) {
  Found found = search(makeGrid({{"900", "a a E L L L E b b"}}));
  EXPECT_TRUE(found.nodes.empty());
  EXPECT_TRUE(found.others.empty());
  EXPECT_TRUE(found.points.empty());
}

TEST(FindSpecialPointsTest, WritesNumbersWithTheDecimalSeparator) {
  setDecimalSeparator(',');
  Found found;
  try {
    found = search(makeGrid({{"900,5", "L L L E E E L L L"}, {"800", "L L L L L L L L L"}},
                            {"0", "0,125", "0,25", "0,375", "0,5", "0,625", "0,75", "0,875", "1"}));
  } catch (...) {
    setDecimalSeparator('.');
    throw;
  }
  setDecimalSeparator('.');
  EXPECT_EQ(found.others, std::vector<std::string>{"T(X = 0,375) = 850,25 "});
}

TEST(FindSpecialPointsTest, StopsAtAHeaderThatIsNoNumberKeepingWhatWasFound) {
  const PhaseGrid grid = makeGrid({{"900", "a a E L L L E b b"},
                                   {"800", "a a E E E E E b b"},
                                   {"7x0", "a a E E E E E c c"}});
  Found found;
  EXPECT_THROW_MSG(FindSpecialPoints(grid, "Temperature", found.nodes, found.others, found.points),
                   EConvertError, "'7x0' is not a valid floating point value");
  EXPECT_EQ(found.nodes.size(), 1u);
  EXPECT_EQ(found.points.size(), 3u);
  EXPECT_TRUE(found.others.empty());
}

TEST(FindSpecialPointsTest, EmptyParameterNameFailsAfterEmptyingTheNodes) {
  const PhaseGrid grid = makeGrid({{"900", "a a E L L L E b b"}, {"800", "a a E E E E E b b"}});
  Found found;
  found.nodes.push_back(TNode{});
  found.others.push_back("old");
  found.points.push_back({1, 2});
  EXPECT_THROW_MSG(FindSpecialPoints(grid, "", found.nodes, found.others, found.points),
                   ERangeError, "Range check error");
  EXPECT_TRUE(found.nodes.empty());
  EXPECT_EQ(found.others.size(), 1u);
  EXPECT_EQ(found.points.size(), 1u);
}

TEST(FindSpecialPointsTest, AnyGridGivesConsistentResults) {
  const char* texts[] = {"a", "A", "E", "E", "L", "Cab", ""};
  std::mt19937 random(2024);
  for (int round = 0; round < 500; ++round) {
    const int cols = static_cast<int>(random() % 12);
    const int rows = static_cast<int>(random() % 8);
    PhaseGrid grid;
    grid.setColCount(cols + 1);
    grid.setRowCount(rows + 1);
    for (int c = 1; c <= cols; ++c) grid.setCell(c, 0, formatGeneral(c / 16.0));
    for (int r = 1; r <= rows; ++r) {
      grid.setCell(0, r, formatGeneral(1000.0 - r));
      for (int c = 1; c <= cols; ++c) grid.setCell(c, r, texts[random() % 7]);
    }
    Found found = search(grid);
    ASSERT_EQ(found.points.size(), 3 * found.nodes.size() + found.others.size());
    ASSERT_LE(found.others.size(), static_cast<std::size_t>(std::max(rows - 1, 0)));
    for (const TNode& node : found.nodes) {
      ASSERT_LE(node.XLeft, node.X);
      ASSERT_LE(node.X, node.XRight);
    }
  }
}
