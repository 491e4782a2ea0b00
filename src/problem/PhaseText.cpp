#include "problem/PhaseText.h"

#include "base/UserDialogs.h"
#include "evaluator/NumberRecogniser.h"
#include "evaluator/TParser.h"
#include "problem/ProblemMessages.h"

namespace {
bool isControl(char c) { return static_cast<unsigned char>(c) <= 32; }
}  // namespace

std::string RemoveBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (!isControl(c)) out += c;
  return out;
}

std::string trimControls(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && isControl(text[begin])) ++begin;
  while (end > begin && isControl(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

std::vector<std::string> memoLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::vector<std::string> splitAtSemicolons(std::string_view text) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (std::size_t pos = text.find(';'); pos != std::string_view::npos;
       pos = text.find(';', start)) {
    pieces.emplace_back(text.substr(start, pos - start));
    start = pos + 1;
  }
  if (start < text.size()) pieces.emplace_back(text.substr(start));
  return pieces;
}

namespace {
// A lower-case exponent letter is taken as well: "1e3" is what users type.
std::string numberText(std::string_view text) {
  std::string number = upperCase(text);
  if (const auto comma = number.find(','); comma != std::string::npos) number[comma] = '.';
  return number;
}
}  // namespace

std::optional<double> ReadNumber(std::string_view text, UserDialogs& dialogs) {
  if (auto value = recogniseNumber(numberText(text), /*allowPi=*/false)) return value;
  dialogs.message(std::string(problem_messages::kInvalidNumber) + std::string(text));
  return std::nullopt;
}

double readNumberOr(std::string_view text, double fallback) {
  return recogniseNumber(numberText(text), /*allowPi=*/false).value_or(fallback);
}

double PointPhaseX(std::string_view piece) {
  const std::string upper = upperCase(piece);
  const auto at = upper.find("X=");
  if (at == std::string::npos) return -1;
  const std::string expression = trimControls(std::string_view(upper).substr(at + 2, 100));
  TParser parser;
  parser.setExpression(expression);
  const double x = parser.Value();
  return x > 1 ? -1 : x;
}
