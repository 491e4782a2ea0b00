#include "analysis/RunList.h"

#include "support/GridText.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::string describe(const std::vector<TR>& runs) {
  std::string text;
  for (const TR& run : runs)
    text += std::string(run.Text) + "[" + std::to_string(run.StartCol) + "," +
            std::to_string(run.EndCol) + "] ";
  return text;
}

}  // namespace

TEST(RunListTest, SeparatesTouchingPhasesButNotCompoundsOrCases) {
  const struct {
    std::string cells;
    std::string runs;
  } cases[] = {
      {"a a E L L", "a[1,2] E[3,3] L[4,5] "},
      {"a a b b b", "a[1,2] E[3,2] b[3,5] "},
      {"L l", "L[1,1] E[2,1] l[2,2] "},
      {"a C0.5 b", "a[1,1] C0.5[2,2] b[3,3] "},
      {"Cu Cu L", "Cu[1,2] L[3,3] "},
      {"E E E", "E[1,3] "},
  };
  for (const auto& c : cases) {
    std::istringstream count(c.cells);
    std::vector<std::string> header;
    for (std::string t; count >> t;) header.push_back("0");
    PhaseGrid grid;
    fillGrid(grid, header, {{"1", c.cells}});
    std::vector<TR> runs;
    buildRunList(grid, 1, runs);
    EXPECT_EQ(describe(runs), c.runs) << c.cells;
  }
}
