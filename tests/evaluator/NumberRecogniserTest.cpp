#include "evaluator/NumberRecogniser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace {

struct NumberCase {
  std::string text;
  std::optional<double> expected;
};

TEST(NumberRecogniserTest, AcceptsTheNumberGrammar) {
  const NumberCase cases[] = {
      {"0", 0.0},          {"42", 42.0},         {"-42", -42.0},     {"+5", 5.0},
      {"1.5", 1.5},        {"1,5", 1.5},         {",5", 0.5},        {"5.", 5.0},
      {".", 0.0},          {"E5", 0.0},          {"-.", -0.0},       {"1E3", 1000.0},
      {"1E+3", 1000.0},    {"2.5E-3", 0.0025},   {"1,5E2", 150.0},   {"007", 7.0},
      {"0.1", 0.1},        {"1E-400", 0.0},      {"5\t", 5.0},       {"5\x01\x1f", 5.0},
      {"-", std::nullopt}, {"+", std::nullopt},  {"", std::nullopt}, {"1E", std::nullopt},
      {"1E+", std::nullopt}, {"1.5.2", std::nullopt}, {"1,5,2", std::nullopt},
      {"1.5,2", std::nullopt}, {"--1", std::nullopt}, {"1e3", std::nullopt},
      {" 5", std::nullopt}, {"5 x", std::nullopt}, {"0X1F", std::nullopt},
      {"1E400", std::nullopt}, {"INF", std::nullopt}, {"NAN", std::nullopt},
  };
  for (const NumberCase& c : cases) {
    const std::optional<double> got = recogniseNumber(c.text, false);
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << "'" << c.text << "'";
    if (got) {
      EXPECT_EQ(*got, *c.expected) << "'" << c.text << "'";
      EXPECT_EQ(std::signbit(*got), std::signbit(*c.expected)) << "'" << c.text << "'";
    }
  }
}

TEST(NumberRecogniserTest, ConvertsCorrectlyRounded) {
  EXPECT_EQ(*recogniseNumber("2.2250738585072014E-308", false), 2.2250738585072014e-308);
  EXPECT_EQ(*recogniseNumber("1.7976931348623157E308", false), 1.7976931348623157e308);
  EXPECT_EQ(*recogniseNumber("4.9E-324", false), 4.9e-324);
  EXPECT_EQ(*recogniseNumber("8.31441", false), 8.31441);
  EXPECT_EQ(*recogniseNumber("0.30000000000000004", false), 0.30000000000000004);
  EXPECT_EQ(*recogniseNumber("1" + std::string(400, '0') + "E-400", false), 1.0);
}

TEST(NumberRecogniserTest, PiOnlyWhenAllowed) {
  EXPECT_EQ(*recogniseNumber("PI", true), 3.141592653589793);
  EXPECT_EQ(*recogniseNumber("-PI", true), -3.141592653589793);
  EXPECT_FALSE(recogniseNumber("PI", false));
  EXPECT_FALSE(recogniseNumber("+PI", true));
  EXPECT_FALSE(recogniseNumber("2PI", true));
}

TEST(NumberRecogniserTest, SwitchOffReadsThePointOnly) {
  EXPECT_EQ(*recogniseNumber("1.5", false, false), 1.5);
  EXPECT_FALSE(recogniseNumber("1,5", false, false));
  EXPECT_FALSE(recogniseNumber("5\t", false, false));
}

}  // namespace
