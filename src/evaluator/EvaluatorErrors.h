#pragma once

#include "evaluator/EvaluatorMessages.h"

#include <stdexcept>
#include <string>

// Root of everything the evaluator raises; className() names the class for scripts
// (vantle-cli eval --json), since what() carries only the user's message.
class EEvaluatorError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  virtual const char* className() const noexcept = 0;
};

// Error class NAME, derived from BASE, whose className() is "NAME". Given a TEXT, NAME is
// built without arguments and always carries that text; without one, NAME is built from
// the message its thrower gives.
#define VANTLE_EVALUATOR_ERROR(NAME, BASE, ...)                          \
  class NAME : public BASE {                                             \
   public:                                                               \
    using BASE::BASE;                                                    \
    __VA_OPT__(NAME() : BASE(__VA_ARGS__) {}                             \
               explicit NAME(const std::string&) = delete;               \
               explicit NAME(const char*) = delete;)                     \
    const char* className() const noexcept override { return #NAME; }   \
  }

// Compile errors.
VANTLE_EVALUATOR_ERROR(EMathParserError, EEvaluatorError);
VANTLE_EVALUATOR_ERROR(EExpressionHasBlanks, EMathParserError, evaluatormsg::kExpressionHasBlanks);
VANTLE_EVALUATOR_ERROR(EMissMatchingBracket, EMathParserError, evaluatormsg::kMissingBrackets);
VANTLE_EVALUATOR_ERROR(ESyntaxError, EMathParserError);
VANTLE_EVALUATOR_ERROR(ETooManyNestings, EMathParserError, evaluatormsg::kTooManyNestings);
VANTLE_EVALUATOR_ERROR(EExpressionTooComplex, EMathParserError, evaluatormsg::kTooComplex);
VANTLE_EVALUATOR_ERROR(EParserInternalError, EMathParserError, evaluatormsg::kInternalError);
// A variable name that is no identifier; the message is the name itself.
VANTLE_EVALUATOR_ERROR(EBadName, EMathParserError);

// Faults while running a compiled expression.
VANTLE_EVALUATOR_ERROR(EMathError, EEvaluatorError);
VANTLE_EVALUATOR_ERROR(EInvalidOp, EMathError, evaluatormsg::kInvalidOp);
VANTLE_EVALUATOR_ERROR(EZeroDivide, EMathError, evaluatormsg::kZeroDivide);
VANTLE_EVALUATOR_ERROR(EOverflow, EMathError, evaluatormsg::kOverflow);
// Integer division by zero in MOD or DIV.
VANTLE_EVALUATOR_ERROR(EDivByZero, EMathError, evaluatormsg::kDivByZero);

#undef VANTLE_EVALUATOR_ERROR
