#include "analysis/NodeTableTexts.h"

#include "base/NumberText.h"

#include <gtest/gtest.h>

using Rows = std::vector<std::vector<std::string>>;

TEST(NodeTableTextsTest, WithoutNodesOneEmptyRow) {
  EXPECT_EQ(nodeTableCells({}, "Temperature"),
            (Rows{{" T", " X(left)", " X", " X(right)"}, {"", "", "", ""}}));
}

TEST(NodeTableTextsTest, HeaderNamesTheAxis) {
  const struct {
    const char* yName;
    const char* header;
  } cases[] = {{"Temperature", " T"}, {"Pressure", " P"}, {"Y", " P"}};
  for (const auto& c : cases) EXPECT_EQ(nodeTableCells({}, c.yName)[0][0], c.header) << c.yName;
}

TEST(NodeTableTextsTest, ValuesRoundToThreeDecimals) {
  const TNodeList nodes{{900, 0.12345, 0.1, 0.99961}, {-12.5, 0.5, 0.25, 0.75}};
  EXPECT_EQ(nodeTableCells(nodes, "Temperature"),
            (Rows{{" T", " X(left)", " X", " X(right)"},
                  {" 900", " 0.1", " 0.123", " 1"},
                  {" -12.5", " 0.25", " 0.5", " 0.75"}}));
  setDecimalSeparator(',');
  const Rows withComma = nodeTableCells(nodes, "Pressure");
  setDecimalSeparator('.');
  EXPECT_EQ(withComma[1], (std::vector<std::string>{" 900", " 0,1", " 0,123", " 1"}));
}
