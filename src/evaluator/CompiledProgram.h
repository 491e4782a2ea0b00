#pragma once

#include "evaluator/EvaluatorTables.h"
#include "evaluator/NativeCode.h"

#include <cstdint>
#include <optional>
#include <vector>

// Operation kinds, the kind byte of an operation record.
namespace opkind {
enum : std::uint8_t {
  kVariable = 0,
  kConstant = 1,
  kNegation = 2,
  kSum = 3,
  kDifference = 4,
  kProduct = 5,
  kQuotient = 6,
  kMod = 7,
  kDiv = 8,
  kIntegerPower = 9,
  kRealPower = 10,
  kSquare = 11,
  kCube = 12,
  kFourthPower = 13,
  kFunction1 = 14,
  kFunction2 = 15,
};
}  // namespace opkind

struct ProgramStep;
// Runs one step and, as a tail call, the rest of the program; `previous` is the result of
// the step before, which most steps take as an operand.
using StepHandler = double (*)(const ProgramStep* step, double previous);

// One step: reads its operand slots, writes its result slot. b is unused by one-operand
// kinds; the routine and traits of kinds 14 and 15 are the function's, from its row.
struct ProgramStep {
  const double* a = nullptr;
  const double* b = nullptr;
  double* result = nullptr;
  Function1 function1 = nullptr;
  Function2 function2 = nullptr;
  std::uint8_t kind = opkind::kVariable;
  // None for the other kinds, and for a function step built without its row, whose
  // function might then do anything: such a step is never paired nor run as native code.
  std::optional<FunctionTraits> traits;
  // The kind's routine, specialised for where its operands come from.
  StepHandler handler = nullptr;
};

// A compiled expression: its steps in execution order and the constant and result slots
// they point into. The slots are allocated once, so a program can be moved but not copied.
class CompiledProgram {
 public:
  CompiledProgram(std::vector<double> slots, std::vector<ProgramStep> steps, std::size_t resultBegin);
  CompiledProgram(CompiledProgram&&) noexcept = default;
  CompiledProgram& operator=(CompiledProgram&&) noexcept = default;
  CompiledProgram(const CompiledProgram&) = delete;
  CompiledProgram& operator=(const CompiledProgram&) = delete;

  // Runs every step in order and returns the last step's result. A fault stops the run
  // at the failing step, whose result slot keeps its old value, and raises EMathError.
  // The native code, where there is one, leaves a non-finite result to the interpreter.
  double run() {
    if (m_native && !m_interpreterOnly) [[likely]] {
      const NativeResult r = m_native.entry()();
      if (r.resumeStep == 0) [[likely]] return r.value;
      return runFrom(r.resumeStep - 1);
    }
    return m_steps.front().handler(m_steps.data(), 0.0);
  }

  bool hasNativeCode() const { return static_cast<bool>(m_native); }
  // Tests run the interpreter alone to compare it with the native code.
  void setInterpreterOnly(bool on) { m_interpreterOnly = on; }

  std::vector<std::uint8_t> kinds() const;
  // The result slots, one per step of an operation, in execution order.
  std::vector<double> results() const;

 private:
  std::vector<double> m_slots;
  std::vector<ProgramStep> m_steps;  // ends with a step that returns the last result
  std::size_t m_resultBegin;
  NativeCode m_native;
  bool m_interpreterOnly = false;

  [[gnu::cold]] [[gnu::noinline]] double runFrom(std::size_t step);
};
