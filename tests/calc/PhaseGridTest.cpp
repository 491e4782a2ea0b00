#include "calc/PhaseGrid.h"

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
