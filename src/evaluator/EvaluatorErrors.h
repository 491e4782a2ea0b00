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

#define VANTLE_EVALUATOR_ERROR(NAME, BASE)                                   \
  class NAME : public BASE {                                                 \
   public:                                                                   \
    using BASE::BASE;                                                        \
    const char* className() const noexcept override { return #NAME; }       \
  }

// Compile errors.
VANTLE_EVALUATOR_ERROR(EMathParserError, EEvaluatorError);

class EExpressionHasBlanks : public EMathParserError {
 public:
  EExpressionHasBlanks() : EMathParserError(evaluatormsg::kExpressionHasBlanks) {}
  const char* className() const noexcept override { return "EExpressionHasBlanks"; }
};

class EMissMatchingBracket : public EMathParserError {
 public:
  EMissMatchingBracket() : EMathParserError(evaluatormsg::kMissingBrackets) {}
  const char* className() const noexcept override { return "EMissMatchingBracket"; }
};

VANTLE_EVALUATOR_ERROR(ESyntaxError, EMathParserError);

class ETooManyNestings : public EMathParserError {
 public:
  ETooManyNestings() : EMathParserError(evaluatormsg::kTooManyNestings) {}
  const char* className() const noexcept override { return "ETooManyNestings"; }
};

class EExpressionTooComplex : public EMathParserError {
 public:
  EExpressionTooComplex() : EMathParserError(evaluatormsg::kTooComplex) {}
  const char* className() const noexcept override { return "EExpressionTooComplex"; }
};

class EParserInternalError : public EMathParserError {
 public:
  EParserInternalError() : EMathParserError(evaluatormsg::kInternalError) {}
  const char* className() const noexcept override { return "EParserInternalError"; }
};

// A variable name that is no identifier; the message is the name itself.
VANTLE_EVALUATOR_ERROR(EBadName, EMathParserError);

// Faults while running a compiled expression.
VANTLE_EVALUATOR_ERROR(EMathError, EEvaluatorError);

class EInvalidOp : public EMathError {
 public:
  EInvalidOp() : EMathError(evaluatormsg::kInvalidOp) {}
  const char* className() const noexcept override { return "EInvalidOp"; }
};

class EZeroDivide : public EMathError {
 public:
  EZeroDivide() : EMathError(evaluatormsg::kZeroDivide) {}
  const char* className() const noexcept override { return "EZeroDivide"; }
};

class EOverflow : public EMathError {
 public:
  EOverflow() : EMathError(evaluatormsg::kOverflow) {}
  const char* className() const noexcept override { return "EOverflow"; }
};

// Integer division by zero in MOD or DIV.
class EDivByZero : public EMathError {
 public:
  EDivByZero() : EMathError(evaluatormsg::kDivByZero) {}
  const char* className() const noexcept override { return "EDivByZero"; }
};

#undef VANTLE_EVALUATOR_ERROR
