#pragma once

#include "evaluator/EvaluatorTables.h"

#include <span>

struct NamedFunction1 {
  const char* name;
  Function1 routine;
};

struct NamedFunction2 {
  const char* name;
  Function2 routine;
};

// The seventeen functions that TParser registers, by the names users write.
std::span<const NamedFunction1> builtinFunctions1();
std::span<const NamedFunction2> builtinFunctions2();

// Whether the routine is RND's, which must run exactly once per step.
bool drawsRandomNumbers(Function1 routine);

// The process-wide generator behind RND: a std::mt19937_64 with its default seed,
// drawn as a 53-bit fraction uniform in [0, 1).
double nextRandomFraction();
