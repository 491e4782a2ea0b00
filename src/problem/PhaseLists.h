#pragma once

#include "evaluator/TParser.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One entry of a phase list: a text and the evaluator the list owns.
struct PhaseEntry {
  std::string text;
  std::unique_ptr<TParser> parser;
};

// What the parse of a phase description makes. Each list owns its evaluators; a parse empties
// them, so evaluators of an earlier parse are gone once it starts.
struct PhaseLists {
  std::vector<PhaseEntry> SolutionPhases;  // phase name (upper case) -> its evaluator
  std::vector<PhaseEntry> PointPhases;     // the phase's X as general text -> its evaluator
  std::vector<PhaseEntry> Variables;       // variable name (upper case) -> its evaluator
  // The variables' values at the last composition, each rounded to 15 significant digits as the
  // text round trip of the general format would: phases receive exactly these values.
  std::vector<double> VariableValues;
  // Raised by every clear: evaluators a run looked up before belong to an older parse.
  std::uint64_t generation = 0;

  void clear() {
    ++generation;
    SolutionPhases.clear();
    PointPhases.clear();
    Variables.clear();
    VariableValues.clear();
  }
};

// The value a variable passes on: rounded to 15 significant digits without any heap text.
double roundTo15Digits(double value);
