#include <stdexcept>

#include "base/DecimalDigits.h"
#include "base/NumberText.h"

namespace {

struct FloatPattern {
  int intZeros = 0;   // mandatory integer digits
  int intDigits = 0;  // all integer placeholders: the mantissa's integer digits in scientific form
  bool grouping = false;
  int minDecimals = 0;
  int maxDecimals = 0;
  char exponentLetter = '\0';  // '\0': fixed notation
  bool exponentPlus = false;
  int exponentDigits = 0;
};

[[noreturn]] void badPattern(std::string_view pattern) {
  throw std::invalid_argument("unsupported float pattern \"" + std::string(pattern) + "\"");
}

FloatPattern parsePattern(std::string_view pattern) {
  FloatPattern p;
  bool afterPoint = false;
  std::size_t i = 0;
  for (; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == 'e' || c == 'E') break;
    if (c == '.' && !afterPoint) {
      afterPoint = true;
    } else if (c == ',' && !afterPoint) {
      p.grouping = true;
    } else if (c == '0' || c == '#') {
      if (afterPoint) {
        ++p.maxDecimals;
        if (c == '0') p.minDecimals = p.maxDecimals;
      } else {
        ++p.intDigits;
        if (c == '0') ++p.intZeros;
      }
    } else {
      badPattern(pattern);
    }
  }
  if (i == pattern.size()) return p;
  p.exponentLetter = pattern[i++];
  if (i == pattern.size() || (pattern[i] != '-' && pattern[i] != '+')) badPattern(pattern);
  p.exponentPlus = pattern[i++] == '+';
  for (; i < pattern.size() && pattern[i] == '0'; ++i) ++p.exponentDigits;
  if (i != pattern.size()) badPattern(pattern);
  return p;
}

void appendExponent(std::string& out, const FloatPattern& p, int exponent) {
  out += p.exponentLetter;
  if (exponent < 0) {
    out += '-';
  } else if (p.exponentPlus) {
    out += '+';
  }
  const std::string digits = formatInt(exponent < 0 ? -exponent : exponent);
  if (static_cast<int>(digits.size()) < p.exponentDigits) {
    out.append(p.exponentDigits - digits.size(), '0');
  }
  out += digits;
}

}  // namespace

std::string formatFloat(std::string_view pattern, double value) {
  const FloatPattern p = parsePattern(pattern);
  if (const char* text = nonFiniteText(value)) return text;
  DecimalDigits d(value);
  std::string out;
  if (p.exponentLetter == '\0') {
    d.roundToDecimals(p.maxDecimals);
    if (d.showsMinus()) out += '-';
    d.appendFixed(out, p.intZeros, p.grouping ? thousandsSeparator() : '\0', decimalSeparator(),
                  p.minDecimals);
    return out;
  }
  d.roundToDigits(p.intDigits + p.maxDecimals);
  if (d.showsMinus()) out += '-';
  const int exponent = d.shiftPoint(p.intDigits);
  d.appendFixed(out, p.intZeros, '\0', decimalSeparator(), p.minDecimals);
  appendExponent(out, p, exponent);
  return out;
}
