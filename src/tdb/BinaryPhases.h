#pragma once

#include "tdb/TdbDatabase.h"

#include <string>
#include <vector>

// A parameter of the system A-B on the sublattice where A and B mix: an end member or an
// interaction of Redlich-Kister order `order`, whose sign flips when the file writes B before A.
struct MixingTerm {
  const TdbParameter* parameter = nullptr;
  int order = 0;
  bool flipped = false;
};

// The parameters of one kind (G, TC or BMAGN) of a phase in the system.
struct MixingParameters {
  const TdbParameter* endA = nullptr;  // a compound's own parameter is here
  const TdbParameter* endB = nullptr;
  std::vector<MixingTerm> interactions;

  bool empty() const { return !endA && !endB && interactions.empty(); }
};

// A phase of the file as it appears in the binary system A-B.
struct BinaryPhase {
  enum class Kind { Solution, Compound, Refused };

  const TdbPhase* phase = nullptr;
  Kind kind = Kind::Refused;
  std::string reason;   // Refused: why, in a few words
  std::string message;  // Refused: the whole message, naming the phase and its line
  double atoms = 1;     // moles of atoms of A and B per formula unit
  double atomsB = 0;    // Compound: moles of B per formula unit
  double x = 0;         // Compound: the mole fraction of B
  MixingParameters g;
  MixingParameters tc;
  MixingParameters bmagn;
  const TdbTypeDefinition* magnetic = nullptr;  // the magnetic model, when TC or BMAGN apply
  bool magneticIgnored = false;  // TC or BMAGN given, but no magnetic type definition
  std::string formula;           // Compound: its constituents, "PB:SN3" style
};

// Every phase of the file that holds A or B, in the file's order, each a solution (A and B mix
// on one sublattice, the others hold vacancies only), a compound (every sublattice holds one
// element or vacancies) or refused with its reason. Names upper case.
std::vector<BinaryPhase> binaryPhases(const TdbDatabase& db, const std::string& a,
                                      const std::string& b);
