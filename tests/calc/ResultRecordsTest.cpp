#include "calc/ResultRecords.h"
#include "support/ExpectThrowMsg.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(ResultRecordsTest, FullArrayRefusesTheNextEndAndStaysAsItWas) {
  const char* const message =
      "The tie lines would need more than 10 million end points; use fewer X or Y points";
  TaTZpoint points(2);
  std::int32_t tieHigh = -1;
  for (int i = 0; i < 5; ++i) appendTiePoint(points, tieHigh, TZPoint{i * 0.1, 900, i, "L"}, 5);
  EXPECT_EQ(tieHigh, 4);
  EXPECT_EQ(points.size(), 5u);  // growth stops at the limit
  EXPECT_THROW_MSG(appendTiePoint(points, tieHigh, TZPoint{0.9, 900, 9, "S"}, 5),
                   std::length_error, message);
  EXPECT_EQ(tieHigh, 4);
  EXPECT_EQ(points.size(), 5u);
  EXPECT_EQ(points[4].Col, 4);

  // The program's own limit, met by an array that already holds that many entries' worth of
  // counting (the entries themselves need not exist for the check).
  TaTZpoint none;
  std::int32_t high = static_cast<std::int32_t>(kMaxTiePoints) - 1;
  EXPECT_THROW_MSG(appendTiePoint(none, high, TZPoint{}), std::length_error, message);
  EXPECT_TRUE(none.empty());
}

TEST(ResultRecordsTest, AppendGrowsByATenthAndKeepsEveryEntry) {
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
