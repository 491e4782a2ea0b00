#include "problem/PhaseText.h"

#include "problem/PhaseLists.h"
#include "support/FakeDialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(PhaseTextTest, SplittingAndBlanks) {
  using V = std::vector<std::string>;
  EXPECT_EQ(splitAtSemicolons("A;;B"), (V{"A", "", "B"}));
  EXPECT_EQ(splitAtSemicolons("A;"), (V{"A"}));
  EXPECT_EQ(splitAtSemicolons(";A"), (V{"", "A"}));
  EXPECT_EQ(splitAtSemicolons(""), V{});
  EXPECT_EQ(memoLines("a\r\nb\r\n"), (V{"a", "b"}));
  EXPECT_EQ(memoLines("a\n\nb"), (V{"a", "", "b"}));
  EXPECT_EQ(RemoveBlanks(" G L =\tX \x01"), "GL=X");
}

TEST(PhaseTextTest, PointPhaseComposition) {
  EXPECT_DOUBLE_EQ(PointPhaseX("X=0.5"), 0.5);
  EXPECT_DOUBLE_EQ(PointPhaseX("x=1/3"), 1.0 / 3);
  EXPECT_EQ(PointPhaseX("X=1.2"), -1);
  EXPECT_EQ(PointPhaseX("X=1"), 1);
  EXPECT_EQ(PointPhaseX("GC1=0"), -1);
  EXPECT_THROW(PointPhaseX("X=1/0"), std::exception);
}

TEST(PhaseTextTest, ReadNumberTakesACommaAndReportsBadTexts) {
  FakeDialogs dialogs;
  EXPECT_EQ(ReadNumber("0,2", dialogs), 0.2);
  EXPECT_EQ(ReadNumber("1e3", dialogs), 1000);
  EXPECT_FALSE(ReadNumber("PI", dialogs));
  EXPECT_FALSE(ReadNumber("abc", dialogs));
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[0].kind, "message");
  EXPECT_EQ(dialogs.calls[0].text, "Invalid number: PI");
  EXPECT_EQ(dialogs.calls[1].text, "Invalid number: abc");
}

TEST(PhaseTextTest, VariableValuesKeepFifteenDigits) {
  EXPECT_EQ(roundTo15Digits(1.0 / 3), 0.333333333333333);
  EXPECT_EQ(roundTo15Digits(10500), 10500);
  EXPECT_EQ(roundTo15Digits(-2.0 / 3e20), -6.66666666666667e-21);
}
