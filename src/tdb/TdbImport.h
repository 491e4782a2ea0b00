#pragma once

#include "tdb/BinaryPhases.h"
#include "tdb/TdbDatabase.h"

#include <string>
#include <vector>

// What to take from a TDB file: the two elements (A, then B) and the phases, every phase of
// the system when none is named.
struct TdbImportRequest {
  std::string elementA;
  std::string elementB;
  std::vector<std::string> phases;
  bool skipUnsupported = false;  // leave refused phases out instead of failing
};

// A problem made from a TDB file: its phase description and its fields.
struct TdbImport {
  std::string description;  // lines ending in "\n"
  std::string problemName;  // "Pb-Sn"
  double ymin = 300;
  double ymax = 0;
  int xPoints = 200;
  int yPoints = 200;
  std::vector<std::string> taken;    // the phases written, as the file names them
  std::vector<std::string> leftOut;  // why each phase left out was left out
};

// The binary system A-B of a TDB file as a phase description, checked by the program's own
// parse: the temperature axis from 300 K to 10 % above the higher melting point of A and B in
// that description. Throws ETdbError for elements or phases not in the file, a phase that
// cannot be written (unless skipped), a missing or self-referring function.
TdbImport importBinarySystem(const TdbDatabase& db, const TdbImportRequest& request);

// The elements of the file that can form a system (not the vacancy or the electron).
std::vector<std::string> systemElements(const TdbDatabase& db);

// "Pb" for "PB": an element's name as chemistry writes it.
std::string elementSymbol(const std::string& name);
