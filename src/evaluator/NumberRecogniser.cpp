#include "evaluator/NumberRecogniser.h"

#include <charconv>
#include <limits>
#include <string>

namespace {

constexpr double kPi = 3.141592653589793;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The parts of a number text, located by the grammar before conversion.
struct NumberParts {
  bool negative = false;
  std::string_view intDigits;
  std::string_view fracDigits;
  bool expNegative = false;
  std::string_view expDigits;
};

std::optional<NumberParts> splitNumber(std::string_view s, std::size_t decimalPos) {
  NumberParts parts;
  std::size_t i = 0;
  if (s.empty()) return std::nullopt;
  if (s[0] == '+' || s[0] == '-') {
    parts.negative = s[0] == '-';
    if (++i == s.size()) return std::nullopt;
  }
  std::size_t start = i;
  while (i < s.size() && isDigit(s[i])) ++i;
  parts.intDigits = s.substr(start, i - start);
  if (i < s.size() && (s[i] == '.' || i == decimalPos)) {
    start = ++i;
    while (i < s.size() && isDigit(s[i])) ++i;
    parts.fracDigits = s.substr(start, i - start);
  }
  if (i < s.size() && s[i] == 'E') {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) parts.expNegative = s[i++] == '-';
    start = i;
    while (i < s.size() && isDigit(s[i])) ++i;
    parts.expDigits = s.substr(start, i - start);
    if (parts.expDigits.empty()) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  return parts;
}

// Decimal exponent of the leading significant digit, saturated far outside the double
// range; nullopt when the mantissa is zero.
std::optional<long long> leadingExponent(const NumberParts& p) {
  long long lead = 0;
  std::size_t k = p.intDigits.find_first_not_of('0');
  if (k != std::string_view::npos) {
    lead = static_cast<long long>(p.intDigits.size() - k) - 1;
  } else {
    k = p.fracDigits.find_first_not_of('0');
    if (k == std::string_view::npos) return std::nullopt;
    lead = -static_cast<long long>(k) - 1;
  }
  long long exponent = 0;
  for (char c : p.expDigits) {
    exponent = exponent * 10 + (c - '0');
    if (exponent > 100000) break;
  }
  return lead + (p.expNegative ? -exponent : exponent);
}

std::optional<double> convert(const NumberParts& p) {
  const double sign = p.negative ? -1.0 : 1.0;
  const std::optional<long long> lead = leadingExponent(p);
  if (!lead) return sign * 0.0;
  if (*lead > 400) return std::nullopt;
  if (*lead < -400) return sign * 0.0;
  std::string text;
  text.reserve(p.intDigits.size() + p.fracDigits.size() + p.expDigits.size() + 8);
  if (p.negative) text += '-';
  text += p.intDigits.empty() ? std::string_view("0") : p.intDigits;
  if (!p.fracDigits.empty()) (text += '.') += p.fracDigits;
  if (!p.expDigits.empty()) {
    text += p.expNegative ? "e-" : "e";
    text += p.expDigits;
  }
  double value = 0.0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (*lead > 0) return std::nullopt;
    return sign * 0.0;
  }
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value == std::numeric_limits<double>::infinity() ||
      value == -std::numeric_limits<double>::infinity())
    return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> recogniseNumber(std::string_view text, bool allowPi,
                                      bool numberFormatSwitch) {
  if (allowPi) {
    if (text == "PI") return kPi;
    if (text == "-PI") return -kPi;
  }
  std::size_t decimalPos = std::string_view::npos;
  if (numberFormatSwitch) {
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32) text.remove_suffix(1);
    decimalPos = text.find(',');
  }
  const std::optional<NumberParts> parts = splitNumber(text, decimalPos);
  if (!parts) return std::nullopt;
  return convert(*parts);
}
