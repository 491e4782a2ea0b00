// Compiles arbitrary texts with a few variables set and evaluates what compiles, once as
// native code and once through the interpreter: values, faults and result slots must be
// the same bit for bit.
#include "base/AsciiCase.h"
#include "evaluator/BuiltinFunctions.h"
#include "evaluator/TParser.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Inputs {
  double w = 0, sid = 0, x = 0, t = 0;
  std::string name;
};

struct Outcome {
  std::string error;
  std::uint64_t value = 0;
  std::vector<std::uint64_t> slots;

  bool operator==(const Outcome&) const = default;
};

void setUp(TParser& parser, const Inputs& in) {
  try {
    parser.SetVariable("W", in.w);
    parser.SetVariable("SID", in.sid);
    parser.SetVariable(in.name, 1.5);
  } catch (const EEvaluatorError&) {
  }
  parser.X() = in.x;
  parser.T() = in.t;
}

Outcome run(TParser& parser) {
  Outcome out;
  try {
    out.value = std::bit_cast<std::uint64_t>(parser.Value());
  } catch (const EMathError& e) {
    out.error = e.what();
  }
  for (double v : parser.resultSlots()) out.slots.push_back(std::bit_cast<std::uint64_t>(v));
  return out;
}

// Functions that draw random numbers draw from one process-wide generator, so two
// evaluators never see the same numbers: a text that names one is run, not compared.
bool drawsRandomNumbers(const std::string& text) {
  const std::string upper = upperCase(text);
  const auto namedIn = [&](auto rows) {
    return std::any_of(rows.begin(), rows.end(), [&](const auto& row) {
      return row.traits.drawsRandomNumbers && upper.find(row.name) != std::string::npos;
    });
  };
  return namedIn(builtinFunctions1()) || namedIn(builtinFunctions2());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  Inputs in;
  in.w = provider.ConsumeFloatingPoint<double>();
  in.sid = provider.ConsumeFloatingPointInRange<double>(-1e3, 1e3);
  in.name = provider.ConsumeRandomLengthString(8);
  in.x = provider.ConsumeFloatingPointInRange<double>(0.0, 1.0);
  in.t = provider.ConsumeFloatingPointInRange<double>(0.0, 5000.0);
  const std::string text = provider.ConsumeRemainingBytesAsString();
  TParser native;
  TParser interpreter;
  interpreter.setNativeCode(false);
  setUp(native, in);
  setUp(interpreter, in);
  try {
    native.setExpression(text);
  } catch (const EMathParserError&) {
    return 0;
  }
  interpreter.setExpression(text);
  const bool compare = !drawsRandomNumbers(text);
  for (int round = 0; round < 3; ++round) {
    // The second round brings non-finite values in, the third faults of its own.
    if (round == 1) {
      native.X() = interpreter.X() = in.w;
      native.T() = interpreter.T() = in.w * in.w;
    } else if (round == 2) {
      native.X() = interpreter.X() = 0;
      native.T() = interpreter.T() = -in.t;
    }
    const Outcome a = run(native);
    const Outcome b = run(interpreter);
    if (compare && !(a == b)) std::abort();
  }
  (void)native.operationKinds();
  return 0;
}
