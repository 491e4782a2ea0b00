#include "evaluator/TCustomParser.h"

#include "base/AsciiCase.h"

#include "evaluator/ExpressionCompiler.h"

namespace {

constexpr std::string_view kBuiltInLetters = "ABCDEXYT";

bool isIdentifier(std::string_view name) {
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (name.empty() || !letter(name[0])) return false;
  for (char c : name.substr(1))
    if (!letter(c) && !(c >= '0' && c <= '9')) return false;
  return true;
}

}  // namespace

TCustomParser::TCustomParser() = default;

double* TCustomParser::SetVariable(std::string_view name, double value) {
  if (double* const* found = m_variables.find(name)) {
    **found = value;
    return *found;
  }
  std::string upper = upperCase(name);
  double* slot = nullptr;
  if (upper.size() == 1 && kBuiltInLetters.find(upper[0]) != std::string_view::npos) {
    slot = &m_builtIn[kBuiltInLetters.find(upper[0])];
  } else {
    if (!isIdentifier(upper)) throw EBadName(upper);
    slot = m_ownSlots.emplace_back(std::make_unique<double>()).get();
  }
  *slot = value;
  m_variables.insert(std::move(upper), slot);
  return slot;
}

void TCustomParser::setExpression(std::string text) {
  m_program.reset();
  m_expression = std::move(text);
  if (m_expression.empty()) return;
  try {
    const CompilerTables tables{m_variables, m_functions1, m_functions2, m_numberFormatSwitch};
    m_program = std::make_unique<CompiledProgram>(compileExpression(m_expression, tables));
    m_program->setInterpreterOnly(!m_nativeCode);
  } catch (const EMathParserError& e) {
    if (!OnParserError) throw;
    OnParserError(*this, e);
  }
}

void TCustomParser::setNativeCode(bool on) {
  m_nativeCode = on;
  if (m_program) m_program->setInterpreterOnly(!on);
}

std::vector<std::uint8_t> TCustomParser::operationKinds() const {
  return m_program ? m_program->kinds() : std::vector<std::uint8_t>{};
}

std::vector<double> TCustomParser::resultSlots() const {
  return m_program ? m_program->results() : std::vector<double>{};
}

void TCustomParser::addFunction1(const NamedFunction1& row) {
  if (!m_functions1.insert(row.name, &row)) throw EParserInternalError();
}

void TCustomParser::addFunction2(const NamedFunction2& row) {
  if (!m_functions2.insert(row.name, &row)) throw EParserInternalError();
}
