#include "tdb/ExpressionText.h"

#include "evaluator/EvaluatorErrors.h"
#include "evaluator/TParser.h"
#include "tdb/TdbExpression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace {

double compiled(const std::string& text, double t) {
  TParser parser;
  parser.SetVariable("T", t);
  parser.SetVariable("P", 2);
  parser.setExpression(text);
  return parser.Value();
}

}  // namespace

// What the TDB file writes, what the description writes, and the value both mean at T = 700
// (P = 2 bar): the compiler's grouping must give the file's value.
TEST(ExpressionTextTest, WritesWhatTheCompilerGroupsAsTheFileMeans) {
  const struct {
    const char* tdb;
    const char* text;
    std::function<double(double)> value;
  } cases[] = {
      {"-7650.085+101.715188*T-24.5242231*T*LN(T)-3.65895E-3*T**2-0.24395E-6*T**3",
       "-7650.085+101.715188*T-24.5242231*T*LN(T)-0.00365895*T^2-2.4395E-7*T^3",
       [](double t) {
         return -7650.085 + 101.715188 * t - 24.5242231 * t * std::log(t) - 3.65895E-3 * t * t -
                0.24395E-6 * t * t * t;
       }},
      {"+805.644E23*T**(-9)", "8.05644E25*T^-9",
       [](double t) { return 805.644E23 / std::pow(t, 9); }},
      {"-(T-1)*2", "-(T-1)*2", [](double t) { return -(t - 1) * 2; }},
      {"2*(-T)", "2*(-T)", [](double t) { return -2 * t; }},
      {"2*-3*T", "2*(-3)*T", [](double t) { return -6 * t; }},
      {"T/(2*T)", "T/(2*T)", [](double) { return 0.5; }},
      {"T/2/T", "T/2/T", [](double) { return 0.5; }},
      {"T/(4/T)", "T/(4/T)", [](double t) { return t * t / 4; }},
      {"(T+1)**2", "(T+1)^2", [](double t) { return (t + 1) * (t + 1); }},
      {"T**0.5", "T^0.5", [](double t) { return std::sqrt(t); }},
      {"T**(T/1000)", "T^(T/1000)", [](double t) { return std::pow(t, t / 1000); }},
      {"-T**2", "-T^2", [](double t) { return -t * t; }},
      {"1-(2-T)", "1-2+T", [](double t) { return t - 1; }},
      {"-(-T)", "T", [](double t) { return t; }},
      {"EXP(-1000/T)", "EXP(-1000/T)", [](double t) { return std::exp(-1000 / t); }},
      {"LOG(T)*-2", "LN(T)*(-2)", [](double t) { return -2 * std::log(t); }},
      {"R*T*LN(1E-5*P)", "8.31451*T*LN(1E-5*(100000*P))",
       [](double t) { return 8.31451 * t * std::log(2.0); }},
      {"SQRT(ABS(-T))", "SQRT(ABS(-T))", [](double t) { return std::sqrt(t); }},
      {"1E300*1E-300", "1E300*1E-300", [](double) { return 1E300 * 1E-300; }},
  };
  for (const auto& c : cases) {
    const std::string text = expressionText(parseTdbExpression(c.tdb));
    EXPECT_EQ(text, c.text) << c.tdb;
    EXPECT_NEAR(compiled(text, 700), c.value(700), 1e-12 * std::abs(c.value(700)) + 1e-300)
        << c.tdb;
  }
}

TEST(ExpressionTextTest, BalancedSumsKeepWithinTheNestingLimit) {
  std::string tdb = "T";
  for (int i = 1; i < 40; ++i) tdb += (i % 3 ? "+" : "-") + std::to_string(i) + "*T";
  const TdbExpr e = parseTdbExpression(tdb);
  EXPECT_THROW(compiled(expressionText(e, SumLayout::Chain), 2), ETooManyNestings);
  double expected = 1;
  for (int i = 1; i < 40; ++i) expected += (i % 3 ? i : -i);
  EXPECT_EQ(compiled(expressionText(e, SumLayout::BalancedOuter), 2), 2 * expected);
  EXPECT_EQ(compiled(expressionText(e, SumLayout::BalancedAll), 2), 2 * expected);
}

TEST(ExpressionTextTest, NumbersReadBackExactly) {
  for (double value : {0.0, 1.0, 600.65, 8.05644e25, 1e-5, 1.49316649e-18, 0.1, 1.0 / 3}) {
    const std::string text = numberText(value);
    EXPECT_EQ(text.find('+'), std::string::npos) << text;
    EXPECT_EQ(compiled(text, 0), value) << text;
  }
  EXPECT_EQ(numberText(8.05644e25), "8.05644E25");
  EXPECT_EQ(numberText(-1e-5), "-1E-5");
}
