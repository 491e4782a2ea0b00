#include "evaluator/TParser.h"

#include "evaluator/BuiltinFunctions.h"

TParser::TParser() {
  for (const char* name : {"A", "B", "C", "D", "E", "X", "Y", "T"}) SetVariable(name, 0.0);
  for (const NamedFunction1& row : builtinFunctions1()) addFunction1(row);
  for (const NamedFunction2& row : builtinFunctions2()) addFunction2(row);
}
