#include "calc/QH_unit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using Point = std::pair<double, double>;

std::vector<int> markedBy(QH_unit& hull, const std::vector<Point>& points) {
  hull.npt = static_cast<std::int32_t>(points.size());
  hull.xpt.assign(points.size(), 0);
  hull.ypt.assign(points.size(), 0);
  hull.ipt.assign(points.size(), 0);
  for (std::size_t i = 0; i < points.size(); ++i) {
    hull.xpt[i] = points[i].first;
    hull.ypt[i] = points[i].second;
    hull.ipt[i] = static_cast<std::int32_t>(i);
  }
  hull.QuickHull();
  std::vector<int> marked;
  for (std::size_t i = 0; i < points.size(); ++i)
    if (hull.onhull[i] == 1) marked.push_back(static_cast<int>(i));
  return marked;
}

std::vector<int> markedBy(const std::vector<Point>& points) {
  QH_unit hull;
  return markedBy(hull, points);
}

double cross(const Point& o, const Point& a, const Point& b) {
  return (a.first - o.first) * (b.second - o.second) - (a.second - o.second) * (b.first - o.first);
}

// Strict hull vertices (no point on an edge, each position once), counter-clockwise: the
// monotone chain, independent of the splitting under test.
std::vector<Point> strictVertices(std::vector<Point> points) {
  std::sort(points.begin(), points.end());
  points.erase(std::unique(points.begin(), points.end()), points.end());
  if (points.size() < 3) return points;
  std::vector<Point> hull(2 * points.size());
  std::size_t k = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    while (k >= 2 && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
    hull[k++] = points[i];
  }
  for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
    while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
    hull[k++] = points[i];
  }
  hull.resize(k - 1);
  return hull;
}

bool onSegment(const Point& a, const Point& b, const Point& p) {
  return cross(a, b, p) == 0 && std::min(a.first, b.first) <= p.first &&
         p.first <= std::max(a.first, b.first) && std::min(a.second, b.second) <= p.second &&
         p.second <= std::max(a.second, b.second);
}

bool onBoundary(const std::vector<Point>& vertices, const Point& p) {
  for (std::size_t i = 0; i < vertices.size(); ++i)
    if (onSegment(vertices[i], vertices[(i + 1) % vertices.size()], p)) return true;
  return false;
}

int firstIndexOf(const std::vector<Point>& points, const Point& p) {
  return static_cast<int>(std::find(points.begin(), points.end(), p) - points.begin());
}

// The first point of least x and the first of greatest x, as the unit chooses them.
std::pair<int, int> extremeIndices(const std::vector<Point>& points) {
  int left = 0;
  int right = 0;
  for (int i = 1; i < static_cast<int>(points.size()); ++i) {
    if (points[i].first < points[left].first) left = i;
    if (points[i].first > points[right].first) right = i;
  }
  return {left, right};
}

}  // namespace

TEST(QH_unitTest, MarksTheVerticesOfSmallSets) {
  const struct {
    std::vector<Point> points;
    std::vector<int> marked;
  } cases[] = {
      {{{0, 0}, {1, 0}}, {0, 1}},
      {{{0, 0}, {0, 0}}, {0}},
      {{{0, 0}, {1, 2}, {2, 0}}, {0, 1, 2}},
      {{{2, 0}, {0, 0}, {1, 2}}, {0, 1, 2}},
      {{{1, -2}, {2, 0}, {0, 0}}, {0, 1, 2}},
      {{{1, 1}, {0, 0}, {3, 3}, {2, 2}}, {1, 2}},
      {{{0, 2}, {0, 0}, {0, 1}}, {0}},
      {{{0, 0}, {0.5, -1}, {1, 0}, {0.5, 1}}, {0, 1, 2, 3}},
      {{{0, 0}, {0.25, -1}, {0.5, -1.5}, {0.75, -1}, {1, 0}}, {0, 1, 2, 3, 4}},
      {{{0, 0}, {0.25, -1}, {0.5, -1}, {0.75, -1}, {1, 0}}, {0, 1, 3, 4}},
      {{{0, 0}, {0, -1}, {1, 0}}, {0, 1, 2}},
      {{{0, 0}, {0, -1}, {0, 1}, {1, 0}}, {0, 1, 2, 3}},
      {{{1, 0}, {0, 0}, {1, 0}, {0, 0}, {0.5, -1}, {0.5, -1}}, {0, 1, 4}},
  };
  for (const auto& c : cases) EXPECT_EQ(markedBy(c.points), c.marked);
}

TEST(QH_unitTest, FirstOfEquallyFarPointsIsMarkedEvenInsideAnEdge) {
  // The edge from (1, -2) to (3, -2) is parallel to the first base line; (2, -2), listed first,
  // is taken as the farthest point although it lies on that edge.
  EXPECT_EQ(markedBy({{0, 0}, {4, 0}, {2, -2}, {1, -2}, {3, -2}}),
            (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(markedBy({{0, 0}, {4, 0}, {1, -2}, {2, -2}, {3, -2}}),
            (std::vector<int>{0, 1, 2, 4}));
}

TEST(QH_unitTest, RejectsUnusableInput) {
  QH_unit hull;
  hull.npt = 1;
  hull.xpt = {0};
  hull.ypt = {0};
  hull.ipt = {0};
  EXPECT_THROW(hull.QuickHull(), std::invalid_argument);
  hull.npt = 2;
  EXPECT_THROW(hull.QuickHull(), std::invalid_argument);
  hull.xpt = {0, 1};
  hull.ypt = {0, 1};
  hull.ipt = {0, 2};
  EXPECT_THROW(hull.QuickHull(), std::invalid_argument);
}

TEST(QH_unitTest, ReuseClearsThePreviousMarks) {
  QH_unit hull;
  markedBy(hull, {{0, 0}, {1, -1}, {2, -1}, {3, 0}});
  EXPECT_EQ(markedBy(hull, {{0, 0}, {1, 1}, {2, 2}}), (std::vector<int>{0, 2}));
}

namespace {

// What the unit marks, against the monotone chain: the first point at each strict vertex and the
// two end points; other marks only on an edge (the first of equally far points, above), never two
// at one position, and none at all when the points come in ascending x as the run gives them.
void checkAgainstBruteForce(QH_unit& hull, const std::vector<Point>& points, bool ascendingX) {
  const auto [left, right] = extremeIndices(points);
  const std::vector<int> marked = markedBy(hull, points);
  if (left == right) {
    // All on one vertical line: both base lines are the single point L, nothing is left of it.
    ASSERT_EQ(marked, std::vector<int>{0});
    return;
  }
  const std::vector<Point> vertices = strictVertices(points);
  std::vector<int> required{left, right};
  for (const Point& v : vertices) required.push_back(firstIndexOf(points, v));
  std::sort(required.begin(), required.end());
  required.erase(std::unique(required.begin(), required.end()), required.end());
  if (ascendingX) {
    ASSERT_EQ(marked, required);
    return;
  }
  ASSERT_TRUE(std::includes(marked.begin(), marked.end(), required.begin(), required.end()));
  std::vector<Point> positions;
  for (int index : marked) {
    ASSERT_TRUE(onBoundary(vertices, points[static_cast<std::size_t>(index)]));
    positions.push_back(points[static_cast<std::size_t>(index)]);
  }
  std::sort(positions.begin(), positions.end());
  ASSERT_EQ(std::adjacent_find(positions.begin(), positions.end()), positions.end());
}

}  // namespace

// Integer coordinates on a small grid: many collinear points, repeated x and repeated positions,
// and every area exact.
TEST(QH_unitTest, AgreesWithBruteForceOnCrowdedIntegerSets) {
  std::mt19937 random(12345);
  QH_unit hull;
  for (int round = 0; round < 3000; ++round) {
    const int n = 2 + static_cast<int>(random() % 60);
    const int span = 1 + static_cast<int>(random() % 8);
    std::vector<Point> points;
    for (int i = 0; i < n; ++i)
      points.emplace_back(static_cast<double>(random() % (span + 1)),
                          static_cast<double>(random() % (span + 1)));
    SCOPED_TRACE("round " + std::to_string(round));
    checkAgainstBruteForce(hull, points, false);
    std::stable_sort(points.begin(), points.end(),
                     [](const Point& a, const Point& b) { return a.first < b.first; });
    checkAgainstBruteForce(hull, points, true);
  }
}

TEST(QH_unitTest, AgreesWithBruteForceOnRandomSets) {
  std::mt19937_64 random(777);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  QH_unit hull;
  for (int round = 0; round < 500; ++round) {
    const int n = 3 + static_cast<int>(random() % 300);
    std::vector<Point> points;
    for (int i = 0; i < n; ++i) {
      const double x = unit(random);
      // Every other set looks like a level's energies: a curve with a bump, below its chord.
      const double y = round % 2 == 0 ? unit(random) : -x * (1 - x) + 0.05 * unit(random);
      points.emplace_back(x, y);
    }
    std::vector<int> expected;
    for (const Point& v : strictVertices(points)) expected.push_back(firstIndexOf(points, v));
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(markedBy(hull, points), expected) << "round " << round;
  }
}
