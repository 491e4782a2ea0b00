#pragma once

#include "evaluator/TParser.h"

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
