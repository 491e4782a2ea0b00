#include "tdb/TdbImport.h"

#include "base/AsciiCase.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "problem/PhaseText.h"
#include "tdb/DescriptionProbe.h"
#include "tdb/DescriptionWriter.h"
#include "tdb/ExpressionText.h"
#include "tdb/PhaseTranslation.h"
#include "tdb/TdbMessages.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr const char* kIdealMixing = "SID=-8.31451*(X*LN(X)+(1-X)*LN(1-X))";
// Where melting points are looked for, and the axis's end when none is found.
constexpr double kHottest = 6000;
constexpr double kColdest = 100;
constexpr double kScanStep = 10;
constexpr double kAxisEndWithoutMelting = 2000;

std::string join(const std::vector<std::string>& items) {
  std::string out;
  for (const auto& item : items) out += (out.empty() ? "" : ", ") + item;
  return out.empty() ? tdbmsg::kNone : out;
}

bool isLiquid(const TdbPhase& phase) {
  return phase.suffix == 'L' || phase.name.rfind("LIQ", 0) == 0;
}

// The melting point of a pure element in the description: the highest temperature below
// which some other phase is lower than every liquid, bisected to a micro-kelvin.
class MeltingPoint {
 public:
  MeltingPoint(DescriptionProbe& probe, std::vector<std::size_t> liquids,
               std::vector<std::size_t> solids, std::vector<std::size_t> compounds, double x)
      : m_probe(probe),
        m_liquids(std::move(liquids)),
        m_solids(std::move(solids)),
        m_compounds(std::move(compounds)),
        m_x(x) {}

  std::optional<double> find() {
    if (m_liquids.empty() || (m_solids.empty() && m_compounds.empty())) return std::nullopt;
    std::optional<double> above;  // the coldest temperature scanned where a liquid is lowest
    for (double t = kHottest; t >= kColdest; t -= kScanStep) {
      const auto difference = liquidOverSolid(t);
      if (!difference) continue;
      if (*difference <= 0) {
        above = t;
        continue;
      }
      if (!above) return std::nullopt;  // solid at the top of the scan
      double low = t;
      double high = *above;
      while (high - low > 1e-6) {
        const double middle = 0.5 * (low + high);
        const auto d = liquidOverSolid(middle);
        if (!d) break;
        (*d > 0 ? low : high) = middle;
      }
      return 0.5 * (low + high);
    }
    return std::nullopt;
  }

 private:
  std::optional<double> liquidOverSolid(double t) {
    try {
      double liquid = HUGE_VAL;
      double solid = HUGE_VAL;
      for (std::size_t i : m_liquids) liquid = std::min(liquid, m_probe.solution(i, m_x, t));
      for (std::size_t i : m_solids) solid = std::min(solid, m_probe.solution(i, m_x, t));
      for (std::size_t i : m_compounds) solid = std::min(solid, m_probe.point(i, t));
      if (!std::isfinite(liquid - solid)) return std::nullopt;
      return liquid - solid;
    } catch (const std::exception&) {
      return std::nullopt;  // a temperature the description cannot be evaluated at
    }
  }

  DescriptionProbe& m_probe;
  std::vector<std::size_t> m_liquids;
  std::vector<std::size_t> m_solids;
  std::vector<std::size_t> m_compounds;
  double m_x;
};

struct WrittenPhases {
  std::vector<const BinaryPhase*> solutions;  // in the order of the description
  std::vector<const BinaryPhase*> compounds;
};

std::optional<double> meltingPoint(DescriptionProbe& probe, const WrittenPhases& written,
                                   double x) {
  std::vector<std::size_t> liquids;
  std::vector<std::size_t> solids;
  std::vector<std::size_t> compounds;
  for (std::size_t i = 0; i < written.solutions.size(); ++i)
    (isLiquid(*written.solutions[i]->phase) ? liquids : solids).push_back(i);
  for (std::size_t i = 0; i < written.compounds.size(); ++i)
    if (written.compounds[i]->x == x) compounds.push_back(i);
  return MeltingPoint(probe, liquids, solids, compounds, x).find();
}

std::string kelvin(double t) { return numberText(std::round(t * 100) / 100); }

}  // namespace

std::string elementSymbol(const std::string& name) {
  std::string out = upperCase(name);
  for (std::size_t i = 1; i < out.size(); ++i)
    if (out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] - 'A' + 'a');
  return out;
}

std::vector<std::string> systemElements(const TdbDatabase& db) {
  std::vector<std::string> out;
  for (const TdbElement& element : db.elements)
    if (element.name != "VA" && element.name != "/-") out.push_back(element.name);
  return out;
}

TdbImport importBinarySystem(const TdbDatabase& db, const TdbImportRequest& request) {
  const std::string a = upperCase(trimControls(request.elementA));
  const std::string b = upperCase(trimControls(request.elementB));
  const auto elements = systemElements(db);
  for (const std::string& element : {a, b})
    if (std::find(elements.begin(), elements.end(), element) == elements.end())
      throw ETdbError(formatMessage(tdbmsg::kElementNotInFile, {element, db.sourceName}));
  if (a == b) throw ETdbError(tdbmsg::kSameElements);
  const std::vector<BinaryPhase> phases = binaryPhases(db, a, b);
  if (phases.empty()) throw ETdbError(formatMessage(tdbmsg::kNoPhases, {db.sourceName, a, b}));

  std::vector<const BinaryPhase*> selected;
  for (const std::string& wanted : request.phases) {
    const std::string name = upperCase(trimControls(wanted));
    if (!db.findPhase(name))
      throw ETdbError(formatMessage(tdbmsg::kPhaseNotInFile, {name, db.sourceName}));
    const auto found = std::find_if(phases.begin(), phases.end(),
                                    [&](const BinaryPhase& p) { return p.phase->name == name; });
    if (found == phases.end())
      throw ETdbError(formatMessage(tdbmsg::kPhaseNotInSystem, {name, a, b}));
    selected.push_back(&*found);
  }
  if (request.phases.empty())
    for (const BinaryPhase& phase : phases) selected.push_back(&phase);

  TdbImport result;
  PhaseTranslation translation(db, a, b);
  std::vector<DescriptionLine> phaseLines;
  WrittenPhases written;
  for (const BinaryPhase* phase : selected) {
    std::string message = phase->message;
    std::string reason;
    if (phase->kind != BinaryPhase::Kind::Refused) {
      if (translation.translate(*phase, phaseLines, reason)) {
        result.taken.push_back(phase->phase->name);
        (phase->kind == BinaryPhase::Kind::Solution ? written.solutions : written.compounds)
            .push_back(phase);
        continue;
      }
      message = formatMessage(tdbmsg::kPhaseRefused,
                              {phase->phase->name, formatInt(phase->phase->line), reason});
    }
    if (!request.skipUnsupported) throw ETdbError(message);
    result.leftOut.push_back(message);
  }
  if (result.taken.empty()) throw ETdbError(formatMessage(tdbmsg::kNoPhasesLeft, {a, b}));

  std::string body = formatMessage(tdbmsg::kXCaption, {elementSymbol(b)}) + "\n";
  body += std::string(kIdealMixing) + "\n";
  for (const DescriptionLine& line : translation.functionLines())
    body += writeDescriptionLine(line);
  for (const DescriptionLine& line : phaseLines) body += writeDescriptionLine(line);

  // The parse evaluates the variables once: an energy the file makes impossible to evaluate
  // (a division by zero, the logarithm of a negative number) shows here.
  std::optional<DescriptionProbe> parsed;
  try {
    parsed.emplace(body);
  } catch (const std::exception& e) {
    throw ETdbError(formatMessage(tdbmsg::kNotEvaluable, {a, b, db.sourceName, e.what()}));
  }
  DescriptionProbe& probe = *parsed;
  const auto meltingA = meltingPoint(probe, written, 0);
  const auto meltingB = meltingPoint(probe, written, 1);

  std::vector<std::string> header = {formatMessage(tdbmsg::kHeaderSource, {db.sourceName, a, b}),
                                     formatMessage(tdbmsg::kHeaderComposition, {b}),
                                     formatMessage(tdbmsg::kHeaderTaken, {join(result.taken)})};
  if (result.leftOut.empty())
    header.push_back(formatMessage(tdbmsg::kHeaderLeftOut, {tdbmsg::kNone}));
  for (const std::string& message : result.leftOut)
    header.push_back(formatMessage(tdbmsg::kHeaderLeftOut, {message}));
  header.insert(header.end(),
                {tdbmsg::kHeaderGasConstant, tdbmsg::kHeaderGasConstant2, tdbmsg::kHeaderRanges});
  if (!translation.escapedNames().empty())
    header.push_back(formatMessage(tdbmsg::kHeaderEscaped, {join(translation.escapedNames())}));
  if (body.find("100000*P") != std::string::npos) header.push_back(tdbmsg::kHeaderPressure);
  for (const auto& [element, melting] : {std::pair{a, meltingA}, std::pair{b, meltingB}})
    header.push_back(
        melting ? formatMessage(tdbmsg::kMeltingPoint, {elementSymbol(element), kelvin(*melting)})
                : formatMessage(tdbmsg::kNoMeltingPoint, {elementSymbol(element)}));
  if (meltingA || meltingB) {
    result.ymax = std::ceil(1.1 * std::max(meltingA.value_or(0), meltingB.value_or(0)));
  } else {
    result.ymax = kAxisEndWithoutMelting;
    header.push_back(formatMessage(tdbmsg::kAxisWithoutMelting, {numberText(result.ymax)}));
  }
  if (result.ymax <= result.ymin) result.ymin = std::floor(result.ymax / 2);

  for (const std::string& line : header) result.description += line + "\n";
  result.description += body;
  result.problemName = elementSymbol(a) + "-" + elementSymbol(b);
  return result;
}
