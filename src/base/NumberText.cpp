#include "base/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/DecimalDigits.h"

namespace {
char g_decimalSeparator = '.';
char g_thousandsSeparator = ',';

// Above this many integer digits, or below 1e-5, the general format turns scientific.
constexpr int kGeneralMaxIntDigits = 15;
constexpr int kGeneralMinPointPos = -4;  // 0.00001 = 0.1 × 10^-4
constexpr int kMaxIntDigits = 309;  // of the largest double
}  // namespace

void setDecimalSeparator(char separator) { g_decimalSeparator = separator; }
char decimalSeparator() { return g_decimalSeparator; }
void setThousandsSeparator(char separator) { g_thousandsSeparator = separator; }
char thousandsSeparator() { return g_thousandsSeparator; }

std::string formatGeneral(double value) {
  if (const char* text = nonFiniteText(value)) return text;
  DecimalDigits d(value);
  std::string out;
  if (d.showsMinus()) out += '-';
  if (d.isZero() || (d.pointPos() <= kGeneralMaxIntDigits && d.pointPos() >= kGeneralMinPointPos)) {
    d.appendFixed(out, 1, '\0', g_decimalSeparator, 0);
    return out;
  }
  const int exponent = d.shiftPoint(1);
  d.appendFixed(out, 1, '\0', g_decimalSeparator, 0);
  out += 'E';
  out += formatInt(exponent);
  return out;
}

std::string formatFixed(double value, int decimals) {
  if (const char* text = nonFiniteText(value)) return text;
  decimals = std::max(decimals, 0);
  std::string out(kMaxIntDigits + 2 + decimals, '\0');
  const auto res = std::to_chars(out.data(), out.data() + out.size(), value,
                                 std::chars_format::fixed, decimals);
  out.resize(res.ptr - out.data());
  if (const auto point = out.find('.'); point != std::string::npos) out[point] = g_decimalSeparator;
  return out;
}

std::string formatScientific(double value, int significantDigits, int minExponentDigits) {
  if (const char* text = nonFiniteText(value)) return text;
  const int precision = std::max(significantDigits, 1) - 1;
  std::string out(precision + 16, '\0');
  const auto res = std::to_chars(out.data(), out.data() + out.size(), value,
                                 std::chars_format::scientific, precision);
  out.resize(res.ptr - out.data());  // "[-]d[.ddd]e±xx"
  const std::size_t e = out.find('e');
  if (const auto point = out.find('.'); point != std::string::npos) out[point] = g_decimalSeparator;
  const char sign = out[e + 1];
  std::string exponent = out.substr(e + 2);
  out.resize(e);
  out += 'E';
  out += sign;
  if (static_cast<int>(exponent.size()) < minExponentDigits) {
    out.append(minExponentDigits - exponent.size(), '0');
  }
  out += exponent;
  return out;
}

std::string formatReadout(double value) {
  constexpr std::size_t kWidth = 12;
  if (std::fabs(value) >= 1) return padRight(formatFixed(value, 3), kWidth);
  return padRight(formatScientific(value, 5, 3), kWidth);
}

std::string padRight(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string formatShortest(double value) {
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, res.ptr);
}

std::string formatInt(long long value) {
  char buf[24];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, res.ptr);
}
