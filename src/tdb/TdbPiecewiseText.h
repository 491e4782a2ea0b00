#pragma once

#include "tdb/TdbDatabase.h"

#include <string_view>

// The temperature ranges of a FUNCTION or PARAMETER as written after its name:
// "LOW EXPRESSION; HIGH Y EXPRESSION; ... HIGH N [REFERENCE]". Throws ETdbError saying what
// is wrong (without the line).
TdbPiecewise readPiecewise(std::string_view text);

// A parameter's descriptor "TYPE(PHASE,A,B:VA;ORDER)" at the start of `text`; `used` gets the
// length it took. Throws ETdbError (without the line).
TdbParameter readParameterDescriptor(std::string_view text, std::size_t& used);
