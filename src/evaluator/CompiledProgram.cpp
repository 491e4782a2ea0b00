#include "evaluator/CompiledProgram.h"

#include "evaluator/ArithmeticRoutines.h"
#include "evaluator/NativeTranslator.h"

#include <array>
#include <cmath>
#include <iterator>
#include <utility>

namespace {

using namespace opkind;
using namespace arithmetic;

// Most operands are the result of the step just before: the runner passes that value on
// in a register as well as writing its slot, and a step's handler says which operand
// takes it from there. Every slot is written all the same.
enum class From : std::uint8_t { Slots, PreviousA, PreviousB };

// The step's value from operands a and b. The kinds done in one machine operation are
// checked by the caller; the others check each of their own steps.
template <std::uint8_t Kind>
inline double compute(const ProgramStep* s, double a, double b) {
  if constexpr (Kind == kNegation) return -a;
  else if constexpr (Kind == kSum) return a + b;
  else if constexpr (Kind == kDifference) return a - b;
  else if constexpr (Kind == kProduct) return a * b;
  else if constexpr (Kind == kQuotient) return a / b;
  else if constexpr (Kind == kMod) return modulo(a, b);
  else if constexpr (Kind == kDiv) return integerDivide(a, b);
  else if constexpr (Kind == kIntegerPower) return integerPower(a, b);
  else if constexpr (Kind == kRealPower) return realPower(a, b);
  else if constexpr (Kind == kSquare) return a * a;
  else if constexpr (Kind == kCube) return (a * a) * a;
  else if constexpr (Kind == kFourthPower) {
    const double square = a * a;
    return square * square;
  } else if constexpr (Kind == kFunction1) return s->function1(a);
  else return s->function2(a, b);
}

// v - v is NaN exactly when v is an infinity or a NaN: cheaper than a test on the bits.
inline bool notFinite(double v) {
  const double z = v - v;
  return z != z;
}

// A non-finite result: raise the step's fault (unless an operand was already non-finite),
// else store it and go on with the next step.
template <std::uint8_t Kind>
[[gnu::cold]] [[gnu::noinline]] double checkAndContinue(const ProgramStep* s, double a, double b, double v) {
  if constexpr (Kind == kQuotient) checkQuotient(a, b);
  else if constexpr (Kind == kFunction1 || Kind == kFunction2) checkFunction(v, a, b);
  else if constexpr (Kind == kSum || Kind == kDifference || Kind == kProduct || Kind == kSquare ||
                     Kind == kCube || Kind == kFourthPower)
    checkOverflow(a, b);
  *s->result = v;
  return s[1].handler(s + 1, v);
}

constexpr bool hasSecondOperand(std::uint8_t kind) {
  return (kind >= kSum && kind <= kRealPower) || kind == kFunction2;
}

template <std::uint8_t Kind, From Source>
double runStep(const ProgramStep* s, double previous) {
  const double a = Source == From::PreviousA ? previous : *s->a;
  double b = 0.0;  // one-operand kinds: a finite stand-in for the fault checks
  if constexpr (hasSecondOperand(Kind)) b = Source == From::PreviousB ? previous : *s->b;
  const double v = compute<Kind>(s, a, b);
  if (notFinite(v)) [[unlikely]] return checkAndContinue<Kind>(s, a, b, v);
  *s->result = v;
  return s[1].handler(s + 1, v);
}

// Two steps in one handler: a common shape in Gibbs energies, and half the indirect
// jumps. Arithmetic values are computed before either is stored; should one of them not
// be finite, the two steps run again one by one with their own checks. A function may
// raise a fault itself, so the step before it is stored first.
template <std::uint8_t Kind1, From Source1, std::uint8_t Kind2, From Source2>
double runPair(const ProgramStep* s, double previous) {
  const double a1 = Source1 == From::PreviousA ? previous : *s->a;
  double b1 = 0.0;
  if constexpr (hasSecondOperand(Kind1)) b1 = Source1 == From::PreviousB ? previous : *s->b;
  const double v1 = compute<Kind1>(s, a1, b1);
  if constexpr (Kind2 == kFunction1) {
    if (notFinite(v1)) [[unlikely]] return runStep<Kind1, Source1>(s, previous);
    *s->result = v1;
  }
  const double a2 = Source2 == From::PreviousA ? v1 : *s[1].a;
  double b2 = 0.0;
  if constexpr (hasSecondOperand(Kind2)) b2 = Source2 == From::PreviousB ? v1 : *s[1].b;
  const double v2 = compute<Kind2>(s + 1, a2, b2);
  if constexpr (Kind2 == kFunction1) {
    if (notFinite(v2)) [[unlikely]] return checkAndContinue<Kind2>(s + 1, a2, b2, v2);
  } else {
    const double z = (v1 - v1) + (v2 - v2);
    if (z != z) [[unlikely]] return runStep<Kind1, Source1>(s, previous);
    *s->result = v1;
  }
  *s[1].result = v2;
  return s[2].handler(s + 2, v2);
}

// Pairs are made of the four arithmetic kinds and one-argument functions: the shapes of
// X*LN(X) and of most sums and products.
constexpr std::uint8_t kPairKinds[] = {kSum, kDifference, kProduct, kQuotient, kFunction1};
constexpr std::size_t kPairKindCount = std::size(kPairKinds);
constexpr std::size_t kSourceCount = 3;

constexpr int pairKindIndex(std::uint8_t kind) {
  for (std::size_t k = 0; k < kPairKindCount; ++k)
    if (kPairKinds[k] == kind) return static_cast<int>(k);
  return -1;
}

// A function that draws random numbers must not run twice, as a pair that trips its
// fault test would make it do; nor may one whose traits are unknown.
bool isPairable(const ProgramStep& step) {
  if (pairKindIndex(step.kind) < 0) return false;
  return step.kind != kFunction1 || (step.traits && !step.traits->drawsRandomNumbers);
}

constexpr std::size_t pairIndex(std::uint8_t kind1, From source1, std::uint8_t kind2, From source2) {
  const auto k1 = static_cast<std::size_t>(pairKindIndex(kind1));
  const auto k2 = static_cast<std::size_t>(pairKindIndex(kind2));
  return ((k1 * kSourceCount + static_cast<std::size_t>(source1)) * kPairKindCount + k2) * kSourceCount +
         static_cast<std::size_t>(source2);
}

template <std::size_t I>
constexpr StepHandler pairEntry() {
  constexpr std::size_t perFirst = kSourceCount * kPairKindCount * kSourceCount;
  constexpr std::uint8_t kind1 = kPairKinds[I / perFirst];
  constexpr From source1 = static_cast<From>(I / (kPairKindCount * kSourceCount) % kSourceCount);
  constexpr std::uint8_t kind2 = kPairKinds[I / kSourceCount % kPairKindCount];
  constexpr From source2 = static_cast<From>(I % kSourceCount);
  // PreviousB needs a second operand; such entries are never looked up.
  if constexpr ((source1 == From::PreviousB && !hasSecondOperand(kind1)) ||
                (source2 == From::PreviousB && !hasSecondOperand(kind2)))
    return nullptr;
  else
    return runPair<kind1, source1, kind2, source2>;
}

template <std::size_t... I>
constexpr std::array<StepHandler, sizeof...(I)> makePairTable(std::index_sequence<I...>) {
  return {pairEntry<I>()...};
}

constexpr auto kPairTable =
    makePairTable(std::make_index_sequence<kPairKindCount * kSourceCount * kPairKindCount * kSourceCount>());

// Kinds 0 and 1: the operand is the value.
double runOperand(const ProgramStep* s, double) { return s[1].handler(s + 1, *s->result); }

double finish(const ProgramStep*, double previous) { return previous; }

template <std::uint8_t Kind>
StepHandler handlerFor(From source) {
  switch (source) {
    case From::PreviousA: return runStep<Kind, From::PreviousA>;
    case From::PreviousB:
      if constexpr (hasSecondOperand(Kind)) return runStep<Kind, From::PreviousB>;
      return runStep<Kind, From::Slots>;
    default: return runStep<Kind, From::Slots>;
  }
}

StepHandler handlerFor(std::uint8_t kind, From source) {
  switch (kind) {
    case kNegation: return handlerFor<kNegation>(source);
    case kSum: return handlerFor<kSum>(source);
    case kDifference: return handlerFor<kDifference>(source);
    case kProduct: return handlerFor<kProduct>(source);
    case kQuotient: return handlerFor<kQuotient>(source);
    case kMod: return handlerFor<kMod>(source);
    case kDiv: return handlerFor<kDiv>(source);
    case kIntegerPower: return handlerFor<kIntegerPower>(source);
    case kRealPower: return handlerFor<kRealPower>(source);
    case kSquare: return handlerFor<kSquare>(source);
    case kCube: return handlerFor<kCube>(source);
    case kFourthPower: return handlerFor<kFourthPower>(source);
    case kFunction1: return handlerFor<kFunction1>(source);
    case kFunction2: return handlerFor<kFunction2>(source);
    default: return runOperand;
  }
}

}  // namespace

CompiledProgram::CompiledProgram(std::vector<double> slots, std::vector<ProgramStep> steps,
                                 std::size_t resultBegin)
    : m_slots(std::move(slots)), m_steps(std::move(steps)), m_resultBegin(resultBegin) {
  std::vector<From> sources(m_steps.size(), From::Slots);
  const double* previous = nullptr;
  for (std::size_t i = 0; i < m_steps.size(); ++i) {
    ProgramStep& s = m_steps[i];
    if (previous && s.a == previous) sources[i] = From::PreviousA;
    else if (previous && hasSecondOperand(s.kind) && s.b == previous) sources[i] = From::PreviousB;
    s.handler = handlerFor(s.kind, sources[i]);
    previous = s.result;
  }
  for (std::size_t i = 0; i + 1 < m_steps.size(); ++i) {
    if (isPairable(m_steps[i]) && isPairable(m_steps[i + 1])) {
      m_steps[i].handler = kPairTable[pairIndex(m_steps[i].kind, sources[i], m_steps[i + 1].kind, sources[i + 1])];
      ++i;
    }
  }
  ProgramStep end;
  end.handler = finish;
  m_steps.push_back(end);
  m_native = translateProgram(std::span(m_steps).first(m_steps.size() - 1));
}

// Every step before `step` has stored its result; the handlers chain on from there.
double CompiledProgram::runFrom(std::size_t step) {
  const double previous = step == 0 ? 0.0 : *m_steps[step - 1].result;
  return m_steps[step].handler(&m_steps[step], previous);
}

std::vector<std::uint8_t> CompiledProgram::kinds() const {
  std::vector<std::uint8_t> out;
  for (std::size_t i = 0; i + 1 < m_steps.size(); ++i) out.push_back(m_steps[i].kind);
  return out;
}

std::vector<double> CompiledProgram::results() const {
  return {m_slots.begin() + static_cast<std::ptrdiff_t>(m_resultBegin), m_slots.end()};
}
