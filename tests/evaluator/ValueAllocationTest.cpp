#include "evaluator/TParser.h"
#include "support/CountingNew.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ValueAllocationTest, ValueAllocatesNothing) {
  TParser parser;
  parser.SetVariable("W", 1000);
  parser.SetVariable("SID", 2);
  parser.SetVariable("a_rather_long_variable_name", 2);
  const char* formulas[] = {
      "2000-1.5*T+X*(1-X)*(W+3000)-T*SID+500*X",
      "-8.31441*(X*LN(X)+(1-X)*LN(1-X))",
      "MAX(X,0.5)*EXP(X)+X^2.5-7DIV2+X^-3+XMOD2",
      "SIN(X)+COS(X)+TAN(X)+ARCTAN(X)+SINH(X)+COSH(X)+SQRT(X)+ABS(X)+HEAV(X)+SIGN(X)+ZERO(X)+PH(X)",
      "RND(10)*A_RATHER_LONG_VARIABLE_NAME",
  };
  for (const char* text : formulas) {
    try {
      parser.setExpression(text);
    } catch (const EMathParserError&) {
      ADD_FAILURE() << text;
      continue;
    }
    const long before = g_allocations.load();
    double sum = 0;
    for (int i = 1; i < 100; ++i) {
      parser.SetVariable("x", i / 100.0);
      parser.SetVariable("a_rather_long_variable_name", i);
      parser.T() = 300 + i;
      sum += parser.Value();
    }
    EXPECT_EQ(g_allocations.load() - before, 0) << text;
    EXPECT_TRUE(std::isfinite(sum)) << text;
  }
}

}  // namespace
