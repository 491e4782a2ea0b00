#include "problem/PhaseDescription.h"

#include "base/NumberText.h"
#include "base/UserDialogs.h"
#include "evaluator/TParser.h"
#include "problem/DescriptionSettings.h"
#include "problem/PhaseLists.h"
#include "problem/PhaseText.h"
#include "problem/ProblemMessages.h"

#include <charconv>

namespace msg = problem_messages;

namespace {

constexpr double kGasConstant = 8.31441;
constexpr const char* kIdealMixing = "-8.31441*(X*Ln(X)+(1-X)*ln(1-X))";

bool beginsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// Cuts a line at its first "%": the rest is a comment.
void cutComment(std::string& line) {
  if (const auto percent = line.find('%'); percent != std::string::npos) line.erase(percent);
}

}  // namespace

double roundTo15Digits(double value) {
  char buffer[40];
  // Most values have a short exact decimal form (a whole number, a typed constant): those
  // are their own rounding, and the shortest form is cheap to get.
  const auto shortest = std::to_chars(buffer, buffer + sizeof buffer, value);
  int digits = 0;
  bool leading = true;
  for (const char* c = buffer; c != shortest.ptr && *c != 'e'; ++c) {
    if (*c < '0' || *c > '9') continue;
    if (leading && *c == '0') continue;
    leading = false;
    ++digits;
  }
  if (digits <= 15) return value;
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                     std::chars_format::scientific, 14);
  double rounded = value;
  std::from_chars(buffer, written.ptr, rounded);
  return rounded;
}

PhaseDescription::PhaseDescription(PhaseLists& lists, TParser& sidParser,
                                   DescriptionSettings& settings, UserDialogs& dialogs)
    : m_lists(lists), m_sid(sidParser), m_settings(settings), m_dialogs(dialogs) {}

void PhaseDescription::start() {
  m_settings.XCaption.clear();
  m_settings.YCaption.clear();
  m_settings.Xmin = 0;
  m_settings.Xmax = 1;
  m_settings.PValue = 1;
  m_settings.TValue = 300;
  m_lists.clear();
  m_sid.SetVariable("R", kGasConstant);
  m_sid.setExpression(kIdealMixing);
  m_sid.SetVariable("p", 1);
}

bool PhaseDescription::ParsePhaseText(std::string_view functs) {
  start();
  const std::vector<std::string> lines = memoLines(functs);
  for (std::size_t index = 0; index < lines.size(); ++index)
    if (!parseLine(lines[index], lines, index)) return false;
  return true;
}

bool PhaseDescription::parseLine(std::string line, const std::vector<std::string>& lines,
                                 std::size_t& index) {
  line = trimControls(line);
  cutComment(line);
  if (line.empty()) return true;
  std::string upper = upperCase(line);
  // Captions keep their blanks; the directive is taken to be the line's first six characters.
  if (contains(upper, "#XCAP=")) {
    m_settings.XCaption = line.substr(6);
    return true;
  }
  if (contains(upper, "#YCAP=")) {
    m_settings.YCaption = line.substr(6);
    return true;
  }
  line = RemoveBlanks(line);
  upper = upperCase(line);
  const struct {
    const char* key;
    bool anywhere;
    double& setting;
  } directives[] = {{"#XMIN=", true, m_settings.Xmin},
                    {"#XMAX=", true, m_settings.Xmax},
                    {"P=", false, m_settings.PValue},
                    {"T=", false, m_settings.TValue}};
  for (const auto& d : directives) {
    if (d.anywhere ? contains(upper, d.key) : beginsWith(upper, d.key)) {
      const std::string rest = line.substr(std::string_view(d.key).size());
      if (!rest.empty())
        if (auto value = ReadNumber(rest, m_dialogs)) d.setting = *value;
      return true;
    }
  }
  // Continuation lines: "..." joins the next line to this one.
  while (contains(line, "...")) {
    line.erase(line.find("..."));
    if (index + 1 >= lines.size()) break;
    line += RemoveBlanks(lines[++index]);
    cutComment(line);
    if (line.empty()) return true;
  }
  upper = upperCase(line);

  const bool solution = beginsWith(upper, "GL") || beginsWith(upper, "GV") || beginsWith(upper, "GS");
  const bool sid = !solution && beginsWith(upper, "SID");
  const bool point = !solution && !sid && (beginsWith(upper, "GC") || beginsWith(upper, "X="));
  double x = -1;
  if (point && !isolatePointPhase(line, x)) return false;

  const auto equals = line.find('=');
  if (equals == std::string::npos) return true;  // defines nothing
  const std::string name = upperCase(line.substr(0, equals));
  const std::string expression = line.substr(equals + 1);
  if (solution) addSolutionPhase(name, expression);
  else if (sid) m_sid.setExpression(expression);
  else if (point) addPointPhase(name, expression, x);
  else addVariable(name, expression);
  return true;
}

bool PhaseDescription::isolatePointPhase(std::string& line, double& x) {
  std::vector<std::string> pieces = splitAtSemicolons(upperCase(line));
  x = -1;
  // From the last piece to the first, so that the first "X=" piece counts.
  for (std::size_t i = pieces.size(); i-- > 0;) {
    if (beginsWith(pieces[i], "X=")) {
      x = PointPhaseX(pieces[i]);
      pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  if (x < 0) {
    m_dialogs.warning(msg::kPointPhaseX);
    return false;
  }
  if (pieces.empty()) {
    m_dialogs.warning(msg::kPointPhaseG);
    return false;
  }
  line = pieces.front();
  return true;
}

void PhaseDescription::evaluateVariables(double x) {
  m_lists.VariableValues.clear();
  for (auto& variable : m_lists.Variables) {
    TParser& parser = *variable.parser;
    parser.SetVariable("X", x);
    parser.SetVariable("T", m_settings.TValue);
    parser.SetVariable("p", m_settings.PValue);
    parser.SetVariable("Sid", m_settings.SidValue);
    m_lists.VariableValues.push_back(roundTo15Digits(parser.Value()));
  }
}

void PhaseDescription::addSolutionPhase(const std::string& name, const std::string& expression) {
  auto parser = std::make_unique<TParser>();
  parser->SetVariable("R", kGasConstant);
  parser->SetVariable("T", 500);
  parser->SetVariable("p", 1);
  parser->SetVariable("X", 0.5);
  parser->SetVariable("Sid", 0.5);
  if (!m_lists.Variables.empty()) {
    if (m_lists.VariableValues.size() < m_lists.Variables.size()) evaluateVariables(0.5);
    for (std::size_t i = 0; i < m_lists.Variables.size(); ++i)
      parser->SetVariable(m_lists.Variables[i].text, m_lists.VariableValues[i]);
  }
  parser->setExpression(expression);
  const std::string phase = name.substr(1);
  parser->SetVariable(phase, 0);
  m_lists.SolutionPhases.push_back({phase, std::move(parser)});
}

void PhaseDescription::addPointPhase(const std::string& name, const std::string& expression,
                                     double x) {
  if (expression.empty()) return;
  auto parser = std::make_unique<TParser>();
  parser->SetVariable("R", kGasConstant);
  parser->SetVariable("p", 1);
  parser->SetVariable("X", x);
  parser->SetVariable("Sid", 0.5);
  parser->setExpression(expression);
  parser->SetVariable(name, 0);
  m_lists.PointPhases.push_back({formatGeneral(x), std::move(parser)});
}

void PhaseDescription::addVariable(const std::string& name, const std::string& expression) {
  auto parser = std::make_unique<TParser>();
  parser->SetVariable("R", kGasConstant);
  parser->SetVariable("p", 1);
  parser->SetVariable("T", 300);
  parser->SetVariable("Sid", 0.5);
  parser->setExpression(expression);
  m_lists.Variables.push_back({name, std::move(parser)});
}
