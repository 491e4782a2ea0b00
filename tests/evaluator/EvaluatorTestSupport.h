#pragma once

#include "evaluator/TParser.h"

#include <bit>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// What compiling and running one text gave: a value and the step kinds, or an error.
struct EvalOutcome {
  std::string errorClass;
  std::string message;
  double value = 0.0;
  std::vector<std::uint8_t> kinds;
};

// A = 2, B = 3, C = 5, D = 7, X = 1.5 unless the caller gives other values.
inline std::unique_ptr<TParser> makeParser(
    const std::vector<std::pair<std::string, double>>& variables = {}) {
  auto parser = std::make_unique<TParser>();
  parser->A() = 2;
  parser->B() = 3;
  parser->C() = 5;
  parser->D() = 7;
  parser->X() = 1.5;
  for (const auto& [name, value] : variables) parser->SetVariable(name, value);
  return parser;
}

inline EvalOutcome evaluate(const std::string& text,
                            const std::vector<std::pair<std::string, double>>& variables = {}) {
  EvalOutcome out;
  auto parser = makeParser(variables);
  try {
    parser->setExpression(text);
    out.kinds = parser->operationKinds();
    out.value = parser->Value();
  } catch (const EEvaluatorError& e) {
    out.errorClass = e.className();
    out.message = e.what();
  }
  return out;
}

// What one Value() gave, bit for bit: the value or the error, and every result slot.
struct ValueOutcome {
  std::string error;  // class name and message
  std::uint64_t value = 0;
  std::vector<std::uint64_t> slots;

  bool operator==(const ValueOutcome&) const = default;
};

inline ValueOutcome runValue(TCustomParser& parser) {
  ValueOutcome out;
  try {
    out.value = std::bit_cast<std::uint64_t>(parser.Value());
  } catch (const EEvaluatorError& e) {
    out.error = std::string(e.className()) + ": " + e.what();
  }
  for (double v : parser.resultSlots()) out.slots.push_back(std::bit_cast<std::uint64_t>(v));
  return out;
}

inline std::string describe(const ValueOutcome& o) {
  std::string s = o.error.empty() ? std::to_string(std::bit_cast<double>(o.value)) : o.error;
  s += " [";
  for (std::uint64_t v : o.slots) s += std::to_string(std::bit_cast<double>(v)) + " ";
  return s + "]";
}
