#include "evaluator/EvaluatorErrors.h"

#include "support/ExpectThrowMsg.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

namespace {

// A class with a fixed text takes no other; the others take their thrower's message.
static_assert(!std::is_constructible_v<EOverflow, const char*> && !std::is_constructible_v<EOverflow, std::string>);
static_assert(std::is_constructible_v<ESyntaxError, std::string> && !std::is_default_constructible_v<ESyntaxError>);

struct ErrorCase {
  void (*raise)();
  const char* className;
  const char* what;
  bool compileError;  // an EMathParserError, else an EMathError
};

// Scripts read the class names and users the texts (vantle-cli eval --json shows both).
TEST(EvaluatorErrorsTest, EachClassKeepsItsNameTextAndBranch) {
  const ErrorCase cases[] = {
      {[] { throw EMathParserError("given"); }, "EMathParserError", "given", true},
      {[] { throw EExpressionHasBlanks(); }, "EExpressionHasBlanks", "Expression has blanks", true},
      {[] { throw EMissMatchingBracket(); }, "EMissMatchingBracket", "Missing brackets in expression", true},
      {[] { throw ESyntaxError("Error parsing expression:\rX+"); }, "ESyntaxError", "Error parsing expression:\rX+", true},
      {[] { throw ETooManyNestings(); }, "ETooManyNestings", "Expression contains too many nestings", true},
      {[] { throw EExpressionTooComplex(); }, "EExpressionTooComplex", "Expression is too complex", true},
      {[] { throw EParserInternalError(); }, "EParserInternalError", "TParser internal error", true},
      {[] { throw EBadName(std::string("2X")); }, "EBadName", "2X", true},
      {[] { throw EMathError("given"); }, "EMathError", "given", false},
      {[] { throw EInvalidOp(); }, "EInvalidOp", "Invalid floating point operation", false},
      {[] { throw EZeroDivide(); }, "EZeroDivide", "Floating point division by zero", false},
      {[] { throw EOverflow(); }, "EOverflow", "Floating point overflow", false},
      {[] { throw EDivByZero(); }, "EDivByZero", "Division by zero", false},
  };
  for (const ErrorCase& c : cases) {
    try {
      c.raise();
    } catch (const EEvaluatorError& e) {
      EXPECT_STREQ(e.className(), c.className);
    }
    if (c.compileError) EXPECT_THROW_MSG(c.raise(), EMathParserError, c.what);
    else EXPECT_THROW_MSG(c.raise(), EMathError, c.what);
  }
}

}  // namespace
