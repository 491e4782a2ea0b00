#include "tdb/DescriptionProbe.h"

#include "base/UserDialogs.h"
#include "problem/PhaseText.h"

#include <stdexcept>

namespace {

// The parse shows only warnings and messages about its own lines: each is a fault here.
class ThrowingDialogs : public UserDialogs {
 public:
  void warning(const std::string& text) override { throw std::runtime_error(text); }
  void error(const std::string& text) override { throw std::runtime_error(text); }
  void message(const std::string& text) override { throw std::runtime_error(text); }
  bool confirm(const std::string&) override { return true; }
};

void giveInputs(TParser& parser, const PhaseLists& lists, double t, double sid) {
  parser.SetVariable("T", t);
  parser.SetVariable("p", 1);
  parser.SetVariable("y", t);
  parser.SetVariable("Sid", sid);
  for (std::size_t i = 0; i < lists.Variables.size(); ++i)
    parser.SetVariable(lists.Variables[i].text, lists.VariableValues[i]);
}

}  // namespace

DescriptionProbe::DescriptionProbe(std::string_view description)
    : m_dialogs(std::make_unique<ThrowingDialogs>()),
      m_description(m_lists, m_sid, m_settings, *m_dialogs) {
  m_description.ParsePhaseText(description);
}

DescriptionProbe::~DescriptionProbe() = default;

double DescriptionProbe::sid(double x) {
  m_sid.SetVariable("X", x);
  m_settings.SidValue = m_sid.Value();
  return m_settings.SidValue;
}

double DescriptionProbe::solution(std::size_t index, double x, double t) {
  m_settings.TValue = t;
  m_settings.PValue = 1;
  const double sidValue = x >= 0 && x <= 1 ? sid(x) : 0;
  m_settings.SidValue = sidValue;
  m_description.evaluateVariables(x);
  TParser& parser = *m_lists.SolutionPhases.at(index).parser;
  parser.SetVariable("X", x);
  giveInputs(parser, m_lists, t, sidValue);
  return parser.Value();
}

double DescriptionProbe::point(std::size_t index, double t) {
  const PhaseEntry& entry = m_lists.PointPhases.at(index);
  const double x = readNumberOr(entry.text, 0);
  m_settings.TValue = t;
  m_settings.PValue = 1;
  const double sidValue = sid(x);
  m_description.evaluateVariables(x);
  giveInputs(*entry.parser, m_lists, t, sidValue);
  return entry.parser->Value();
}

int DescriptionProbe::solutionIndex(const std::string& name) const {
  for (std::size_t i = 0; i < m_lists.SolutionPhases.size(); ++i)
    if (m_lists.SolutionPhases[i].text == name) return static_cast<int>(i);
  return -1;
}
