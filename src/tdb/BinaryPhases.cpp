#include "tdb/BinaryPhases.h"

#include "base/MessageText.h"
#include "base/NumberText.h"
#include "tdb/TdbMessages.h"

#include <algorithm>
#include <set>

namespace {

// What a constituent is in the system A-B.
enum class Occupant { A, B, Vacancy, Any, Species, Outside };

// Parameter types that describe no Gibbs energy (mobilities, transport properties).
const std::set<std::string> kIgnoredTypes = {"MQ", "MF", "DQ", "DF", "VS", "VISC", "ELRS", "THCD"};

std::string join(const std::vector<std::string>& names, const char* separator) {
  std::string out;
  for (const auto& name : names) out += (out.empty() ? "" : separator) + name;
  return out;
}

std::string parameterText(const TdbParameter& p) {
  std::vector<std::string> sublattices;
  for (const auto& s : p.constituents) sublattices.push_back(join(s, ","));
  return p.type + "(" + p.phase + "," + join(sublattices, ":") + ";" + formatInt(p.order) + ")";
}

class PhaseClassifier {
 public:
  PhaseClassifier(const TdbDatabase& db, std::string a, std::string b)
      : m_db(db), m_a(std::move(a)), m_b(std::move(b)) {
    for (const TdbPhase& phase : db.phases)
      for (char code : phase.typeCodes)
        if (auto d = db.typeDefinitions.find(code);
            d != db.typeDefinitions.end() &&
            d->second.kind == TdbTypeDefinition::Kind::DisorderedPart) {
          m_pairs.emplace_back(phase.name, d->second.partner);
          m_pairs.emplace_back(d->second.partner, phase.name);
        }
  }

  // False when the phase holds neither A nor B; a phase refused is in the system.
  bool classify(const TdbPhase& phase, BinaryPhase& out) {
    out = BinaryPhase();
    out.phase = &phase;
    std::vector<std::set<Occupant>> sites;
    std::string species;
    bool holdsElement = false;
    for (const auto& sublattice : phase.constituents) {
      std::set<Occupant>& occupants = sites.emplace_back();
      for (const auto& name : sublattice) {
        const Occupant o = occupant(name);
        if (o == Occupant::Outside) continue;
        if (o == Occupant::Species && species.empty()) species = name;
        occupants.insert(o);
        holdsElement = holdsElement || o != Occupant::Vacancy;
      }
      if (occupants.empty()) return false;  // that sublattice cannot be filled in A-B
    }
    if (!holdsElement) return false;
    m_sublattices = sites.size();
    if (!checkModel(phase, species, out) || !shape(phase, sites, out) ||
        !readParameters(phase, sites, out) || !checkEndMembers(out))
      return true;
    if (!out.tc.empty() || !out.bmagn.empty()) {
      for (char code : phase.typeCodes)
        if (auto d = m_db.typeDefinitions.find(code);
            d != m_db.typeDefinitions.end() && d->second.kind == TdbTypeDefinition::Kind::Magnetic)
          out.magnetic = &d->second;
      out.magneticIgnored = !out.magnetic;
      if (out.magnetic &&
          !(out.magnetic->antiferroFactor < 0 && out.magnetic->structureFactor > 0)) {
        refuse(out, formatMessage(tdbmsg::kBadMagneticType, {formatInt(out.magnetic->line)}));
        return true;
      }
    }
    return true;
  }

 private:
  Occupant occupant(const std::string& name) const {
    if (name == m_a) return Occupant::A;
    if (name == m_b) return Occupant::B;
    if (name == "VA") return Occupant::Vacancy;
    if (name == "*") return Occupant::Any;
    if (m_db.findElement(name)) return Occupant::Outside;
    const TdbSpecies* s = m_db.findSpecies(name);
    if (!s) return Occupant::Outside;
    for (const auto& [element, amount] : s->formula)
      if (element != m_a && element != m_b && element != "VA") return Occupant::Outside;
    if (s->charge == 0 && s->formula.size() == 1 && s->formula.begin()->second == 1) {
      const std::string& element = s->formula.begin()->first;
      return element == m_a ? Occupant::A : element == m_b ? Occupant::B : Occupant::Vacancy;
    }
    return Occupant::Species;
  }

  // The models that need more than one solution or one compound.
  bool checkModel(const TdbPhase& phase, const std::string& species, BinaryPhase& out) const {
    if (phase.suffix == 'Y') return refuse(out, tdbmsg::kIonicLiquid);
    for (const auto& [one, other] : m_pairs)
      if (one == phase.name) return refuse(out, formatMessage(tdbmsg::kOrderDisorder, {other}));
    if (!species.empty()) return refuse(out, formatMessage(tdbmsg::kSpeciesNotElement, {species}));
    return true;
  }

  bool checkEndMembers(BinaryPhase& out) const {
    if (out.kind == BinaryPhase::Kind::Compound)
      return out.g.endA || refuse(out, formatMessage(tdbmsg::kNoEndMember, {out.formula}));
    if (!out.g.endA) return refuse(out, formatMessage(tdbmsg::kNoEndMember, {endMember(m_a)}));
    if (!out.g.endB) return refuse(out, formatMessage(tdbmsg::kNoEndMember, {endMember(m_b)}));
    return true;
  }

  // Solution or compound by where the elements sit.
  bool shape(const TdbPhase& phase, const std::vector<std::set<Occupant>>& sites,
             BinaryPhase& out) {
    std::size_t mixing = sites.size();
    for (std::size_t s = 0; s < sites.size(); ++s) {
      if (sites[s].size() < 2) continue;
      if (mixing < sites.size()) return refuse(out, tdbmsg::kTwoSublattices);
      mixing = s;
    }
    if (mixing < sites.size()) {
      if (sites[mixing].count(Occupant::Vacancy)) return refuse(out, tdbmsg::kVacancyMixing);
      for (std::size_t s = 0; s < sites.size(); ++s)
        if (s != mixing && !sites[s].count(Occupant::Vacancy))
          return refuse(out, tdbmsg::kElementsElsewhere);
      out.kind = BinaryPhase::Kind::Solution;
      m_mixing = mixing;
      out.atoms = phase.siteRatios[mixing];
      return true;
    }
    double a = 0;
    double b = 0;
    std::vector<std::string> names;
    for (std::size_t s = 0; s < sites.size(); ++s) {
      const Occupant o = *sites[s].begin();
      if (o == Occupant::A) a += phase.siteRatios[s];
      if (o == Occupant::B) b += phase.siteRatios[s];
      names.push_back(o == Occupant::A ? m_a : o == Occupant::B ? m_b : "VA");
    }
    out.kind = BinaryPhase::Kind::Compound;
    out.atoms = a + b;
    out.atomsB = b;
    out.x = b / (a + b);
    out.formula = join(names, ":");
    return true;
  }

  bool readParameters(const TdbPhase& phase, const std::vector<std::set<Occupant>>& sites,
                      BinaryPhase& out) {
    for (const TdbParameter& p : m_db.parameters) {
      if (p.phase != phase.name) continue;
      const auto unsupported = [&] {
        return refuse(out, formatMessage(tdbmsg::kUnsupportedParameter,
                                         {parameterText(p), formatInt(p.line)}));
      };
      std::vector<std::vector<Occupant>> array;
      bool inSystem = true;
      for (const auto& sublattice : p.constituents) {
        auto& occupants = array.emplace_back();
        for (const auto& name : sublattice) occupants.push_back(occupant(name));
        for (Occupant o : occupants)
          inSystem = inSystem && o != Occupant::Outside && o != Occupant::Species;
      }
      if (!inSystem || kIgnoredTypes.count(p.type)) continue;
      if (array.size() != sites.size()) return unsupported();
      MixingParameters* target = p.type == "G" || p.type == "L"          ? &out.g
                                 : p.type == "TC"                        ? &out.tc
                                 : p.type == "BMAGN" || p.type == "BMAG" ? &out.bmagn
                                                                         : nullptr;
      if (!target || !place(p, array, out.kind, *target)) return unsupported();
    }
    return true;
  }

  bool place(const TdbParameter& p, const std::vector<std::vector<Occupant>>& array,
             BinaryPhase::Kind kind, MixingParameters& target) const {
    for (std::size_t s = 0; s < array.size(); ++s) {
      if (kind == BinaryPhase::Kind::Solution && s == m_mixing) continue;
      if (array[s].size() != 1) return false;
    }
    if (kind == BinaryPhase::Kind::Compound) {
      if (p.order != 0) return false;
      target.endA = &p;
      return true;
    }
    const auto& mixing = array[m_mixing];
    for (std::size_t s = 0; s < array.size(); ++s)
      if (s != m_mixing && array[s][0] != Occupant::Vacancy && array[s][0] != Occupant::Any)
        return false;
    if (mixing.size() == 1 && p.order == 0 &&
        (mixing[0] == Occupant::A || mixing[0] == Occupant::B)) {
      (mixing[0] == Occupant::A ? target.endA : target.endB) = &p;
      return true;
    }
    if (mixing.size() != 2) return false;
    const bool ab = mixing[0] == Occupant::A && mixing[1] == Occupant::B;
    const bool ba = mixing[0] == Occupant::B && mixing[1] == Occupant::A;
    if (!ab && !ba) return false;
    target.interactions.push_back({&p, p.order, ba && p.order % 2 == 1});
    return true;
  }

  std::string endMember(const std::string& element) const {
    std::vector<std::string> names(m_sublattices, "VA");
    names[m_mixing] = element;
    return join(names, ":");
  }

  bool refuse(BinaryPhase& out, const std::string& reason) const {
    out.kind = BinaryPhase::Kind::Refused;
    out.reason = reason;
    out.message =
        formatMessage(tdbmsg::kPhaseRefused, {out.phase->name, formatInt(out.phase->line), reason});
    return false;
  }

  const TdbDatabase& m_db;
  std::string m_a;
  std::string m_b;
  std::vector<std::pair<std::string, std::string>> m_pairs;  // order-disorder partners
  std::size_t m_mixing = 0;
  std::size_t m_sublattices = 0;
};

}  // namespace

std::vector<BinaryPhase> binaryPhases(const TdbDatabase& db, const std::string& a,
                                      const std::string& b) {
  PhaseClassifier classifier(db, a, b);
  std::vector<BinaryPhase> out;
  for (const TdbPhase& phase : db.phases) {
    BinaryPhase binary;
    if (classifier.classify(phase, binary)) out.push_back(std::move(binary));
  }
  return out;
}
