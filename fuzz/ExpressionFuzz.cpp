// Compiles arbitrary texts with a few variables set and evaluates what compiles.
#include "evaluator/TParser.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider provider(data, size);
  TParser parser;
  try {
    parser.SetVariable("W", provider.ConsumeFloatingPoint<double>());
    parser.SetVariable("SID", provider.ConsumeFloatingPointInRange<double>(-1e3, 1e3));
    parser.SetVariable(provider.ConsumeRandomLengthString(8), 1.5);
  } catch (const EEvaluatorError&) {
  }
  parser.X() = provider.ConsumeFloatingPointInRange<double>(0.0, 1.0);
  parser.T() = provider.ConsumeFloatingPointInRange<double>(0.0, 5000.0);
  try {
    parser.setExpression(provider.ConsumeRemainingBytesAsString());
  } catch (const EMathParserError&) {
    return 0;
  }
  for (int run = 0; run < 2; ++run) {
    try {
      parser.Value();
    } catch (const EMathError&) {
    }
  }
  (void)parser.operationKinds();
  return 0;
}
