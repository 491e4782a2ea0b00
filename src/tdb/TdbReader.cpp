#include "tdb/TdbReader.h"

#include "base/AsciiCase.h"
#include "base/MessageText.h"
#include "base/NumberText.h"
#include "tdb/TdbCommands.h"
#include "tdb/TdbMessages.h"
#include "tdb/TdbPiecewiseText.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// The commands read, in the order of Keyword, then those left to the TDB tools.
// clang-format off
const std::initializer_list<std::string_view> kKeywords = {
    "ELEMENT", "SPECIES", "FUNCTION", "TYPE_DEFINITION", "PHASE", "CONSTITUENT", "PARAMETER",
    "DEFINE_SYSTEM_DEFAULT", "DEFINE_SYSTEM_ELEMENT", "DEFAULT_COMMAND", "DATABASE_INFORMATION",
    "ASSESSED_SYSTEMS", "REFERENCE_FILE", "LIST_OF_REFERENCES", "ADD_REFERENCES", "VERSION_DATE",
    "TEMPERATURE_LIMITS", "TABLE", "ZERO_VOLUME_SPECIES", "DIFFUSION"};
// clang-format on

enum Keyword {
  kElement,
  kSpecies,
  kFunction,
  kTypeDefinition,
  kPhase,
  kConstituent,
  kParameter,
};

double number(const std::string& word) {
  const auto value = tryReadFileNumber(word);
  if (!value) throw ETdbError(formatMessage(tdbmsg::kBadNumber, {word}));
  return *value;
}

std::string nameWithoutSuffix(const std::string& word, char* suffix = nullptr) {
  const auto colon = word.find(':');
  if (suffix) *suffix = colon != std::string::npos && colon + 1 < word.size() ? word[colon + 1] : 0;
  return word.substr(0, colon);
}

class TdbReader {
 public:
  explicit TdbReader(const std::string& sourceName) { m_db.sourceName = sourceName; }

  TdbDatabase read(std::string_view text) {
    for (const TdbCommand& command : splitTdbCommands(text, m_db.sourceName)) {
      if (!command.ended) failAtLine(m_db.sourceName, command.line, tdbmsg::kNotEnded);
      try {
        dispatch(command);
      } catch (const ETdbError& e) {
        failAtLine(m_db.sourceName, command.line, e.what());
      }
    }
    return std::move(m_db);
  }

 private:
  void dispatch(const TdbCommand& command) {
    const int keyword = matchKeyword(command.keyword, kKeywords);
    if (keyword < 0) throw ETdbError(formatMessage(tdbmsg::kUnknownKeyword, {command.keyword}));
    const auto words = splitWords(upperCase(command.rest));
    const int line = command.line;
    switch (keyword) {
      case kElement: return element(words, line);
      case kSpecies: return species(words, line);
      case kFunction: return function(command.rest, line);
      case kTypeDefinition: return typeDefinition(words, line);
      case kPhase: return phase(words, line);
      case kConstituent: return constituent(command.rest, line);
      case kParameter: return parameter(command.rest, line);
      default: return;  // read, and left to the TDB tools
    }
  }

  void element(const std::vector<std::string>& words, int line) {
    if (words.empty()) throw ETdbError(formatMessage(tdbmsg::kMissingName, {"ELEMENT"}));
    TdbElement element{words[0], words.size() > 1 ? words[1] : std::string(), line};
    if (TdbElement* known = find(m_db.elements, element.name)) *known = element;
    else m_db.elements.push_back(std::move(element));
  }

  void species(const std::vector<std::string>& words, int line) {
    if (words.empty()) throw ETdbError(formatMessage(tdbmsg::kMissingName, {"SPECIES"}));
    TdbSpecies species;
    species.name = words[0];
    species.line = line;
    readFormula(words.size() > 1 ? words[1] : words[0], species);
    if (TdbSpecies* known = find(m_db.species, species.name)) *known = std::move(species);
    else m_db.species.push_back(std::move(species));
  }

  // "AL2O3", "FE+2", "C1O1.5", "CU/+1": element names as declared (the longest that fits),
  // each with an optional amount, then an optional charge.
  void readFormula(const std::string& formula, TdbSpecies& species) {
    std::size_t i = 0;
    while (i < formula.size() && formula[i] != '+' && formula[i] != '-' && formula[i] != '/') {
      std::size_t best = 0;
      for (const TdbElement& element : m_db.elements)
        if (element.name.size() > best &&
            formula.compare(i, element.name.size(), element.name) == 0)
          best = element.name.size();
      if (best == 0) throw ETdbError(formatMessage(tdbmsg::kUnknownConstituent, {formula}));
      const std::string element = formula.substr(i, best);
      i += best;
      std::size_t end = i;
      while (end < formula.size() &&
             ((formula[end] >= '0' && formula[end] <= '9') || formula[end] == '.'))
        ++end;
      species.formula[element] += end > i ? number(formula.substr(i, end - i)) : 1.0;
      i = end;
    }
    if (i < formula.size()) {
      std::string charge = formula.substr(formula[i] == '/' ? i + 1 : i);
      species.charge = charge == "+" || charge == "-" ? (charge == "+" ? 1 : -1) : number(charge);
    }
  }

  void function(const std::string& rest, int line) {
    const auto words = splitWords(rest);
    if (words.empty()) throw ETdbError(formatMessage(tdbmsg::kMissingName, {"FUNCTION"}));
    TdbFunction function;
    function.name = upperCase(words[0]);
    function.line = line;
    function.value =
        readPiecewise(std::string_view(rest).substr(rest.find(words[0]) + words[0].size()));
    if (TdbFunction* known = find(m_db.functions, function.name)) *known = std::move(function);
    else m_db.functions.push_back(std::move(function));
  }

  // "CODE GES A_P_D PHASE MAGNETIC AFM P" and "CODE GES A_P_D PHASE DIS_PART OTHER"; every
  // other definition only steers the TDB tools.
  void typeDefinition(const std::vector<std::string>& words, int line) {
    if (words.empty()) return;  // steers nothing
    TdbTypeDefinition definition;
    definition.line = line;
    if (words.size() >= 5 && words[1].rfind("GES", 0) == 0 &&
        matchKeyword(words[2], {"AMEND_PHASE_DESCRIPTION"}) == 0) {
      const int what = matchKeyword(words[4], {"MAGNETIC", "DISORDERED_PART"});
      if (what == 0) {
        // Factors missing or unreadable leave the type unusable: the phases that carry it are
        // refused with the reason, the file still reads.
        definition.kind = TdbTypeDefinition::Kind::Magnetic;
        if (words.size() > 6) {
          definition.antiferroFactor = tryReadFileNumber(words[5]).value_or(0);
          definition.structureFactor = tryReadFileNumber(words[6]).value_or(0);
        }
      } else if (what == 1 && words.size() >= 6) {
        definition.kind = TdbTypeDefinition::Kind::DisorderedPart;
        definition.partner = words[5].substr(0, words[5].find(','));
        definition.partner = nameWithoutSuffix(definition.partner);
      }
    }
    m_db.typeDefinitions[words[0][0]] = definition;
  }

  void phase(const std::vector<std::string>& words, int line) {
    if (words.size() < 3) throw ETdbError(tdbmsg::kBadPhase);
    TdbPhase phase;
    phase.name = nameWithoutSuffix(words[0], &phase.suffix);
    phase.typeCodes = words[1];
    phase.line = line;
    int count = 0;
    const auto [end, ec] =
        std::from_chars(words[2].data(), words[2].data() + words[2].size(), count);
    if (ec != std::errc() || end != words[2].data() + words[2].size() || count < 1 ||
        words.size() < 3 + static_cast<std::size_t>(count))
      throw ETdbError(tdbmsg::kBadPhase);
    for (int i = 0; i < count; ++i) {
      const auto ratio = tryReadFileNumber(words[3 + static_cast<std::size_t>(i)]);
      if (!ratio || !(*ratio > 0)) throw ETdbError(tdbmsg::kBadPhase);
      phase.siteRatios.push_back(*ratio);
    }
    phase.constituents.resize(phase.siteRatios.size());
    if (TdbPhase* known = find(m_db.phases, phase.name)) *known = std::move(phase);
    else m_db.phases.push_back(std::move(phase));
  }

  void constituent(const std::string& rest, int line) {
    const auto words = splitWords(upperCase(rest));
    if (words.empty()) throw ETdbError(formatMessage(tdbmsg::kMissingName, {"CONSTITUENT"}));
    const std::string name = nameWithoutSuffix(words[0]);
    TdbPhase* phase = find(m_db.phases, name);
    if (!phase) throw ETdbError(formatMessage(tdbmsg::kUnknownPhase, {name}));
    std::string array;
    for (std::size_t i = 1; i < words.size(); ++i) array += words[i];
    if (array.size() < 2 || array.front() != ':' || array.back() != ':')
      throw ETdbError(tdbmsg::kBadConstituents);
    std::vector<std::vector<std::string>> sublattices(1);
    std::string constituent;
    for (std::size_t i = 1; i < array.size(); ++i) {
      const char c = array[i];
      if (c == ',' || c == ':') {
        if (constituent.empty()) throw ETdbError(tdbmsg::kBadConstituents);
        if (!m_db.findElement(constituent) && !m_db.findSpecies(constituent))
          throw ETdbError(formatMessage(tdbmsg::kUnknownConstituent, {constituent}));
        sublattices.back().push_back(std::move(constituent));
        constituent.clear();
        if (c == ':' && i + 1 < array.size()) sublattices.emplace_back();
      } else if (c != '%') {  // "%" marks a major constituent
        constituent += c;
      }
    }
    if (sublattices.size() != phase->siteRatios.size())
      throw ETdbError(
          formatMessage(tdbmsg::kSublatticeCount,
                        {phase->name, formatInt(static_cast<long long>(phase->siteRatios.size())),
                         formatInt(static_cast<long long>(sublattices.size()))}));
    phase->constituents = std::move(sublattices);
    phase->constituentLine = line;
  }

  void parameter(const std::string& rest, int line) {
    std::size_t used = 0;
    TdbParameter parameter = readParameterDescriptor(rest, used);
    parameter.value = readPiecewise(std::string_view(rest).substr(used));
    parameter.line = line;
    for (TdbParameter& known : m_db.parameters) {
      if (known.type == parameter.type && known.phase == parameter.phase &&
          known.constituents == parameter.constituents && known.order == parameter.order) {
        known = std::move(parameter);  // the last definition counts, as in the TDB tools
        return;
      }
    }
    m_db.parameters.push_back(std::move(parameter));
  }

  template <typename Item>
  static Item* find(std::vector<Item>& items, const std::string& name) {
    return TdbDatabase::findNamed(items, name);
  }

  TdbDatabase m_db;
};

}  // namespace

TdbDatabase readTdb(std::string_view text, const std::string& sourceName) {
  return TdbReader(sourceName).read(text);
}

TdbDatabase readTdbFile(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) throw ETdbError(formatMessage(tdbmsg::kCannotOpen, {fileName}));
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return readTdb(text, std::filesystem::path(fileName).filename().string());
}
