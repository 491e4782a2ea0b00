#include "evaluator/BuiltinFunctions.h"

#include "evaluator/EvaluatorErrors.h"

#include <cmath>
#include <random>

namespace {

constexpr double kTwoPow63 = 9223372036854775808.0;

// SIN and COS give 0 outside the argument range of the x87 instructions they came from.
double fnSin(double x) { return std::fabs(x) >= kTwoPow63 ? 0.0 : std::sin(x); }
double fnCos(double x) { return std::fabs(x) >= kTwoPow63 ? 0.0 : std::cos(x); }
double fnTan(double x) { return std::tan(x); }
double fnArctan(double x) { return std::atan(x); }
double fnSinh(double x) { return (std::exp(x) - std::exp(-x)) * 0.5; }
double fnCosh(double x) { return (std::exp(x) + std::exp(-x)) * 0.5; }
double fnExp(double x) { return std::exp(x); }
// LN(0) = 0 keeps the ideal-mixing term defined at X = 0 and X = 1.
double fnLn(double x) { return x == 0.0 ? 0.0 : std::log(x); }
double fnSqrt(double x) { return std::sqrt(x); }
double fnAbs(double x) { return std::fabs(x); }
double fnHeav(double x) { return x >= 0.0 ? 1.0 : 0.0; }
double fnSign(double x) { return x < 0.0 ? -1.0 : (x == 0.0 ? 0.0 : (x > 0.0 ? 1.0 : x)); }
double fnZero(double x) { return x == 0.0 ? 0.0 : 1.0; }

// a = x / (2/pi) counts quarter turns; (a - round(a)) * 2*pi, halves rounded to even.
double fnPh(double x) {
  const double a = x / 0.6366197723675813431;
  if (!std::isfinite(a) && std::isfinite(x)) throw EOverflow();
  return (a - std::nearbyint(a)) * 6.283185307179586477;
}

double fnRnd(double x) { return std::trunc(x) * nextRandomFraction(); }

double fnMax(double a, double b) { return a >= b ? a : b; }
double fnMin(double a, double b) { return a >= b ? b : a; }

// SQRT and ABS are one IEEE operation each (square root, clearing the sign bit). PH
// raises its overflow itself; RND's number is finite for a finite operand.
constexpr FunctionTraits kPlain{};
constexpr FunctionTraits kMayRaise{.mayRaise = true};
constexpr FunctionTraits kDrawsRandomNumbers{.drawsRandomNumbers = true};
constexpr FunctionTraits kSqrtInline{.inlineAs = InlineOp::Sqrt};
constexpr FunctionTraits kAbsInline{.inlineAs = InlineOp::Abs};

}  // namespace

double nextRandomFraction() {
  static std::mt19937_64 generator;
  return static_cast<double>(generator() >> 11) * 0x1.0p-53;
}

std::span<const NamedFunction1> builtinFunctions1() {
  static constexpr NamedFunction1 functions[] = {
      {"TAN", fnTan, kPlain},
      {"SIN", fnSin, kPlain},
      {"COS", fnCos, kPlain},
      {"SINH", fnSinh, kPlain},
      {"COSH", fnCosh, kPlain},
      {"ARCTAN", fnArctan, kPlain},
      {"EXP", fnExp, kPlain},
      {"LN", fnLn, kPlain},
      {"SQRT", fnSqrt, kSqrtInline},
      {"ABS", fnAbs, kAbsInline},
      {"HEAV", fnHeav, kPlain},
      {"SIGN", fnSign, kPlain},
      {"ZERO", fnZero, kPlain},
      {"PH", fnPh, kMayRaise},
      {"RND", fnRnd, kDrawsRandomNumbers},
  };
  return functions;
}

std::span<const NamedFunction2> builtinFunctions2() {
  static constexpr NamedFunction2 functions[] = {{"MAX", fnMax, kPlain}, {"MIN", fnMin, kPlain}};
  return functions;
}
