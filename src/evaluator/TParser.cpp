#include "evaluator/TParser.h"

#include "evaluator/BuiltinFunctions.h"

TParser::TParser() {
  for (const char* name : {"A", "B", "C", "D", "E", "X", "Y", "T"}) SetVariable(name, 0.0);
  for (const NamedFunction1& f : builtinFunctions1()) addFunction1(f.name, f.routine);
  for (const NamedFunction2& f : builtinFunctions2()) addFunction2(f.name, f.routine);
}
