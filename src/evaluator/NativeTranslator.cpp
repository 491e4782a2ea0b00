#include "evaluator/NativeTranslator.h"

#include "evaluator/ArithmeticRoutines.h"
#include "evaluator/X64Emitter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

// Why the native code is the interpreter, observably:
// - Every step is the same IEEE operation on the same operands in the same order (SSE2
//   scalar add, sub, mul, div, sqrt; sign and magnitude masks for negation and ABS), or a
//   call of the very routine the interpreter calls.
// - It never stores a value that the interpreter would not store: a run of inline steps
//   keeps its results in registers, tests them, and only then stores them all; a called
//   step is tested before its store. Any non-finite result (fault or not) leaves at once,
//   returning the first step not stored, and the interpreter runs the program on from that
//   step. The slots before it hold exactly what the interpreter would have put there, the
//   slots from it on are untouched, so the interpreter computes the same values, raises the
//   same fault at the same step, or passes a quiet infinity or NaN on as it always does.
// - Within a run of inline steps only the results that no later step of the run takes in a
//   position that keeps non-finite values non-finite (an operand of + - * negation and
//   powers 2 to 4, the dividend, the argument of an inline square root or magnitude) are tested: any non-finite
//   result inside the run reaches one of them.
// - A function is taken by its traits alone. One that draws random numbers never faults
//   (its traits promise a finite result for finite operands), so its step is stored
//   untested and its number is drawn once. One that may raise is called through a guard
//   that turns the exception into a NaN: nothing unwinds through this code. A step without
//   traits, or whose traits the native code cannot honour, is not translated.
namespace {

using namespace opkind;
using x64::Gpr;
using x64::Mem;
using x64::Op;

#if defined(__x86_64__) && defined(__linux__)

double guarded1(double a, Function1 routine) noexcept {
  try {
    return routine(a);
  } catch (...) {
    return std::numeric_limits<double>::quiet_NaN();
  }
}

double guarded2(double a, double b, Function2 routine) noexcept {
  try {
    return routine(a, b);
  } catch (...) {
    return std::numeric_limits<double>::quiet_NaN();
  }
}

enum class Route : std::uint8_t { Inline, Call, Guarded, Random };

struct StepPlan {
  Route route = Route::Inline;
  InlineOp inlineOp = InlineOp::None;
  bool binary = false;
  std::uint64_t routine = 0;  // called directly, or handed to the guard
  int producerA = -1;         // the step whose result is operand a, -1 for another slot
  int producerB = -1;
};

template <typename F>
std::uint64_t addressOf(F* f) {
  return reinterpret_cast<std::uint64_t>(f);
}

// The route of a function step by its traits, false where the native code could not
// match the interpreter: a random routine that may raise would draw again when the
// interpreter runs its step over, and no operation of two operands is inlined.
bool routeOfFunction(const ProgramStep& s, StepPlan& p) {
  if (!s.traits) return false;
  const FunctionTraits& traits = *s.traits;
  p.binary = s.kind == kFunction2;
  p.routine = p.binary ? addressOf(s.function2) : addressOf(s.function1);
  if (p.routine == 0) return false;
  if (traits.inlineAs != InlineOp::None) {
    p.inlineOp = traits.inlineAs;
    return !p.binary;
  }
  if (traits.mayRaise && traits.drawsRandomNumbers) return false;
  p.route = traits.mayRaise ? Route::Guarded : (traits.drawsRandomNumbers ? Route::Random : Route::Call);
  return true;
}

// The route of a step, false for a form the native code does not take.
bool routeOf(const ProgramStep& s, StepPlan& p) {
  switch (s.kind) {
    case kNegation: case kSquare: case kCube: case kFourthPower: return true;
    case kSum: case kDifference: case kProduct: case kQuotient: p.binary = true; return true;
    case kMod: p.routine = addressOf(&arithmetic::modulo); break;
    case kDiv: p.routine = addressOf(&arithmetic::integerDivide); break;
    case kIntegerPower: p.routine = addressOf(&arithmetic::integerPower); break;
    case kRealPower: p.routine = addressOf(&arithmetic::realPower); break;
    case kFunction1: case kFunction2: return routeOfFunction(s, p);
    default: return false;
  }
  p.route = Route::Guarded;
  p.binary = true;
  return true;
}

// Whether a non-finite operand in this position of an inline step gives a non-finite
// result: everywhere but in the divisor (x / inf is 0).
bool keepsNonFinite(const ProgramStep& s, bool secondOperand) { return !(s.kind == kQuotient && secondOperand); }

// The sign and magnitude masks sit before the code, 16-byte aligned for xorpd and andpd.
constexpr std::size_t kSignMask = 0;
constexpr std::size_t kAbsMask = 16;
constexpr std::size_t kEntry = 32;
constexpr int kValueRegisters = 14;  // xmm2..xmm15; xmm0 and xmm1 are arguments and scratch
constexpr std::uintptr_t kReach = 0x7FFFFFF0;
constexpr std::array<Gpr, 5> kBaseRegisters = {x64::rbx, x64::r12, x64::r13, x64::r14, x64::r15};

struct Source {
  int xmm = -1;  // the register holding the value, -1 when only the slot does
  const double* slot = nullptr;
};

class Translator {
 public:
  explicit Translator(std::span<const ProgramStep> steps)
      : m_steps(steps), m_plans(steps.size()), m_registerOf(steps.size(), -1) {
    m_holder.fill(-1);
  }

  bool build();
  const std::vector<std::uint8_t>& bytes() const { return m_out.bytes(); }

 private:
  bool plan();
  void chooseBases();
  void prologue();
  void finish(int lastRegister);
  void emitSegment(std::size_t begin, std::size_t end);
  void emitInline(std::size_t i);
  void emitCall(std::size_t i);
  void storePair(std::size_t j, std::size_t end, std::size_t& next);

  Mem slot(const double* address);
  Source source(int producer, const double* address) const;
  void load(int xmm, const Source& s);
  void apply(Op op, int xmm, const Source& s);
  void testAndLeave(std::size_t step) { m_bails.emplace_back(m_out.jumpIfUnordered(), step); }
  void forget(int xmm);
  void hold(int xmm, std::size_t step);

  std::span<const ProgramStep> m_steps;
  std::vector<StepPlan> m_plans;
  std::vector<int> m_registerOf;
  std::array<int, 16> m_holder{};
  int m_nextRegister = 0;
  std::vector<std::pair<Gpr, std::uintptr_t>> m_bases;
  std::vector<std::pair<std::size_t, std::size_t>> m_bails;  // jump displacement, step
  x64::Emitter m_out;
};

bool Translator::plan() {
  for (std::size_t i = 0; i < m_steps.size(); ++i) {
    const ProgramStep& s = m_steps[i];
    StepPlan& p = m_plans[i];
    if (!routeOf(s, p) || !s.a || !s.result || (p.binary && !s.b)) return false;
    for (std::size_t j = 0; j < i; ++j) {
      if (m_steps[j].result == s.a) p.producerA = static_cast<int>(j);
      if (p.binary && m_steps[j].result == s.b) p.producerB = static_cast<int>(j);
    }
  }
  return true;
}

// Slots are reached as [base register + displacement]: the program's own slots lie
// together, the variables of one evaluator mostly too. An address out of reach of every
// base is loaded into rax right before its use.
void Translator::chooseBases() {
  std::vector<std::uintptr_t> addresses;
  auto add = [&](const double* p) { addresses.push_back(reinterpret_cast<std::uintptr_t>(p)); };
  for (std::size_t i = 0; i < m_steps.size(); ++i) {
    add(m_steps[i].result);
    add(m_steps[i].a);
    if (m_plans[i].binary) add(m_steps[i].b);
  }
  std::sort(addresses.begin(), addresses.end());
  std::vector<std::pair<std::size_t, std::uintptr_t>> clusters;  // uses, first address
  for (std::uintptr_t a : addresses) {
    if (clusters.empty() || a - clusters.back().second > kReach) clusters.emplace_back(0, a);
    ++clusters.back().first;
  }
  std::stable_sort(clusters.begin(), clusters.end(), [](const auto& x, const auto& y) { return x.first > y.first; });
  for (std::size_t k = 0; k < clusters.size() && k < kBaseRegisters.size(); ++k)
    m_bases.emplace_back(kBaseRegisters[k], clusters[k].second);
}

Mem Translator::slot(const double* address) {
  const auto a = reinterpret_cast<std::uintptr_t>(address);
  for (const auto& [reg, base] : m_bases)
    if (a >= base && a - base <= kReach) return Mem{reg, static_cast<std::int32_t>(a - base)};
  m_out.movImm64(x64::rax, a);
  return Mem{x64::rax, 0};
}

Source Translator::source(int producer, const double* address) const {
  if (producer >= 0 && m_registerOf[static_cast<std::size_t>(producer)] >= 0)
    return {m_registerOf[static_cast<std::size_t>(producer)], address};
  return {-1, address};
}

void Translator::load(int xmm, const Source& s) {
  if (s.xmm < 0) m_out.op(Op::MovsdLoad, xmm, slot(s.slot));
  else if (s.xmm != xmm) m_out.op(Op::Movapd, xmm, s.xmm);
}

void Translator::apply(Op op, int xmm, const Source& s) {
  if (s.xmm < 0) m_out.op(op, xmm, slot(s.slot));
  else m_out.op(op, xmm, s.xmm);
}

void Translator::forget(int xmm) {
  if (m_holder[static_cast<std::size_t>(xmm)] >= 0)
    m_registerOf[static_cast<std::size_t>(m_holder[static_cast<std::size_t>(xmm)])] = -1;
  m_holder[static_cast<std::size_t>(xmm)] = -1;
}

void Translator::hold(int xmm, std::size_t step) {
  forget(xmm);
  m_holder[static_cast<std::size_t>(xmm)] = static_cast<int>(step);
  m_registerOf[step] = xmm;
}

void Translator::prologue() {
  m_out.emit64(0x8000000000000000u);
  m_out.emit64(0x8000000000000000u);
  m_out.emit64(0x7FFFFFFFFFFFFFFFu);
  m_out.emit64(0x7FFFFFFFFFFFFFFFu);
  m_out.endbr64();
  for (const auto& base : m_bases) m_out.push(base.first);
  // Calls need rsp 16-byte aligned: the return address and the pushes must make an even count.
  if (m_bases.size() % 2 == 0) m_out.adjustRsp(-8);
  for (const auto& [reg, address] : m_bases) m_out.movImm64(reg, address);
}

void Translator::finish(int lastRegister) {
  if (lastRegister < 0) m_out.op(Op::MovsdLoad, 0, slot(m_steps.back().result));
  else if (lastRegister != 0) m_out.op(Op::Movapd, 0, lastRegister);
  m_out.xorEaxEax();
  const std::size_t epilogue = m_out.size();
  if (m_bases.size() % 2 == 0) m_out.adjustRsp(8);
  for (auto it = m_bases.rbegin(); it != m_bases.rend(); ++it) m_out.pop(it->first);
  m_out.ret();
  std::vector<std::pair<std::size_t, std::size_t>> exits;  // step, position of its exit
  for (const auto& bail : m_bails) {
    const std::size_t step = bail.second;
    auto found = std::find_if(exits.begin(), exits.end(), [step](const auto& e) { return e.first == step; });
    if (found == exits.end()) {
      exits.emplace_back(step, m_out.size());
      m_out.movEaxImm(static_cast<std::uint32_t>(step + 1));
      m_out.patch(m_out.jump(), epilogue);
      found = exits.end() - 1;
    }
    m_out.patch(bail.first, found->second);
  }
}

bool Translator::build() {
  if (m_steps.empty() || m_steps.size() > 0xFFFFFFF0u) return false;
  const ProgramStep& first = m_steps.front();
  if (m_steps.size() == 1 && (first.kind == kVariable || first.kind == kConstant)) {
    if (!first.result) return false;
    m_bases.emplace_back(kBaseRegisters[0], reinterpret_cast<std::uintptr_t>(first.result));
    prologue();
    m_out.op(Op::MovsdLoad, 0, slot(first.result));
    finish(0);
    return true;
  }
  if (!plan()) return false;
  chooseBases();
  prologue();
  std::size_t i = 0;
  while (i < m_steps.size()) {
    if (m_plans[i].route != Route::Inline) {
      emitCall(i++);
      continue;
    }
    std::size_t end = i;
    while (end < m_steps.size() && m_plans[end].route == Route::Inline && end - i < kValueRegisters) ++end;
    emitSegment(i, end);
    i = end;
  }
  finish(m_registerOf.back());
  return true;
}

void Translator::emitInline(std::size_t i) {
  const ProgramStep& s = m_steps[i];
  const StepPlan& p = m_plans[i];
  const int r = 2 + m_nextRegister;
  m_nextRegister = (m_nextRegister + 1) % kValueRegisters;
  forget(r);
  const Source a = source(p.producerA, s.a);
  const Source b = p.binary ? source(p.producerB, s.b) : Source{};
  load(r, a);
  switch (s.kind) {
    case kNegation: m_out.op(Op::Xor, r, Mem{x64::rax, 0, true, kSignMask}); break;
    case kSum: apply(Op::Add, r, b); break;
    case kDifference: apply(Op::Sub, r, b); break;
    case kProduct: apply(Op::Mul, r, b); break;
    case kQuotient: apply(Op::Div, r, b); break;
    case kSquare: m_out.op(Op::Mul, r, r); break;
    case kCube:
      m_out.op(Op::Mul, r, r);
      apply(Op::Mul, r, a);
      break;
    case kFourthPower:
      m_out.op(Op::Mul, r, r);
      m_out.op(Op::Mul, r, r);
      break;
    default:
      if (p.inlineOp == InlineOp::Sqrt) m_out.op(Op::Sqrt, r, r);
      else m_out.op(Op::And, r, Mem{x64::rax, 0, true, kAbsMask});
      break;
  }
  hold(r, i);
}

void Translator::emitSegment(std::size_t begin, std::size_t end) {
  for (std::size_t i = begin; i < end; ++i) emitInline(i);
  std::vector<bool> passedOn(end - begin, false);
  for (std::size_t i = begin; i < end; ++i) {
    const StepPlan& p = m_plans[i];
    for (const auto& [producer, second] : {std::pair{p.producerA, false}, std::pair{p.producerB, true}}) {
      if (producer >= static_cast<int>(begin) && keepsNonFinite(m_steps[i], second))
        passedOn[static_cast<std::size_t>(producer) - begin] = true;
    }
  }
  bool first = true;
  for (std::size_t i = begin; i < end; ++i) {
    if (passedOn[i - begin]) continue;
    const int r = m_registerOf[i];
    const int t = first ? 0 : 1;
    m_out.op(Op::Movapd, t, r);
    m_out.op(Op::Sub, t, r);  // v - v is NaN exactly when v is not finite
    if (!first) m_out.op(Op::Add, 0, 1);
    first = false;
  }
  m_out.op(Op::Ucomisd, 0, 0);
  testAndLeave(begin);
  forget(0);
  forget(1);
  for (std::size_t j = begin; j < end;) storePair(j, end, j);
}

// Results of consecutive steps lie side by side: two of them leave in one 16-byte store.
void Translator::storePair(std::size_t j, std::size_t end, std::size_t& next) {
  const int r = m_registerOf[j];
  const Mem at = slot(m_steps[j].result);
  if (j + 1 < end && m_steps[j + 1].result == m_steps[j].result + 1 && at.base != x64::rax) {
    m_out.op(Op::Unpcklpd, r, m_registerOf[j + 1]);  // the low half, r's own value, stays
    m_out.op(Op::MovupdStore, r, at);
    next = j + 2;
    return;
  }
  m_out.op(Op::MovsdStore, r, at);
  next = j + 1;
}

void Translator::emitCall(std::size_t i) {
  const ProgramStep& s = m_steps[i];
  const StepPlan& p = m_plans[i];
  const Source a = source(p.producerA, s.a);
  if (p.binary) {
    Source b = source(p.producerB, s.b);
    if (b.xmm == 0) {
      m_out.op(Op::Movapd, 1, 0);
      b.xmm = 1;
    }
    load(0, a);
    load(1, b);
  } else {
    load(0, a);
  }
  if (p.route == Route::Guarded) {
    m_out.movImm64(x64::rdi, p.routine);
    m_out.movImm64(x64::rax, p.binary ? addressOf(&guarded2) : addressOf(&guarded1));
  } else {
    m_out.movImm64(x64::rax, p.routine);
  }
  m_out.callRax();
  for (int x = 0; x < 16; ++x) forget(x);
  if (p.route != Route::Random) {
    m_out.op(Op::Movapd, 1, 0);
    m_out.op(Op::Sub, 1, 0);
    m_out.op(Op::Ucomisd, 1, 1);
    testAndLeave(i);
  }
  m_out.op(Op::MovsdStore, 0, slot(s.result));
  hold(0, i);
}

#endif

}  // namespace

#if defined(__x86_64__) && defined(__linux__)

NativeCode translateProgram(std::span<const ProgramStep> steps) {
  Translator translator(steps);
  if (!translator.build()) return {};
  return NativeCode::load(translator.bytes(), kEntry);
}

#else

NativeCode translateProgram(std::span<const ProgramStep>) { return {}; }

#endif
