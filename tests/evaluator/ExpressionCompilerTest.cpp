#include "EvaluatorTestSupport.h"

#include "support/ExpectThrowMsg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

struct ValueCase {
  std::string text;
  double expected;
};

TEST(ExpressionCompilerTest, AcceptsAndGroupsAsTheSplitRuleSays) {
  const ValueCase cases[] = {
      {"2*(3+4)", 14},       {"((2))", 2},          {" A ", 2},           {"a*x", 3},
      {"7DIV2", 3},          {"-7DIV2", -3},        {"7MOD-2", 1},        {"-7MOD2", -1},
      {"2*7DIV2", 6},        {"2*7MOD4", 6},        {"100DIV7DIV3", 4},   {"MAX(1,5)", 5},
      {"1,5", 1.5},          {"MAX(1,5,2)", 5.2},   {"1,5+1", 2.5},       {"E5", 0},
      {"A/B*C", 2.0 / 3.0 * 5.0}, {"A/B/C", 2.0 / 3.0 / 5.0}, {"A-B-C", -6}, {"A-B+C", 4},
      {"-A^2", -4},          {"-A*B", -6},          {"-A-B", -5},         {"A*-2", -4},
      {"A--2", 4},           {"X^-1", 1 / 1.5},     {"A*(-B)", -6},       {"-(-A)", 2},
      {"+5*X", 7.5},         {"+5-X", 3.5},         {"(A^B)^C", 32768},   {"2^3*2", 16},
      {"pi", 3.141592653589793}, {"-PI*2", -2 * 3.141592653589793}, {"sin(0)", 0},
      {"MAX(A,B)-MIN(A,B)", 1}, {"((A+B))*(((C)))", 25}, {"3\t*2", 6}, {"MAX((1,2),3)", 3},
      {"SIN(((0)))", 0},    {"SIN(1,2)", std::sin(1.2)},     {"MIN(-A,-(B))", -3},
  };
  for (const ValueCase& c : cases) {
    const EvalOutcome out = evaluate(c.text);
    EXPECT_EQ(out.errorClass, "") << c.text << ": " << out.message;
    EXPECT_EQ(out.value, c.expected) << c.text;
  }
}

TEST(ExpressionCompilerTest, KeywordsSplitInsideLongerNames) {
  EXPECT_EQ(evaluate("XMODE", {{"X", 7}, {"E", 4}}).value, 3);
  EXPECT_EQ(evaluate("XMODE", {{"X", 7}, {"E", 4}, {"XMODE", 9}}).value, 9);
  EXPECT_EQ(evaluate("E5", {{"E5", 8}}).value, 8);
}

TEST(ExpressionCompilerTest, RefusesWhatNoRuleAccepts) {
  for (const char* text : {"A^B^C", "A*-B", "A+-B", "A^-B", "--A", "+X", "+5+X", "A+", ")A(", "()",
                           "SIN()", "MAX(1)", "MAX(,1)", "FOO(1)", "Q*2", "   ", "2X", "*A",
                           "A*", "A/", "^2", "1E", "SIN", "(A)(B)", "A(B)", "1.2.3"}) {
    EXPECT_EQ(evaluate(text).errorClass, "ESyntaxError") << text;
  }
}

struct KindsCase {
  std::string text;
  std::vector<std::uint8_t> kinds;
};

TEST(ExpressionCompilerTest, CompilesKindsInLinkingOrder) {
  const KindsCase cases[] = {
      {"2*(3+4)", {3, 5}},       {"((2))", {1}},           {"X", {0}},
      {"x^2", {11}},             {"X^3", {12}},            {"X^4", {13}},
      {"X^(2)", {10}},           {"X^-2", {9}},            {"X^2.5", {10}},
      {"X^0", {9}},              {"X^1E10", {10}},         {"X^2147483647", {9}},
      {"X^-2147483648", {9}},    {"X^2147483648", {10}},   {"X^A", {10}},
      {"X^SIN(A)", {14, 10}},    {"-X", {2}},              {"-PI", {1}},
      {"SIN(X)", {14}},          {"MAX(X,A)", {15}},       {"7MOD2", {7}},
      {"7DIV2", {8}},            {"A/B", {6}},             {"A-B", {4}},
      {"A+B", {3}},              {"A*B", {5}},             {"A+B*C", {5, 3}},
      {"A*B+C*D", {5, 5, 3}},    {"(A+B)*(C-D)", {3, 4, 5}}, {"SIN(A+B)*C", {3, 14, 5}},
      {"A*B-C/D+E^2", {5, 6, 4, 11, 3}}, {"-SIN(-X)", {2, 14, 2}},
  };
  for (const KindsCase& c : cases) {
    const EvalOutcome out = evaluate(c.text, {{"E", 1}, {"X", 1}});
    EXPECT_EQ(out.errorClass, "") << c.text << ": " << out.message;
    EXPECT_EQ(out.kinds, c.kinds) << c.text;
  }
}

TEST(ExpressionCompilerTest, PowerKindKeepsTheExponentOnlyWhenNeeded) {
  // A square reads its base alone: no slot for the exponent.
  auto parser = makeParser();
  parser->setExpression("X^2");
  EXPECT_EQ(parser->resultSlots().size(), 1u);
  EXPECT_EQ(parser->Value(), 2.25);
  parser->setExpression("X^-2");
  EXPECT_EQ(parser->Value(), 1 / 2.25);
}

std::string repeatJoined(const std::string& part, const std::string& glue, int count) {
  std::string text = part;
  for (int i = 1; i < count; ++i) text += glue + part;
  return text;
}

std::string nested(const std::string& function, const std::string& inner, int depth) {
  std::string text = inner;
  for (int i = 0; i < depth; ++i) text = function + "(" + text + ")";
  return text;
}

// A sum tree full down to `depth` levels of operations, plus `bottom` sums one level deeper.
std::string balancedSum(int depth, int& bottom) {
  if (depth == 0) {
    if (bottom == 0) return "X";
    --bottom;
    return "(X+X)";
  }
  const std::string left = balancedSum(depth - 1, bottom);
  return "(" + left + ")+(" + balancedSum(depth - 1, bottom) + ")";
}

TEST(ExpressionCompilerTest, NestingAndWidthLimits) {
  EXPECT_EQ(evaluate(repeatJoined("X", "+", 21)).value, 21 * 1.5);
  EXPECT_EQ(evaluate(repeatJoined("X", "+", 22)).errorClass, "ETooManyNestings");
  EXPECT_EQ(evaluate(repeatJoined("X", "-", 21)).value, -19 * 1.5);
  EXPECT_EQ(evaluate(repeatJoined("X", "-", 22)).errorClass, "ETooManyNestings");
  EXPECT_EQ(evaluate(nested("SIN", "X", 20)).errorClass, "");
  EXPECT_EQ(evaluate(nested("SIN", "X", 21)).errorClass, "ETooManyNestings");
  // Brackets alone nest nothing.
  EXPECT_EQ(evaluate(nested("", "X", 200)).value, 1.5);

  int bottom = 50;
  const std::string fifty = balancedSum(6, bottom);
  EXPECT_EQ(evaluate(fifty).value, (64 + 50) * 1.5);
  bottom = 51;
  EXPECT_EQ(evaluate(balancedSum(6, bottom)).errorClass, "EExpressionTooComplex");
}

TEST(ExpressionCompilerTest, AbsurdBracketDepthIsRefusedNotACrash) {
  const EvalOutcome out = evaluate(std::string(100000, '(') + "X" + std::string(100000, ')'));
  EXPECT_EQ(out.errorClass, "EExpressionTooComplex");
}

struct ErrorCase {
  std::string text;
  std::string errorClass;
  std::string message;
};

TEST(ExpressionCompilerTest, ErrorsCarryTheirClassAndMessage) {
  const std::string parsing = "Error parsing expression:\r";
  const ErrorCase cases[] = {
      {"A+", "ESyntaxError", parsing + "A+"},
      {"Q*2", "ESyntaxError", parsing + "Q\r2"},
      {"q*2", "ESyntaxError", parsing + "Q\r2"},
      {"   ", "ESyntaxError", parsing},
      {")A(", "ESyntaxError", parsing + ")A("},
      {"--A", "ESyntaxError", parsing + "-\rA"},
      {"-Q", "ESyntaxError", parsing + "Q\r "},
      {"SIN(Q)", "ESyntaxError", parsing + "(Q)\r "},
      {"MAX(Q,1)", "ESyntaxError", parsing + "Q\r1"},
      {"(Q)", "ESyntaxError", parsing + "(Q)"},
      {"A+B*Q", "ESyntaxError", parsing + "A+B\rQ"},
      {"A B", "EExpressionHasBlanks", "Expression has blanks"},
      {"(A", "EMissMatchingBracket", "Missing brackets in expression"},
      {"A)", "EMissMatchingBracket", "Missing brackets in expression"},
      {nested("COS", "X", 21), "ETooManyNestings", "Expression contains too many nestings"},
  };
  for (const ErrorCase& c : cases) {
    const EvalOutcome out = evaluate(c.text);
    EXPECT_EQ(out.errorClass, c.errorClass) << c.text;
    EXPECT_EQ(out.message, c.message) << c.text;
  }
}

TEST(ExpressionCompilerTest, ErrorClassesShareTheParserBase) {
  auto parser = makeParser();
  EXPECT_THROW_MSG(parser->setExpression("A B"), EMathParserError, "Expression has blanks");
  EXPECT_THROW_MSG(parser->setExpression("(A"), EMathParserError, "Missing brackets in expression");
  EXPECT_THROW_MSG(parser->setExpression("A+"), ESyntaxError, "Error parsing expression:\rA+");
  EXPECT_THROW_MSG(parser->setExpression(repeatJoined("X", "*", 22)), ETooManyNestings,
                   "Expression contains too many nestings");
}

// The compiled program must round exactly like the same grouping written in C++.
TEST(ExpressionCompilerTest, MatchesHandWrittenFormulasBitForBit) {
  auto parser = makeParser({{"W", 0}, {"SID", 0}});
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> unit(0.001, 0.999);
  const char* solution = "2000-1.5*T+X*(1-X)*(W+3000)-T*SID+500*X";
  const char* mixing = "-8.31441*(X*LN(X)+(1-X)*LN(1-X))";
  for (int i = 0; i < 200; ++i) {
    const double x = unit(random), t = 300 + 3000 * unit(random), w = 20000 * unit(random) - 10000,
                 sid = 10 * unit(random);
    parser->SetVariable("X", x);
    parser->SetVariable("T", t);
    parser->SetVariable("W", w);
    parser->SetVariable("SID", sid);
    parser->setExpression(solution);
    EXPECT_EQ(parser->Value(), (2000 - 1.5 * t) + ((x * ((1 - x) * (w + 3000)) - t * sid) + 500 * x));
    parser->setExpression(mixing);
    EXPECT_EQ(parser->Value(), -8.31441 * (x * std::log(x) + (1 - x) * std::log(1 - x)));
  }
}

}  // namespace
