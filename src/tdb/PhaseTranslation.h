#pragma once

#include "tdb/BinaryPhases.h"
#include "tdb/DescriptionWriter.h"
#include "tdb/FunctionInliner.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// Writes the phases of a binary system A-B as definitions of a phase description, X the mole
// fraction of B, energies per mole of atoms:
// - a solution as (1-X)*GA+X*GB-T*SID+X*(1-X)*(L0+L1*(1-2*X)+...) (+ the magnetic term), the
//   TDB functions and the interaction parameters as variables;
// - a compound as a point phase at its X, everything written out (a point phase may use no
//   variable).
// A variable may use no other variable either: the functions a variable uses are written out
// in it. Every expression is compiled as the parse will compile it; one that exceeds the
// compiler's limits is written again with its sums bracketed in halves.
class PhaseTranslation {
 public:
  PhaseTranslation(const TdbDatabase& db, std::string a, std::string b);

  // The definitions of one phase (its own variables, then the phase), appended to `lines`;
  // the functions it uses become variables in functionLines(). False, with `reason`, when an
  // expression cannot be written within the compiler's limits. Throws ETdbError for a missing
  // function or one that refers to itself.
  bool translate(const BinaryPhase& phase, std::vector<DescriptionLine>& lines,
                 std::string& reason);

  const std::vector<DescriptionLine>& functionLines() const { return m_functionLines; }
  // Names that had to change to be read as variables, as written ("_GSNLIQ").
  const std::vector<std::string>& escapedNames() const { return m_escaped; }
  // The name of the phase in the description ("LIQUID", "S_FCC_A1") and its line's head.
  static std::string phaseName(const TdbPhase& phase);

 private:
  struct Failure {
    std::string reason;
  };

  void solution(const BinaryPhase& phase, std::vector<DescriptionLine>& lines);
  void compound(const BinaryPhase& phase, std::vector<DescriptionLine>& lines);
  TdbExpr endMember(const TdbParameter& parameter, const std::string& variable,
                    std::vector<DescriptionLine>& lines);
  TdbExpr excess(const BinaryPhase& phase, std::vector<DescriptionLine>& lines);
  TdbExpr magnetic(const BinaryPhase& phase, std::vector<DescriptionLine>& lines);
  TdbExpr mixture(const MixingParameters& parameters);
  // A new variable holding `value`; its name, made unique, as a symbol.
  TdbExpr variable(const std::string& name, const TdbExpr& value,
                   std::vector<DescriptionLine>& lines, std::vector<std::string> comments = {});
  // The variable of a TDB function, made when first used.
  std::string functionVariable(const std::string& name, int usedOnLine);
  // References become the functions' variables.
  TdbExpr referencesToVariables(TdbExpr e, int line);
  // The expression's text in the first layout that compiles as the parse compiles `kind`.
  enum class LineKind { Variable, Solution, Point };
  std::string compiledText(const TdbExpr& e, LineKind kind);
  std::string uniqueName(const std::string& wanted);

  const TdbDatabase& m_db;
  std::string m_a;
  std::string m_b;
  FunctionInliner m_inliner;
  std::vector<DescriptionLine> m_functionLines;
  std::map<std::string, std::string> m_functionVariables;  // TDB function -> variable
  std::map<std::string, std::string> m_failedFunctions;    // TDB function -> reason
  std::set<std::string> m_names;                           // every variable name used
  std::vector<std::string> m_variables;                    // in order of definition
  std::vector<std::string> m_escaped;
};
