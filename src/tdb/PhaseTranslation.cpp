#include "tdb/PhaseTranslation.h"

#include "base/AsciiCase.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "evaluator/TParser.h"
#include "tdb/ExpressionAlgebra.h"
#include "tdb/ExpressionText.h"
#include "tdb/MagneticTerm.h"
#include "tdb/TdbMessages.h"

#include <algorithm>

namespace {

using Kind = TdbExpr::Kind;

bool isIdentifierCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

std::string sanitized(const std::string& wanted) {
  std::string name = upperCase(wanted);
  for (char& c : name)
    if (!isIdentifierCharacter(c)) c = '_';
  // The compiler would split a name at DIV or MOD inside a longer term.
  for (const char* word : {"DIV", "MOD"}) {
    for (auto at = name.find(word); at != std::string::npos; at = name.find(word, at + 3))
      name.insert(at + 2, "_");
  }
  return name;
}

// A name the parse or the compiler would read as something else: a phase or ideal-mixing line,
// a number ("E5"), a built-in letter or constant.
bool needsEscape(const std::string& name) {
  if (name.empty() || (name[0] >= '0' && name[0] <= '9')) return true;
  for (const char* prefix : {"GL", "GV", "GS", "GC", "SID"})
    if (name.rfind(prefix, 0) == 0) return true;
  for (const char* reserved : {"A", "B", "C", "D", "E", "X", "Y", "T", "P", "R", "PI"})
    if (name == reserved) return true;
  return name[0] == 'E' &&
         std::all_of(name.begin() + 1, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int nodeCount(const TdbExpr& e) {
  int count = 1;
  for (const TdbExpr& arg : e.args) count += nodeCount(arg);
  return count;
}

bool hasCall(const TdbExpr& e) {
  if (e.kind == Kind::Call) return true;
  return std::any_of(e.args.begin(), e.args.end(), hasCall);
}

bool onlyReferences(const TdbExpr& e) {
  for (const SumTerm& t : sumTerms(e)) {
    const TdbExpr& term = t.term;
    const bool scaled =
        term.kind == Kind::Multiply &&
        ((term.args[0].kind == Kind::Number && term.args[1].kind == Kind::Reference) ||
         (term.args[1].kind == Kind::Number && term.args[0].kind == Kind::Reference));
    if (term.kind != Kind::Reference && !scaled) return false;
  }
  return true;
}

// (1-2X)^n, the Redlich-Kister factor of order n.
TdbExpr redlichKister(int order) {
  const TdbExpr difference = number(1) - number(2) * TdbExpr::symbol("X");
  if (order == 1) return difference;
  return power(difference, order);
}

}  // namespace

PhaseTranslation::PhaseTranslation(const TdbDatabase& db, std::string a, std::string b)
    : m_db(db), m_a(std::move(a)), m_b(std::move(b)), m_inliner(db) {}

std::string PhaseTranslation::phaseName(const TdbPhase& phase) {
  const std::string base = sanitized(phase.name);
  if (!base.empty() && (base[0] == 'L' || base[0] == 'V' || base[0] == 'S')) return base;
  const char kind = phase.suffix == 'L' ? 'L' : phase.suffix == 'G' ? 'V' : 'S';
  return std::string(1, kind) + "_" + base;
}

bool PhaseTranslation::translate(const BinaryPhase& phase, std::vector<DescriptionLine>& lines,
                                 std::string& reason) {
  const std::size_t lineCount = lines.size();
  const std::size_t functionCount = m_functionLines.size();
  const std::size_t variableCount = m_variables.size();
  try {
    if (phase.kind == BinaryPhase::Kind::Solution) solution(phase, lines);
    else compound(phase, lines);
    return true;
  } catch (const Failure& failure) {
    reason = failure.reason;
    lines.resize(lineCount);
    m_functionLines.resize(functionCount);
    m_variables.resize(variableCount);
    for (auto it = m_functionVariables.begin(); it != m_functionVariables.end();)
      it = std::find(m_variables.begin(), m_variables.end(), it->second) == m_variables.end()
               ? m_functionVariables.erase(it)
               : std::next(it);
    return false;
  }
}

void PhaseTranslation::solution(const BinaryPhase& phase, std::vector<DescriptionLine>& lines) {
  const std::size_t first = lines.size();
  const std::string& tdbName = phase.phase->name;
  const TdbExpr x = TdbExpr::symbol("X");
  const TdbExpr ga = endMember(*phase.g.endA, "G_" + tdbName + "_" + m_a, lines);
  const TdbExpr gb = endMember(*phase.g.endB, "G_" + tdbName + "_" + m_b, lines);
  const TdbExpr ex = excess(phase, lines);
  const TdbExpr mag = magnetic(phase, lines);
  const SumTerm ideal{true, TdbExpr::symbol("T") * TdbExpr::symbol("SID")};
  std::vector<SumTerm> terms{{false, (number(1) - x) * ga}, {false, x * gb}};
  if (!ex.isNumber(0)) terms.push_back({false, x * (number(1) - x) * ex});
  if (!mag.isNumber(0)) terms.push_back({false, mag});
  if (phase.atoms != 1) terms = {{false, sumOf(terms) / number(phase.atoms)}};
  terms.insert(terms.begin() + (phase.atoms != 1 ? 1 : 2), ideal);
  lines.push_back(
      {{}, "G" + phaseName(*phase.phase) + "=", compiledText(sumOf(terms), LineKind::Solution)});
  // The phase's comments head its block, above its own variables.
  std::vector<std::string>& comments = lines[first].comments;
  comments.insert(
      comments.begin(),
      formatMessage(tdbmsg::kSolutionComment, {tdbName, formatInt(phase.phase->line), m_a, m_b}));
  if (phase.magneticIgnored)
    comments.insert(comments.begin() + 1, formatMessage(tdbmsg::kIgnoredMagnetic, {tdbName}));
}

void PhaseTranslation::compound(const BinaryPhase& phase, std::vector<DescriptionLine>& lines) {
  TdbExpr g = m_inliner.inlined(phase.g.endA->value, phase.g.endA->line);
  if (phase.magnetic && phase.tc.endA && phase.bmagn.endA) {
    const double factor = phase.magnetic->antiferroFactor;
    const TdbExpr tc = antiferromagneticEffective(
        m_inliner.inlined(phase.tc.endA->value, phase.tc.endA->line), factor);
    const TdbExpr beta = antiferromagneticEffective(
        m_inliner.inlined(phase.bmagn.endA->value, phase.bmagn.endA->line), factor);
    if (!tc.isNumber(0) && !beta.isNumber(0))
      g = g + magneticEnergy(tc, beta, phase.magnetic->structureFactor);
  }
  if (phase.atoms != 1) g = g / number(phase.atoms);
  const std::string x = phase.atomsB == 0 ? "0"
                        : phase.atomsB == phase.atoms
                            ? "1"
                            : numberText(phase.atomsB) + "/" + numberText(phase.atoms);
  const std::string name = phase.phase->name;
  std::vector<std::string> comments{formatMessage(
      tdbmsg::kCompoundComment, {name, formatInt(phase.phase->line), phase.formula, x})};
  if (phase.magneticIgnored) comments.push_back(formatMessage(tdbmsg::kIgnoredMagnetic, {name}));
  lines.push_back({std::move(comments), "X=" + x + ";GC" + sanitized(name) + "=",
                   compiledText(g, LineKind::Point)});
}

TdbExpr PhaseTranslation::endMember(const TdbParameter& parameter, const std::string& variable,
                                    std::vector<DescriptionLine>& lines) {
  TdbExpr value = m_inliner.withReferences(parameter.value, parameter.line);
  // Short values are written in the phase itself, as the file writes them.
  if (onlyReferences(value) || (!hasCall(value) && nodeCount(value) <= 15))
    return referencesToVariables(std::move(value), parameter.line);
  return this->variable(variable, m_inliner.inlined(parameter.value, parameter.line), lines);
}

TdbExpr PhaseTranslation::excess(const BinaryPhase& phase, std::vector<DescriptionLine>& lines) {
  std::vector<MixingTerm> interactions = phase.g.interactions;
  std::stable_sort(interactions.begin(), interactions.end(),
                   [](const MixingTerm& a, const MixingTerm& b) { return a.order < b.order; });
  std::vector<SumTerm> terms;
  for (const MixingTerm& term : interactions) {
    const TdbParameter& p = *term.parameter;
    TdbExpr l = variable("L" + formatInt(term.order) + "_" + phase.phase->name,
                         m_inliner.inlined(p.value, p.line), lines);
    if (term.order > 0) l = std::move(l) * redlichKister(term.order);
    terms.push_back({term.flipped, std::move(l)});
  }
  return terms.empty() ? number(0) : sumOf(terms);
}

TdbExpr PhaseTranslation::magnetic(const BinaryPhase& phase, std::vector<DescriptionLine>& lines) {
  if (!phase.magnetic || phase.tc.empty() || phase.bmagn.empty()) return number(0);
  const TdbExpr tc = mixture(phase.tc);
  const TdbExpr beta = mixture(phase.bmagn);
  if (tc.isNumber(0) || beta.isNumber(0)) return number(0);
  const double factor = phase.magnetic->antiferroFactor;
  const double p = phase.magnetic->structureFactor;
  const std::string& name = phase.phase->name;
  const TdbExpr tcVariable = variable(
      "TC_" + name, antiferromagneticEffective(tc, factor), lines,
      {formatMessage(tdbmsg::kMagneticComment, {name, numberText(p), numberText(factor)})});
  const TdbExpr betaVariable =
      variable("BMAGN_" + name, antiferromagneticEffective(beta, factor), lines);
  return magneticEnergy(tcVariable, betaVariable, p);
}

TdbExpr PhaseTranslation::mixture(const MixingParameters& parameters) {
  const TdbExpr x = TdbExpr::symbol("X");
  std::vector<SumTerm> terms;
  const auto value = [&](const TdbParameter& p) { return m_inliner.inlined(p.value, p.line); };
  if (parameters.endA) terms.push_back({false, (number(1) - x) * value(*parameters.endA)});
  if (parameters.endB) terms.push_back({false, x * value(*parameters.endB)});
  std::vector<SumTerm> excess;
  for (const MixingTerm& term : parameters.interactions) {
    TdbExpr l = value(*term.parameter);
    if (term.order > 0) l = std::move(l) * redlichKister(term.order);
    excess.push_back({term.flipped, std::move(l)});
  }
  if (!excess.empty()) terms.push_back({false, x * (number(1) - x) * sumOf(excess)});
  if (const auto constant = constantValue(sumOf(terms)); constant && *constant == 0)
    return number(0);
  return sumOf(terms);
}

TdbExpr PhaseTranslation::variable(const std::string& name, const TdbExpr& value,
                                   std::vector<DescriptionLine>& lines,
                                   std::vector<std::string> comments) {
  const std::string text = compiledText(value, LineKind::Variable);
  const std::string unique = uniqueName(name);
  m_variables.push_back(unique);
  lines.push_back({std::move(comments), unique + "=", text});
  return TdbExpr::symbol(unique);
}

std::string PhaseTranslation::functionVariable(const std::string& name, int usedOnLine) {
  if (const auto done = m_functionVariables.find(name); done != m_functionVariables.end())
    return done->second;
  if (const auto failed = m_failedFunctions.find(name); failed != m_failedFunctions.end())
    throw Failure{failed->second};
  const TdbExpr& value = m_inliner.function(name, usedOnLine);
  std::string text;
  try {
    text = compiledText(value, LineKind::Variable);
  } catch (const Failure& failure) {
    m_failedFunctions[name] = failure.reason;
    throw;
  }
  const std::string variable = uniqueName(name);
  if (variable != sanitized(name) &&
      std::find(m_escaped.begin(), m_escaped.end(), variable) == m_escaped.end())
    m_escaped.push_back(variable);
  std::vector<std::string> comments;
  const TdbFunction& f = *m_db.findFunction(name);
  if (f.value.ranges.size() > 1)
    comments.push_back(formatMessage(tdbmsg::kRangesComment, {variable, rangeLimitsText(f.value)}));
  m_functionLines.push_back({std::move(comments), variable + "=", text});
  m_functionVariables[name] = variable;
  m_variables.push_back(variable);
  return variable;
}

TdbExpr PhaseTranslation::referencesToVariables(TdbExpr e, int line) {
  if (e.kind == Kind::Reference) return TdbExpr::symbol(functionVariable(e.name, line));
  for (TdbExpr& arg : e.args) arg = referencesToVariables(std::move(arg), line);
  return e;
}

std::string PhaseTranslation::compiledText(const TdbExpr& e, LineKind kind) {
  std::string fault;
  for (SumLayout layout : {SumLayout::Chain, SumLayout::BalancedOuter, SumLayout::BalancedAll}) {
    const std::string text = expressionText(e, layout);
    // The names each kind of line is given before its expression compiles.
    TParser parser;
    parser.SetVariable("R", 8.31441);
    parser.SetVariable("p", 1);
    parser.SetVariable("Sid", 0.5);
    if (kind == LineKind::Solution)
      for (const std::string& name : m_variables) parser.SetVariable(name, 0);
    try {
      parser.setExpression(text);
      return text;
    } catch (const EMathParserError& error) {
      fault = error.what();
    }
  }
  throw Failure{formatMessage(tdbmsg::kTooComplex, {fault})};
}

std::string PhaseTranslation::uniqueName(const std::string& wanted) {
  std::string base = sanitized(wanted);
  if (needsEscape(base)) base = "_" + base;
  std::string name = base;
  for (int n = 2; m_names.count(name); ++n) name = base + "_" + formatInt(n);
  m_names.insert(name);
  return name;
}
