#include "evaluator/CompiledProgram.h"

#include "evaluator/ArithmeticRoutines.h"

#include <cmath>

CompiledProgram::CompiledProgram(std::vector<double> slots, std::vector<ProgramStep> steps,
                                 std::size_t resultBegin)
    : m_slots(std::move(slots)), m_steps(std::move(steps)), m_resultBegin(resultBegin) {}

double CompiledProgram::run() {
  using namespace opkind;
  using namespace arithmetic;
  for (const ProgramStep& s : m_steps) {
    double v;
    switch (s.kind) {
      case kNegation:
        v = -*s.a;
        break;
      case kSum:
        v = *s.a + *s.b;
        if (!std::isfinite(v)) [[unlikely]] checkOverflow(*s.a, *s.b);
        break;
      case kDifference:
        v = *s.a - *s.b;
        if (!std::isfinite(v)) [[unlikely]] checkOverflow(*s.a, *s.b);
        break;
      case kProduct:
        v = *s.a * *s.b;
        if (!std::isfinite(v)) [[unlikely]] checkOverflow(*s.a, *s.b);
        break;
      case kQuotient:
        v = *s.a / *s.b;
        if (!std::isfinite(v)) [[unlikely]] checkQuotient(*s.a, *s.b);
        break;
      case kMod:
        v = modulo(*s.a, *s.b);
        break;
      case kDiv:
        v = integerDivide(*s.a, *s.b);
        break;
      case kIntegerPower:
        v = integerPower(*s.a, *s.b);
        break;
      case kRealPower:
        v = realPower(*s.a, *s.b);
        break;
      case kSquare:
        v = *s.a * *s.a;
        if (!std::isfinite(v)) [[unlikely]] checkOverflow(*s.a);
        break;
      case kCube:
        v = (*s.a * *s.a) * *s.a;
        if (!std::isfinite(v)) [[unlikely]] checkOverflow(*s.a);
        break;
      case kFourthPower: {
        const double square = *s.a * *s.a;
        v = square * square;
        if (!std::isfinite(v)) [[unlikely]] checkOverflow(*s.a);
        break;
      }
      case kFunction1:
        v = s.function1(*s.a);
        if (!std::isfinite(v)) [[unlikely]] checkFunction(v, *s.a);
        break;
      case kFunction2:
        v = s.function2(*s.a, *s.b);
        if (!std::isfinite(v)) [[unlikely]] checkFunction(v, *s.a, *s.b);
        break;
      default:  // kinds 0 and 1: the operand is the value
        continue;
    }
    *s.result = v;
  }
  return *m_steps.back().result;
}

std::vector<std::uint8_t> CompiledProgram::kinds() const {
  std::vector<std::uint8_t> out;
  out.reserve(m_steps.size());
  for (const ProgramStep& s : m_steps) out.push_back(s.kind);
  return out;
}

std::vector<double> CompiledProgram::results() const {
  return {m_slots.begin() + static_cast<std::ptrdiff_t>(m_resultBegin), m_slots.end()};
}
