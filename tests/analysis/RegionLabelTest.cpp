#include "analysis/RegionLabel.h"

#include "support/GridText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

TEST(RegionLabelTest, NamesTheCellUnderThePoint) {
  PhaseGrid grid;
  fillGrid(grid, {"0", "0,25", "0,5", "0,75", "1"},
           {{"1000", "L L L L L"},
            {"800", "a E L E b"},
            {"600", "E E Cx E b"},
            {"400", "a E E E E"}});
  struct Case {
    double x, y;
    std::optional<std::string> text;
  } cases[] = {
      {0.2, 900, "a+L"},      // a two-phase region named by its neighbours
      {0.25, 800, "a+L"},     // a header value itself
      {0.6, 700, "Cx+b"},   // the first level at or below the point
      {0.0, 600, "E+Cx"},     // reaching the left edge
      {0.9, 400, "a+E"},      // reaching the right edge
      {0.5, 600, "Cx"},       // a compound column
      {-0.5, 1000, "L"},      // left of the first X: column 1
      {0.5, 5000, "L"},       // above the first level: row 1
      {0.5, 100, ""},         // below the last level
      {1.0001, 800, std::nullopt},  // right of the last X
  };
  for (const Case& c : cases)
    EXPECT_EQ(regionLabelText(grid, c.x, c.y), c.text) << c.x << ", " << c.y;
  PhaseGrid empty;
  EXPECT_EQ(regionLabelText(empty, 0.5, 0.5), std::nullopt);
}
