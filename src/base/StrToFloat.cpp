#include <charconv>
#include <string>

#include "base/Errors.h"
#include "base/MessageText.h"
#include "base/NumberText.h"

namespace {

constexpr std::string_view kNotAFloat = "'%s' is not a valid floating point value";

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Rewrites the text in the form std::from_chars reads ('.' as the separator, no '+'), or returns
// false when it is not a number. `magnitude` receives the power of ten of the leading digit as
// written, so that an out-of-range result can be told apart as an overflow or an underflow.
bool canonicalise(std::string_view text, char separator, char* out, std::size_t& outLen,
                  long& magnitude) {
  std::size_t i = 0;
  outLen = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i++] == '-') out[outLen++] = '-';
  }
  int digits = 0;
  bool seenNonZero = false;
  magnitude = 0;
  for (; i < text.size() && isDigit(text[i]); ++i, ++digits) {
    out[outLen++] = text[i];
    seenNonZero = seenNonZero || text[i] != '0';
    if (seenNonZero) ++magnitude;
  }
  if (i < text.size() && text[i] == separator) {
    out[outLen++] = '.';
    for (++i; i < text.size() && isDigit(text[i]); ++i, ++digits) {
      out[outLen++] = text[i];
      if (!seenNonZero && text[i] == '0') --magnitude;
      seenNonZero = seenNonZero || text[i] != '0';
    }
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    out[outLen++] = 'e';
    bool negativeExponent = false;
    if (++i < text.size() && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i] == '-';
      if (negativeExponent) out[outLen++] = '-';
      ++i;
    }
    long exponent = 0;
    const std::size_t start = i;
    for (; i < text.size() && isDigit(text[i]); ++i) {
      out[outLen++] = text[i];
      if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
    }
    if (i == start) return false;
    magnitude += negativeExponent ? -exponent : exponent;
  }
  if (!seenNonZero) magnitude = 0;
  return i == text.size();
}

}  // namespace

static std::optional<double> readWithSeparator(std::string_view text, char separator) {
  text = trimBlanks(text);
  char local[64];
  std::string large;
  char* buf = local;
  if (text.size() >= sizeof local) {
    large.resize(text.size() + 1);
    buf = large.data();
  }
  std::size_t len = 0;
  long magnitude = 0;
  if (!canonicalise(text, separator, buf, len, magnitude)) return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(buf, buf + len, value);
  if (ec == std::errc::result_out_of_range && magnitude <= 0) return buf[0] == '-' ? -0.0 : 0.0;
  if (ec != std::errc() || end != buf + len) return std::nullopt;
  return value;
}

std::optional<double> tryStrToFloat(std::string_view text) {
  return readWithSeparator(text, decimalSeparator());
}

std::optional<double> tryReadFileNumber(std::string_view text) {
  return readWithSeparator(text, '.');
}

double strToFloat(std::string_view text) {
  if (const auto value = tryStrToFloat(text)) return *value;
  throw EConvertError(formatMessage(kNotAFloat, {text}));
}
