#include "evaluator/ArithmeticRoutines.h"

#include "evaluator/EvaluatorErrors.h"

#include <cmath>
#include <cstdint>

namespace arithmetic {
namespace {

bool finite(double v) { return std::isfinite(v); }

double checkedProduct(double a, double b) {
  const double v = a * b;
  if (!finite(v)) throw EOverflow();
  return v;
}

// Repeated squaring; every product of finite factors is checked for overflow.
double powerBySquaring(double a, std::int32_t n, bool checked) {
  if (n == 0) return 1.0;
  std::uint32_t bits = n < 0 ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
  double result = 1.0;
  double factor = a;
  for (;;) {
    if (bits & 1u) result = checked ? checkedProduct(result, factor) : result * factor;
    bits >>= 1;
    if (bits == 0) break;
    factor = checked ? checkedProduct(factor, factor) : factor * factor;
  }
  if (n > 0) return result;
  if (checked && result == 0.0) throw EZeroDivide();
  const double inverse = 1.0 / result;
  if (checked && !finite(inverse)) throw EOverflow();
  return inverse;
}

std::int64_t toInt64(double v) {
  const double t = std::trunc(v);
  if (!(t >= -9223372036854775808.0 && t < 9223372036854775808.0)) throw EInvalidOp();
  return static_cast<std::int64_t>(t);
}

}  // namespace

double integerPower(double a, double b) {
  const double t = std::trunc(b);
  if (!(t >= -2147483648.0 && t <= 2147483647.0)) throw EInvalidOp();
  return powerBySquaring(a, static_cast<std::int32_t>(t), finite(a));
}

double realPower(double a, double b) {
  if (b == 0.0) return 1.0;
  if (a == 0.0 && b > 0.0) return 0.0;
  if (std::trunc(b) == b && std::fabs(b) <= 2147483647.0)
    return powerBySquaring(a, static_cast<std::int32_t>(b), finite(a));
  if (!finite(a) || !finite(b)) return std::exp(b * std::log(a));
  // exp(b * ln a), each step checked: ln of a negative base or of zero, then overflow.
  if (a < 0.0) throw EInvalidOp();
  if (a == 0.0) throw EZeroDivide();
  const double exponent = checkedProduct(b, std::log(a));
  const double v = std::exp(exponent);
  if (!finite(v)) throw EOverflow();
  return v;
}

double modulo(double a, double b) {
  const std::int64_t x = toInt64(a);
  const std::int64_t y = toInt64(b);
  if (y == 0) throw EDivByZero();
  if (y == -1) return 0.0;
  return static_cast<double>(x % y);
}

double integerDivide(double a, double b) {
  const std::int64_t x = toInt64(a);
  const std::int64_t y = toInt64(b);
  if (y == 0) throw EDivByZero();
  // -2^63 DIV -1 is 2^63, which a double holds exactly though an int64 does not.
  if (y == -1 && x == INT64_MIN) return 9223372036854775808.0;
  return static_cast<double>(x / y);
}

void checkOverflow(double a, double b) {
  if (finite(a) && finite(b)) throw EOverflow();
}

void checkQuotient(double a, double b) {
  if (!finite(a) || !finite(b)) return;
  if (b != 0.0) throw EOverflow();
  if (a == 0.0) throw EInvalidOp();
  throw EZeroDivide();
}

void checkFunction(double result, double a, double b) {
  if (!finite(a) || !finite(b)) return;
  if (std::isnan(result)) throw EInvalidOp();
  throw EOverflow();
}

}  // namespace arithmetic
