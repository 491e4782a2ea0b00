#include "calc/PhaseGrid.h"
#include "calc/ResultRecords.h"

#include "base/Errors.h"

#include <gtest/gtest.h>

TEST(PhaseGridTest, CellsOutsideReadEmptyAndRefuseWrites) {
  PhaseGrid grid;
  grid.setColCount(3);
  grid.setRowCount(2);
  grid.setCell(0, 0, " Y/X");
  EXPECT_EQ(grid.cell(0, 0), " Y/X");
  EXPECT_EQ(grid.cell(5, 0), "");
  EXPECT_EQ(grid.cell(0, -1), "");
  EXPECT_EQ(grid.cell(1, 2), "");
  EXPECT_THROW(grid.setCell(3, 0, "x"), ERangeError);
  EXPECT_THROW(grid.setCell(0, 2, "x"), ERangeError);
}

TEST(PhaseGridTest, ResizingKeepsTheCellsInside) {
  PhaseGrid grid;
  grid.setColCount(2);
  grid.setRowCount(2);
  grid.setCell(1, 1, "L");
  grid.setRowCount(4);
  grid.setCell(1, 3, "S");
  grid.setColCount(5);
  EXPECT_EQ(grid.cell(1, 1), "L");
  EXPECT_EQ(grid.cell(1, 3), "S");
  EXPECT_EQ(grid.cell(4, 3), "");
  grid.setColCount(1);
  grid.setColCount(2);
  EXPECT_EQ(grid.cell(1, 1), "");
  grid.setRowCount(1);
  grid.setRowCount(2);
  EXPECT_EQ(grid.cell(0, 1), "");
}

TEST(PhaseGridTest, EqualTextsShareOneIdAndClearForgetsThem) {
  PhaseGrid grid;
  grid.setColCount(3);
  grid.setRowCount(1);
  const auto id = grid.intern("ALPHA");
  EXPECT_EQ(grid.intern(std::string("ALP") + "HA"), id);
  EXPECT_EQ(grid.intern(""), PhaseGrid::kEmpty);
  grid.setCellId(2, 0, id);
  EXPECT_EQ(grid.cell(2, 0), "ALPHA");
  grid.clear();
  EXPECT_EQ(grid.colCount(), 0);
  EXPECT_EQ(grid.rowCount(), 0);
  EXPECT_EQ(grid.intern("B"), 1u);
}

TEST(TiePointsTest, AppendGrowsByATenthAndKeepsEveryEntry) {
  TaTZpoint points(3);
  std::int32_t tieHigh = -1;
  for (int i = 0; i < 40; ++i) appendTiePoint(points, tieHigh, TZPoint{i * 0.1, 900, i, "L"});
  EXPECT_EQ(tieHigh, 39);
  ASSERT_GE(points.size(), 40u);
  for (int i = 0; i < 40; ++i) {
    EXPECT_EQ(points[static_cast<std::size_t>(i)].Col, i);
    EXPECT_DOUBLE_EQ(points[static_cast<std::size_t>(i)].X, i * 0.1);
  }
  TaTZpoint empty;
  std::int32_t emptyHigh = -1;
  appendTiePoint(empty, emptyHigh, TZPoint{0.7, 900, 8, "S"});
  EXPECT_EQ(emptyHigh, 0);
  EXPECT_EQ(empty.at(0).Name, "S");
}
