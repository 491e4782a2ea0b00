#include "EvaluatorTestSupport.h"

#include "support/ExpectThrowMsg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

TEST(TParserTest, VariablesUpdateWithoutRecompiling) {
  TParser parser;
  parser.SetVariable("x", 3);
  parser.setExpression("X*2+T");
  EXPECT_EQ(parser.Value(), 6);
  parser.SetVariable("T", 1);
  EXPECT_EQ(parser.Value(), 7);
  parser.X() = 4;
  EXPECT_EQ(parser.Value(), 9);
  EXPECT_EQ(parser.SetVariable("x", 5), &parser.X());
  EXPECT_EQ(parser.Value(), 11);
}

TEST(TParserTest, SlotsStayPutAsTheTableGrows) {
  TParser parser;
  double* w = parser.SetVariable("w", 2);
  for (int i = 0; i < 100; ++i) parser.SetVariable("V" + std::to_string(i), i);
  EXPECT_EQ(parser.SetVariable("W", 3), w);
  parser.setExpression("W*V99+V0");
  *w = 4;
  EXPECT_EQ(parser.Value(), 396);
}

TEST(TParserTest, VariableDefinedAfterTheExpressionNeedsAReassignment) {
  TParser parser;
  EXPECT_THROW_MSG(parser.setExpression("K*2"), ESyntaxError, "Error parsing expression:\rK\r2");
  parser.SetVariable("K", 4);
  EXPECT_EQ(parser.Value(), 0);
  parser.setExpression(parser.Expression());
  EXPECT_EQ(parser.Value(), 8);
}

TEST(TParserTest, NamesMustBeIdentifiers) {
  TParser parser;
  EXPECT_THROW_MSG(parser.SetVariable("2X", 1), EBadName, "2X");
  EXPECT_THROW_MSG(parser.SetVariable("K(1)", 1), EBadName, "K(1)");
  EXPECT_THROW_MSG(parser.SetVariable("k-1", 1), EBadName, "K-1");
  EXPECT_THROW_MSG(parser.SetVariable("", 1), EBadName, "");
  parser.SetVariable("mode", 3);
  parser.SetVariable("_a1", 2);
  parser.setExpression("MODE*_A1");
  EXPECT_EQ(parser.Value(), 6);
}

TEST(TParserTest, EmptyAndFailedExpressionsYieldZero) {
  TParser parser;
  parser.X() = 2;
  parser.setExpression("");
  EXPECT_EQ(parser.Value(), 0);
  EXPECT_TRUE(parser.operationKinds().empty());
  parser.setExpression("X+1");
  EXPECT_EQ(parser.Value(), 3);
  EXPECT_THROW(parser.setExpression("X+"), ESyntaxError);
  EXPECT_EQ(parser.Expression(), "X+");
  EXPECT_EQ(parser.Value(), 0);
}

TEST(TParserTest, OnParserErrorTakesTheErrorInstead) {
  TParser parser;
  std::string seen;
  TCustomParser* sender = nullptr;
  parser.OnParserError = [&](TCustomParser& s, const EMathParserError& e) {
    sender = &s;
    seen = std::string(e.className()) + ": " + e.what();
  };
  EXPECT_NO_THROW(parser.setExpression("(X"));
  EXPECT_EQ(sender, &parser);
  EXPECT_EQ(seen, "EMissMatchingBracket: Missing brackets in expression");
  EXPECT_EQ(parser.Value(), 0);
}

TEST(TParserTest, NumberFormatSwitchOffReadsNoComma) {
  TParser parser;
  EXPECT_TRUE(parser.numberFormatSwitch());
  parser.setExpression("1,5*2");
  EXPECT_EQ(parser.Value(), 3);
  parser.setNumberFormatSwitch(false);
  EXPECT_THROW(parser.setExpression("1,5*2"), ESyntaxError);
  parser.setExpression("1.5*2");
  EXPECT_EQ(parser.Value(), 3);
}

struct ValueCase {
  std::string text;
  double expected;
};

TEST(TParserTest, ArithmeticAndFunctions) {
  const double pi = 3.141592653589793;
  const ValueCase cases[] = {
      {"LN(0)", 0},           {"LN(1)", 0},             {"HEAV(0)", 1},          {"HEAV(-1E-300)", 0},
      {"SIGN(0)", 0},         {"SIGN(-2)", -1},         {"SIGN(1E-300)", 1},     {"ZERO(0)", 0},
      {"ZERO(-3)", 1},        {"MAX(2,2)", 2},          {"MIN(2,2)", 2},         {"MAX(-1,2)", 2},
      {"MIN(-1,2)", -1},      {"(-2)^3", -8},           {"(-2)^(3)", -8},        {"0^0", 1},
      {"0^(0)", 1},           {"0^(1/2)", 0},           {"(-8)^(2)", 64},        {"2^10", 1024},
      {"2^-2", 0.25},         {"1^(1E10)", 1},          {"2^0.5", std::exp(0.5 * std::log(2.0))},
      {"9^(1/2)", std::exp(0.5 * std::log(9.0))}, {"X^4", 1.5 * 1.5 * (1.5 * 1.5)},
      {"X^3", 1.5 * 1.5 * 1.5}, {"X^5", 1.5 * (1.5 * 1.5 * (1.5 * 1.5))},
      {"SIN(1E19)", 0},       {"COS(-1E19)", 0},        {"SIN(1)", std::sin(1.0)},
      {"COS(1)", std::cos(1.0)}, {"TAN(1)", std::tan(1.0)}, {"ARCTAN(1)", std::atan(1.0)},
      {"SINH(1)", (std::exp(1.0) - std::exp(-1.0)) * 0.5},
      {"COSH(1)", (std::exp(1.0) + std::exp(-1.0)) * 0.5},
      {"EXP(1)", std::exp(1.0)}, {"SQRT(16)", 4},         {"ABS(-3)", 3},          {"LN(X)", std::log(1.5)},
      {"7.9DIV2.9", 3},       {"-7.9DIV2", -3},         {"-7MOD2", -1},          {"7MOD-2", 1},
      {"9E18DIV-1", -9e18},   {"PH(0)", 0},             {"PH(PI/4)", (pi / 4 / 0.6366197723675813431 - 1) * 6.283185307179586477},
      {"PH(10)", (10 / 0.6366197723675813431 - 16) * 6.283185307179586477},
      {"1E308*10/1E10", 1e308 * (10 / 1e10)}, {"1E308*10", std::numeric_limits<double>::infinity()},
      {"1E-300*1E-300", 0},   {"RND(0)", 0},
  };
  for (const ValueCase& c : cases) {
    const EvalOutcome out = evaluate(c.text);
    if (std::isinf(c.expected)) {
      EXPECT_EQ(out.errorClass, "EOverflow") << c.text;
      continue;
    }
    EXPECT_EQ(out.errorClass, "") << c.text << ": " << out.message;
    EXPECT_EQ(out.value, c.expected) << c.text;
  }
}

TEST(TParserTest, RndScalesAUniformFraction) {
  auto parser = makeParser();
  parser->setExpression("RND(10.9)");
  double low = 10, high = 0;
  for (int i = 0; i < 1000; ++i) {
    const double v = parser->Value();
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 10);
    low = std::min(low, v);
    high = std::max(high, v);
  }
  EXPECT_LT(low, 1);
  EXPECT_GT(high, 9);
  parser->setExpression("RND(-3)");
  const double v = parser->Value();
  EXPECT_LE(v, 0);
  EXPECT_GT(v, -3);
}

struct FaultCase {
  std::string text;
  std::string errorClass;
};

TEST(TParserTest, FaultsStopTheRunWithTheirMessage) {
  const FaultCase cases[] = {
      {"LN(-1)", "EInvalidOp"},        {"SQRT(-1)", "EInvalidOp"},      {"0/0", "EInvalidOp"},
      {"(-8)^(1/3)", "EInvalidOp"},    {"1E20DIV1", "EInvalidOp"},      {"1MOD-1E19", "EInvalidOp"},
      {"1/0", "EZeroDivide"},          {"-1/0", "EZeroDivide"},         {"0^-1", "EZeroDivide"},
      {"0^(-0.5)", "EZeroDivide"},     {"(1E-200)^-2", "EZeroDivide"},  {"1DIV0", "EDivByZero"},
      {"1MOD0.5", "EDivByZero"},       {"1E300*1E300", "EOverflow"},    {"1E308+1E308", "EOverflow"},
      {"-1E308-1E308", "EOverflow"},   {"1E300/1E-300", "EOverflow"},   {"10^400", "EOverflow"},
      {"10^-400", "EOverflow"},        {"(1E300)^(1.5)", "EOverflow"},  {"(1E-300)^(-1.5)", "EOverflow"},
      {"(1E300)^(-1E308)", "EOverflow"}, {"EXP(1000)", "EOverflow"},    {"SINH(1000)", "EOverflow"},
      {"COSH(-1000)", "EOverflow"},    {"PH(1.7E308)", "EOverflow"},    {"(1E200)^2", "EOverflow"},
      {"(1E100)^4", "EOverflow"},      {"(1E150)^3", "EOverflow"},      {"ZERO(1/0)", "EZeroDivide"},
      {"HEAV(LN(-1))", "EInvalidOp"},  {"1/(1E300*1E300)", "EOverflow"},
  };
  const std::string messages[][2] = {{"EInvalidOp", "Invalid floating point operation"},
                                     {"EZeroDivide", "Floating point division by zero"},
                                     {"EOverflow", "Floating point overflow"},
                                     {"EDivByZero", "Division by zero"}};
  for (const FaultCase& c : cases) {
    const EvalOutcome out = evaluate(c.text);
    EXPECT_EQ(out.errorClass, c.errorClass) << c.text;
    for (const auto& m : messages) {
      if (m[0] == out.errorClass) {
        EXPECT_EQ(out.message, m[1]) << c.text;
      }
    }
  }
  auto parser = makeParser();
  parser->setExpression("1/0");
  EXPECT_THROW_MSG(parser->Value(), EMathError, "Floating point division by zero");
}

TEST(TParserTest, FaultKeepsTheSlotsWrittenBeforeIt) {
  auto parser = makeParser();
  parser->setExpression("(A+B)*(C/D)");
  EXPECT_EQ(parser->Value(), 5 * (5.0 / 7));
  EXPECT_EQ(parser->resultSlots(), (std::vector<double>{5, 5.0 / 7, 5 * (5.0 / 7)}));
  parser->A() = 10;
  parser->D() = 0;
  EXPECT_THROW(parser->Value(), EZeroDivide);
  EXPECT_EQ(parser->resultSlots(), (std::vector<double>{13, 5.0 / 7, 5 * (5.0 / 7)}));
  parser->D() = 1;
  EXPECT_EQ(parser->Value(), 65);

  // The failing step opens the program: nothing is written.
  parser->setExpression("(C/D)*(A+B)");
  EXPECT_EQ(parser->Value(), 65);
  parser->D() = 0;
  parser->C() = 0;
  EXPECT_THROW(parser->Value(), EInvalidOp);
  EXPECT_EQ(parser->resultSlots(), (std::vector<double>{5, 13, 65}));

  // A function that fails inside itself, right after a step that succeeded.
  parser->X() = 0.85e308;
  parser->setExpression("PH(X*2)");
  EXPECT_THROW(parser->Value(), EOverflow);
  EXPECT_EQ(parser->resultSlots(), (std::vector<double>{1.7e308, 0}));
}

// Infinities and NaNs can only arrive through variables; they pass through quietly except
// where an integer is needed.
TEST(TParserTest, NonFiniteVariablesPropagateQuietly) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const char* text : {"X+1", "X-X", "X*0", "LN(X)", "SQRT(X)", "X^2.5", "X^3", "X^-7", "EXP(X)",
                           "SINH(X)", "PH(X)", "(-1)^X", "0/X*X"}) {
    for (double x : {inf, -inf, nan}) {
      const EvalOutcome out = evaluate(text, {{"X", x}});
      EXPECT_EQ(out.errorClass, "") << text << " with X = " << x;
    }
  }
  EXPECT_TRUE(std::isnan(evaluate("X+1", {{"X", nan}}).value));
  EXPECT_EQ(evaluate("1/X", {{"X", inf}}).value, 0);
  EXPECT_EQ(evaluate("MAX(X,1)", {{"X", nan}}).value, 1);
  EXPECT_EQ(evaluate("HEAV(X)", {{"X", nan}}).value, 0);
  EXPECT_EQ(evaluate("XMOD2", {{"X", nan}}).errorClass, "EInvalidOp");
  EXPECT_EQ(evaluate("2DIVX", {{"X", inf}}).errorClass, "EInvalidOp");
  EXPECT_EQ(evaluate("LN(-1)+X", {{"X", nan}}).errorClass, "EInvalidOp");
}

TEST(TParserTest, IntegerDivisionAtTheEdgeOfTheRange) {
  const double min64 = -9223372036854775808.0;
  EXPECT_EQ(evaluate("XDIV-1", {{"X", min64}}).value, 9223372036854775808.0);
  EXPECT_EQ(evaluate("XMOD-1", {{"X", min64}}).value, 0);
  EXPECT_EQ(evaluate("XDIV1", {{"X", 9223372036854775808.0}}).errorClass, "EInvalidOp");
}

}  // namespace
