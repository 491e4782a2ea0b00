// The traits in a function's row decide how the native code runs the function; whatever
// they decide, the native code and the interpreter give the same values and faults.
#include "EvaluatorTestSupport.h"

#include "evaluator/CompiledProgram.h"

#include "support/ExpectThrowMsg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>
#include <vector>

namespace {

#if defined(__x86_64__) && defined(__linux__)
constexpr bool kNativePlatform = true;
#else
constexpr bool kNativePlatform = false;
#endif

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Test-only functions that raise from inside their routines, as of the built-ins only PH does.
double halveOrRaise(double x) {
  if (x < 0) throw EDivByZero();
  return x / 2;
}

double differenceOrRaise(double a, double b) {
  if (a == b) throw EInvalidOp();
  return a - b;
}

double magnitude(double x) { return std::fabs(x); }

const NamedFunction1 kHalve{"HALVE", halveOrRaise, {.mayRaise = true}};
const NamedFunction2 kDifference{"DIFFERENCE", differenceOrRaise, {.mayRaise = true}};

// A TParser with test-only functions besides the built-ins, registered by their rows as
// the built-ins are.
class TestFunctionParser : public TParser {
 public:
  TestFunctionParser(std::initializer_list<const NamedFunction1*> rows1,
                     std::initializer_list<const NamedFunction2*> rows2, bool nativeCode) {
    for (const NamedFunction1* row : rows1) addFunction1(*row);
    for (const NamedFunction2* row : rows2) addFunction2(*row);
    setNativeCode(nativeCode);
  }
};

void expectSameOutcomes(TestFunctionParser& native, TestFunctionParser& interpreter, const char* text, int& faults) {
  native.setExpression(text);
  interpreter.setExpression(text);
  for (double x : {2.0, 1.0, 0.5, 0.0, -1.0, kInf, -kInf, kNaN}) {
    native.X() = interpreter.X() = x;
    const ValueOutcome fromNative = runValue(native);
    const ValueOutcome fromInterpreter = runValue(interpreter);
    EXPECT_EQ(fromNative, fromInterpreter) << text << " with X=" << x << "\nnative: " << describe(fromNative)
                                           << "\ninterpreter: " << describe(fromInterpreter);
    faults += !fromNative.error.empty();
  }
}

TEST(FunctionTraitsTest, ARaisingFunctionFaultsAlikeInNativeCodeAndInterpreter) {
  TestFunctionParser native({&kHalve}, {&kDifference}, true);
  TestFunctionParser interpreter({&kHalve}, {&kDifference}, false);
  int faults = 0;
  for (const char* text : {"HALVE(X)", "X*3+HALVE(X-1)*2", "LN(X)+HALVE(1-X)", "DIFFERENCE(X,1)+HALVE(X)",
                           "SQRT(X)*DIFFERENCE(X*2,2)-1", "HALVE(DIFFERENCE(X,A))+X"}) {
    expectSameOutcomes(native, interpreter, text, faults);
    EXPECT_EQ(native.runsNativeCode(), kNativePlatform) << text;
  }
  EXPECT_GE(faults, 10);

  // The fault is the routine's own, raised at its step: the step before it has stored
  // its result, the function's slot and those after it keep the last run's.
  for (TestFunctionParser* parser : {&native, &interpreter}) {
    parser->setExpression("X*3+HALVE(X-1)*2");
    parser->X() = 2;
    EXPECT_EQ(parser->Value(), 7);
    parser->X() = 0.5;
    EXPECT_THROW_MSG(parser->Value(), EDivByZero, "Division by zero");
    EXPECT_EQ(parser->resultSlots(), (std::vector<double>{-0.5, 0.5, 6, 1, 7}));
    parser->setExpression("DIFFERENCE(X,0.5)");
    EXPECT_THROW_MSG(parser->Value(), EInvalidOp, "Invalid floating point operation");
  }
}

// Any registered function runs as native code as far as its traits allow; where they ask
// for what the native code cannot do alike, the program stays with the interpreter.
TEST(FunctionTraitsTest, TraitsDecideWhetherTheNativeCodeTakesAFunction) {
  struct Case {
    const char* what;
    NamedFunction1 row1;
    NamedFunction2 row2;
    bool native;
  };
  const NamedFunction2 raising2{"G", differenceOrRaise, {.mayRaise = true}};
  const Case cases[] = {
      {"plain", {"F", magnitude, {}}, raising2, true},
      {"raising", {"F", halveOrRaise, {.mayRaise = true}}, raising2, true},
      {"drawing", {"F", magnitude, {.drawsRandomNumbers = true}}, raising2, true},
      {"inline", {"F", magnitude, {.inlineAs = InlineOp::Abs}}, raising2, true},
      // Run over by the interpreter after a fault, it would draw a second number.
      {"raising and drawing", {"F", halveOrRaise, {.mayRaise = true, .drawsRandomNumbers = true}}, raising2, false},
      // No operation of two operands is done inline.
      {"inline of two operands", {"F", magnitude, {}}, {"G", differenceOrRaise, {.inlineAs = InlineOp::Abs}}, false},
  };
  for (const Case& c : cases) {
    TestFunctionParser native({&c.row1}, {&c.row2}, true);
    TestFunctionParser interpreter({&c.row1}, {&c.row2}, false);
    int faults = 0;
    expectSameOutcomes(native, interpreter, "F(X-1)*2+G(X,2)", faults);
    EXPECT_EQ(native.runsNativeCode(), kNativePlatform && c.native) << c.what;
    EXPECT_GT(faults, 0) << c.what;
  }
}

// A step that calls a function without carrying its row's traits (a program put together
// by hand) might call anything: the native code leaves it alone.
TEST(FunctionTraitsTest, AFunctionStepWithoutTraitsIsLeftToTheInterpreter) {
  double x = -1;
  for (bool withTraits : {false, true}) {
    std::vector<double> slots{0.0};
    ProgramStep step;
    step.kind = opkind::kFunction1;
    step.a = &x;
    step.function1 = halveOrRaise;
    step.result = slots.data();
    if (withTraits) step.traits = kHalve.traits;
    CompiledProgram program(std::move(slots), {step}, 0);
    EXPECT_EQ(program.hasNativeCode(), withTraits && kNativePlatform);
    EXPECT_THROW_MSG(program.run(), EDivByZero, "Division by zero");
  }
}

}  // namespace
