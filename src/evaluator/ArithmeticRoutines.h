#pragma once

// The arithmetic of the operation kinds that need more than one machine step, and the
// fault checks that the program runner calls when a step's result is not finite.
//
// A fault is a step that turns finite operands into an invalid result, divides a
// non-zero number by zero or overflows. A step whose operand is already an infinity or
// a NaN (only a variable can bring one in) follows IEEE arithmetic quietly; MOD, DIV and
// the exponent of an integer power still refuse it, since it has no integer value.
namespace arithmetic {

// Kind 9: b truncated to a 32-bit integer, a raised to it by repeated squaring.
double integerPower(double a, double b);
// Kind 10.
double realPower(double a, double b);
// Kinds 7 and 8 on the operands truncated to 64-bit integers.
double modulo(double a, double b);
double integerDivide(double a, double b);

// Called with a non-finite result only; each raises unless an operand was non-finite.
[[gnu::cold]] void checkOverflow(double a, double b = 0.0);
[[gnu::cold]] void checkQuotient(double a, double b);
[[gnu::cold]] void checkFunction(double result, double a, double b = 0.0);

}  // namespace arithmetic
