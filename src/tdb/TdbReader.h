#pragma once

#include "tdb/TdbDatabase.h"

#include <string>
#include <string_view>

// Reads a thermodynamic database (TDB) text: ELEMENT, SPECIES, FUNCTION, TYPE_DEFINITION,
// PHASE, CONSTITUENT and PARAMETER; the commands that only steer the TDB tools
// (DEFINE_SYSTEM_DEFAULT, DEFAULT_COMMAND, references and the like) are read and ignored, and
// so is every TYPE_DEFINITION but the magnetic and order-disorder ones: none is ever an error.
// Keywords and names are case-insensitive and may be abbreviated as the tools allow. Throws
// ETdbError naming `sourceName`, the line and what is wrong.
TdbDatabase readTdb(std::string_view text, const std::string& sourceName);

// The same for a file; messages name the file without its folder.
TdbDatabase readTdbFile(const std::string& fileName);
