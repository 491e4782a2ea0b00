#include "base/DecimalDigits.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {
// Digits taken from the binary value before the decimal rounding; the extra ones let a decimal
// half (such as 0.001953125) be seen as a half.
constexpr int kRawDigits = 18;
}  // namespace

DecimalDigits::DecimalDigits(double finiteValue) : m_negative(std::signbit(finiteValue)) {
  if (finiteValue == 0) return;
  char buf[40];
  // "d.ddddddddddddddddde±xx"
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(finiteValue),
                           std::chars_format::scientific, kRawDigits - 1);
  m_digits[0] = buf[0];
  for (int i = 1; i < kRawDigits; ++i) m_digits[i] = buf[i + 1];
  m_count = kRawDigits;
  const char* expText = buf + kRawDigits + 2;
  if (*expText == '+') ++expText;
  int exponent = 0;
  std::from_chars(expText, res.ptr, exponent);
  m_pointPos = exponent + 1;
  roundToDigits(kSignificant);
  trimTrailingZeros();
}

void DecimalDigits::roundToDigits(int count) {
  if (count >= m_count) return;
  const bool up = count >= 0 && m_digits[count] >= '5';
  m_count = count < 0 ? 0 : count;
  if (up) {
    int i = m_count - 1;
    while (i >= 0 && m_digits[i] == '9') --i;
    if (i >= 0) {
      ++m_digits[i];
      m_count = i + 1;
    } else {
      m_digits[0] = '1';
      m_count = 1;
      ++m_pointPos;
    }
  }
  trimTrailingZeros();
}

void DecimalDigits::trimTrailingZeros() {
  while (m_count > 0 && m_digits[m_count - 1] == '0') --m_count;
  if (m_count == 0) m_pointPos = 0;
}

int DecimalDigits::shiftPoint(int intDigits) {
  if (isZero()) return 0;
  const int exponent = m_pointPos - intDigits;
  m_pointPos = intDigits;
  return exponent;
}

void DecimalDigits::appendFixed(std::string& out, int minIntDigits, char groupSeparator,
                                char decimalSeparator, int minDecimals) const {
  const int intLen = std::max(m_pointPos, 0);
  const int intWidth = std::max(intLen, minIntDigits);
  for (int i = intLen - intWidth; i < intLen; ++i) {
    const int left = intLen - i;  // digits from here to the decimal point
    if (groupSeparator != '\0' && i > intLen - intWidth && left % 3 == 0) out += groupSeparator;
    out += digit(i);
  }
  const int decimals = std::max(m_count - m_pointPos, minDecimals);
  if (decimals <= 0) return;
  out += decimalSeparator;
  for (int i = m_pointPos; i < m_pointPos + decimals; ++i) out += digit(i);
}

const char* nonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  return nullptr;
}
