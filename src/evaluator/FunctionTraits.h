#pragma once

#include <cstdint>

// A machine operation that computes a function bit for bit as its routine does, for the
// native code to do in place of a call. Each keeps a non-finite operand non-finite, which
// the native code's fault tests rely on.
enum class InlineOp : std::uint8_t { None, Sqrt, Abs };

// What the evaluator must know of a function beyond its routine. It lives in the
// function's table row: nothing else tells one function from another.
struct FunctionTraits {
  // The routine raises an EMathError itself. Generated code has no unwind information,
  // so the native code calls such a routine through a guard and leaves the fault to the
  // interpreter.
  bool mayRaise = false;
  // The routine draws from the process-wide generator, so a step runs it exactly once.
  // The native code stores its result untested: for finite operands it must be finite,
  // and it must not raise.
  bool drawsRandomNumbers = false;
  InlineOp inlineAs = InlineOp::None;
};
