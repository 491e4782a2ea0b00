#pragma once

#include "evaluator/CompiledProgram.h"
#include "evaluator/EvaluatorErrors.h"
#include "evaluator/EvaluatorTables.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TCustomParser;

using TParserExceptionEvent = std::function<void(TCustomParser& sender, const EMathParserError& e)>;

// The evaluator base: a variable table, the function tables and one compiled expression.
// Variable slots have stable addresses (the built-in letters live in the object itself),
// so an evaluator is neither copied nor moved; hold it by std::unique_ptr.
//
// Use: SetVariable for every name the expression uses, setExpression, then any number of
// SetVariable / Value rounds. Value() allocates nothing.
class TCustomParser {
 public:
  TCustomParser();
  TCustomParser(const TCustomParser&) = delete;
  TCustomParser& operator=(const TCustomParser&) = delete;

  // Defines or updates the variable (name case-insensitive, stored upper case) and
  // returns its slot; an existing name costs one binary search. Raises EBadName for a
  // new name that is no identifier.
  double* SetVariable(std::string_view name, double value);

  // Assigning compiles the text (an empty text gives no program). On a compile error no
  // program is kept and the error goes to OnParserError if set, else to the caller.
  void setExpression(std::string text);
  // The text last assigned, unchanged.
  const std::string& Expression() const { return m_expression; }

  // Runs the program; 0 without one. Raises EMathError at the first step that faults
  // (invalid operation, division by zero, overflow); the steps before it keep their
  // results. An infinity or NaN brought in by a variable propagates without a fault,
  // except into MOD, DIV or an integer power's exponent (see ArithmeticRoutines.h).
  double Value() { return m_program ? m_program->run() : 0.0; }

  bool numberFormatSwitch() const { return m_numberFormatSwitch; }
  void setNumberFormatSwitch(bool on) { m_numberFormatSwitch = on; }

  // The program runs as native code where it can be made (x86-64 Linux), else through the
  // interpreter; tests turn the native code off to compare the two.
  void setNativeCode(bool on);
  bool runsNativeCode() const { return m_nativeCode && m_program && m_program->hasNativeCode(); }

  // The kinds of the compiled program's steps in execution order (empty without one); a
  // lone variable or number compiles to one step of kind 0 or 1.
  std::vector<std::uint8_t> operationKinds() const;
  // The result slots of the program's operation steps, in execution order.
  std::vector<double> resultSlots() const;

  TParserExceptionEvent OnParserError;

 protected:
  enum BuiltIn { kA, kB, kC, kD, kE, kX, kY, kT, kBuiltInCount };

  // Registers a function by its row, which must outlive the evaluator (the built-in rows
  // are static); a name already present raises EParserInternalError.
  void addFunction1(const NamedFunction1& row);
  void addFunction2(const NamedFunction2& row);
  void addFunction1(NamedFunction1&&) = delete;  // the table keeps the row's address
  void addFunction2(NamedFunction2&&) = delete;

  std::array<double, kBuiltInCount> m_builtIn{};

 private:
  std::string m_expression;
  bool m_numberFormatSwitch = true;
  bool m_nativeCode = true;
  VariableTable m_variables;
  std::vector<std::unique_ptr<double>> m_ownSlots;
  std::unique_ptr<CompiledProgram> m_program;
  FunctionTable1 m_functions1;
  FunctionTable2 m_functions2;
};
