#pragma once

#include "tdb/TdbExpression.h"

#include <map>
#include <string>
#include <vector>

// What a TDB file holds, as read: names upper case, every item with the line its command
// starts on, so that later faults can name it.

// One temperature range of a function or parameter: the expression holds from `low` up to
// (not including) `high`.
struct TdbRange {
  double low = 0;
  double high = 0;
  TdbExpr expr;
};

// A function of temperature given piecewise, as FUNCTION and PARAMETER write it.
struct TdbPiecewise {
  std::vector<TdbRange> ranges;
};

struct TdbFunction {
  std::string name;
  TdbPiecewise value;
  int line = 0;
};

struct TdbElement {
  std::string name;
  std::string referencePhase;
  int line = 0;
};

// A species and its formula as element -> amount; `charge` is not zero for ions.
struct TdbSpecies {
  std::string name;
  std::map<std::string, double> formula;
  double charge = 0;
  int line = 0;
};

struct TdbPhase {
  std::string name;
  char suffix = 0;        // the letter of a "NAME:L" suffix, 0 without one
  std::string typeCodes;  // the characters naming its TYPE_DEFINITIONs
  std::vector<double> siteRatios;
  std::vector<std::vector<std::string>> constituents;  // per sublattice, empty until CONSTITUENT
  int line = 0;
  int constituentLine = 0;
};

// PARAMETER TYPE(PHASE,CONSTITUENTS;ORDER): constituents per sublattice, "*" for any.
struct TdbParameter {
  std::string type;  // G, L, TC, BMAGN, ...
  std::string phase;
  std::vector<std::vector<std::string>> constituents;
  int order = 0;
  TdbPiecewise value;
  int line = 0;
};

// What a TYPE_DEFINITION does to the phases that carry its code; other kinds are ignored.
struct TdbTypeDefinition {
  enum class Kind { Other, Magnetic, DisorderedPart };
  Kind kind = Kind::Other;
  double antiferroFactor = 0;  // MAGNETIC: -1 (bcc) or -3 (fcc and others)
  double structureFactor = 0;  // MAGNETIC: p, 0.4 (bcc) or 0.28
  std::string partner;         // DISORDERED_PART: the other phase of the pair
  int line = 0;
};

struct TdbDatabase {
  std::string sourceName;  // the file's name, for messages
  std::vector<TdbElement> elements;
  std::vector<TdbSpecies> species;
  std::vector<TdbFunction> functions;
  std::vector<TdbPhase> phases;
  std::vector<TdbParameter> parameters;
  std::map<char, TdbTypeDefinition> typeDefinitions;

  const TdbElement* findElement(const std::string& name) const { return findNamed(elements, name); }
  const TdbSpecies* findSpecies(const std::string& name) const { return findNamed(species, name); }
  const TdbFunction* findFunction(const std::string& name) const {
    return findNamed(functions, name);
  }
  const TdbPhase* findPhase(const std::string& name) const { return findNamed(phases, name); }

  // The item of that name in a list of elements, species, functions or phases; null if none.
  template <typename Items>
  static auto findNamed(Items& items, const std::string& name) -> decltype(&items.front()) {
    for (auto& item : items)
      if (item.name == name) return &item;
    return nullptr;
  }
};
