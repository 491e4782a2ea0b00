#include "tdb/DescriptionWriter.h"

namespace {

// Lines are cut between the terms of the outer sum once this long (one temperature range
// each, as a rule), and anywhere between terms once the longer length is reached.
constexpr std::size_t kOuterCut = 40;
constexpr std::size_t kAnyCut = 100;

// A "+" or "-" between two terms, not a sign or an exponent's.
bool joinsTerms(const std::string& text, std::size_t i) {
  if (i == 0 || (text[i] != '+' && text[i] != '-')) return false;
  const char before = text[i - 1];
  return before != 'E' && before != '(' && before != '*' && before != '/' && before != '^' &&
         before != ',' && before != '=';
}

}  // namespace

std::string writeDescriptionLine(const DescriptionLine& line) {
  std::string out;
  for (const auto& comment : line.comments) out += comment + "\n";
  const std::string text = line.head + line.expression;
  std::size_t start = 0;
  std::size_t lastFit = 0;  // the last cut that keeps the line within kAnyCut
  int depth = 0;
  const auto cut = [&](std::size_t at) {
    out += text.substr(start, at - start) + " ...\n  ";
    start = at;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') ++depth;
    if (text[i] == ')') --depth;
    if (!joinsTerms(text, i)) continue;
    if (i - start > kAnyCut && lastFit > start) cut(lastFit);
    if (depth == 0 && i - start >= kOuterCut) cut(i);
    else lastFit = i;
  }
  if (text.size() - start > kAnyCut && lastFit > start) cut(lastFit);
  return out + text.substr(start) + "\n";
}
