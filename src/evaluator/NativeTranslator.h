#pragma once

#include "evaluator/CompiledProgram.h"
#include "evaluator/NativeCode.h"

#include <span>

// Straight-line x86-64 code that runs the steps as the interpreter runs them, or empty
// code when the platform is another or a step is of a form it does not translate.
NativeCode translateProgram(std::span<const ProgramStep> steps);
