#pragma once

#include <array>
#include <string>

// A finite double as a short decimal: ±0.d1d2...dn × 10^pointPos with no leading or trailing
// zero digit; no digits at all means zero. The number texts round on these digits, never on the
// binary value, so that 0.1 + 0.2 reads 0.3 and a half rounds away from zero.
class DecimalDigits {
 public:
  static constexpr int kSignificant = 15;

  // The value rounded half away from zero to 15 significant digits.
  explicit DecimalDigits(double finiteValue);

  // Keeps at most `count` leading digits, rounding half away from zero; a count of zero or less
  // leaves zero or a single unit at the first dropped place.
  void roundToDigits(int count);
  void roundToDecimals(int decimals) { roundToDigits(m_pointPos + decimals); }

  bool isZero() const { return m_count == 0; }
  bool showsMinus() const { return m_negative && m_count > 0; }
  int pointPos() const { return m_pointPos; }

  // Moves the decimal point so that `intDigits` digits precede it; returns the power of ten that
  // the shift took out of the value (the exponent of scientific notation). Zero stays unshifted.
  int shiftPoint(int intDigits);

  // Appends the digits in fixed notation without a sign: at least `minIntDigits` integer digits,
  // groups of three separated by `groupSeparator` unless it is '\0', and at least `minDecimals`
  // decimals after `decimalSeparator`, which is left out when no decimal follows it.
  void appendFixed(std::string& out, int minIntDigits, char groupSeparator, char decimalSeparator,
                   int minDecimals) const;

 private:
  void trimTrailingZeros();
  char digit(int i) const { return i >= 0 && i < m_count ? m_digits[i] : '0'; }

  std::array<char, 24> m_digits{};
  int m_count = 0;
  int m_pointPos = 0;
  bool m_negative = false;
};

// "NAN", "INF" or "-INF" for a value that has no digits; nullptr for a finite one.
const char* nonFiniteText(double value);
