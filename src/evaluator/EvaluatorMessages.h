#pragma once

// Every text the expression evaluator can show the user, in one place.
namespace evaluatormsg {

inline constexpr const char* kExpressionHasBlanks = "Expression has blanks";
inline constexpr const char* kMissingBrackets = "Missing brackets in expression";
// Followed by the term, or by its left and right text, each after a carriage return.
inline constexpr const char* kErrorParsing = "Error parsing expression:";
inline constexpr const char* kTooManyNestings = "Expression contains too many nestings";
inline constexpr const char* kTooComplex = "Expression is too complex";
inline constexpr const char* kInternalError = "TParser internal error";

inline constexpr const char* kInvalidOp = "Invalid floating point operation";
inline constexpr const char* kZeroDivide = "Floating point division by zero";
inline constexpr const char* kOverflow = "Floating point overflow";
inline constexpr const char* kDivByZero = "Division by zero";

}  // namespace evaluatormsg
