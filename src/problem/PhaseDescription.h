#pragma once

#include <string>
#include <string_view>
#include <vector>

class TParser;
class UserDialogs;
struct PhaseLists;
struct DescriptionSettings;

// The parse of a phase description: comments, directives, continuation lines, solution phases,
// point phases, variables and the ideal-mixing term, each compiled into its own evaluator.
class PhaseDescription {
 public:
  PhaseDescription(PhaseLists& lists, TParser& sidParser, DescriptionSettings& settings,
                   UserDialogs& dialogs);

  // false when a point phase was rejected (its warning already shown). Evaluator errors
  // propagate at once; the lists then hold what the lines before produced.
  bool ParsePhaseText(std::string_view functs);

  // Evaluates every variable at composition x (the values the phases then receive).
  void evaluateVariables(double x);

 private:
  void start();
  bool parseLine(std::string line, const std::vector<std::string>& lines, std::size_t& index);
  bool isolatePointPhase(std::string& line, double& x);
  void addSolutionPhase(const std::string& name, const std::string& expression);
  void addPointPhase(const std::string& name, const std::string& expression, double x);
  void addVariable(const std::string& name, const std::string& expression);

  PhaseLists& m_lists;
  TParser& m_sid;
  DescriptionSettings& m_settings;
  UserDialogs& m_dialogs;
};
