#pragma once

#include "evaluator/FunctionTraits.h"
#include "evaluator/NameTable.h"

// A function routine takes its operand values and returns the step's result; it may
// raise a run-time fault itself when the fault happens inside it.
using Function1 = double (*)(double);
using Function2 = double (*)(double, double);

// A function's row: the name users write (upper case), its routine and its traits. The
// traits have no default, so that no row leaves them out.
template <typename Routine>
struct FunctionRow {
  constexpr FunctionRow(const char* rowName, Routine rowRoutine, FunctionTraits rowTraits)
      : name(rowName), routine(rowRoutine), traits(rowTraits) {}

  const char* name;
  Routine routine;
  FunctionTraits traits;
};
using NamedFunction1 = FunctionRow<Function1>;
using NamedFunction2 = FunctionRow<Function2>;

// The function tables hold the rows themselves, which outlive the evaluator.
using VariableTable = NameTable<double*>;
using FunctionTable1 = NameTable<const NamedFunction1*>;
using FunctionTable2 = NameTable<const NamedFunction2*>;

// What the compiler reads (never changes) while it compiles one text.
struct CompilerTables {
  const VariableTable& variables;
  const FunctionTable1& functions1;
  const FunctionTable2& functions2;
  bool numberFormatSwitch = true;
};
