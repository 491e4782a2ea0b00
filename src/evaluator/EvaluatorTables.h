#pragma once

#include "evaluator/NameTable.h"

// A function routine takes its operand values and returns the step's result; it may
// raise a run-time fault itself when the fault happens inside it.
using Function1 = double (*)(double);
using Function2 = double (*)(double, double);

using VariableTable = NameTable<double*>;
using FunctionTable1 = NameTable<Function1>;
using FunctionTable2 = NameTable<Function2>;

// What the compiler reads (never changes) while it compiles one text.
struct CompilerTables {
  const VariableTable& variables;
  const FunctionTable1& functions1;
  const FunctionTable2& functions2;
  bool numberFormatSwitch = true;
};
