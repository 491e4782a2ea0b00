#pragma once

#include "evaluator/EvaluatorTables.h"

#include <span>

// The seventeen functions that TParser registers, by the names users write.
std::span<const NamedFunction1> builtinFunctions1();
std::span<const NamedFunction2> builtinFunctions2();

// The process-wide generator behind RND: a std::mt19937_64 with its default seed,
// drawn as a 53-bit fraction uniform in [0, 1).
double nextRandomFraction();
