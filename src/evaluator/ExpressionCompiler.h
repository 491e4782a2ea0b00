#pragma once

#include "evaluator/CompiledProgram.h"
#include "evaluator/EvaluatorTables.h"

#include <string_view>

// The top-down splitter: prepares the text, walks its term tree depth-first into the
// slot table of 21 levels by 50 entries and links the records, deepest level first.
// The text must not be empty. Raises the EMathParserError family on failure.
CompiledProgram compileExpression(std::string_view text, const CompilerTables& tables);
