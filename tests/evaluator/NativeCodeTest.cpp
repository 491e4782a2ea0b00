#include "EvaluatorTestSupport.h"

#include "evaluator/BuiltinFunctions.h"
#include "evaluator/CompiledProgram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <memory>
#include <random>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#if defined(__x86_64__) && defined(__linux__)
#include <sys/mman.h>
constexpr bool kNativePlatform = true;
#else
constexpr bool kNativePlatform = false;
#endif

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// The names of the rows whose functions two evaluators run alike: all but those that draw
// from the one process-wide generator, whose numbers they never share.
template <typename Row>
std::vector<std::string> comparableNames(std::span<const Row> rows) {
  std::vector<std::string> names;
  for (const Row& row : rows)
    if (!row.traits.drawsRandomNumbers) names.emplace_back(row.name);
  return names;
}

// Random texts over every shape of the language and every built-in function that can be
// compared; brackets keep most of them compilable.
class TextGenerator {
 public:
  explicit TextGenerator(std::uint64_t seed)
      : m_rng(seed), m_functions1(comparableNames(builtinFunctions1())), m_functions2(comparableNames(builtinFunctions2())) {}

  std::string text(int depth) {
    if (depth == 0 || pick(5) == 0) return leaf();
    switch (pick(9)) {
      case 0: return operand(depth) + binaryOperator() + operand(depth);
      case 1: return "(" + text(depth - 1) + ")" + binaryOperator() + "(" + text(depth - 1) + ")";
      case 2: return "-" + bracketed(depth);
      case 3: return bracketed(depth) + power(depth);
      case 4: return leaf() + power(depth);
      case 5: return m_functions1[pick(m_functions1.size())] + "(" + text(depth - 1) + ")";
      case 6: return m_functions2[pick(m_functions2.size())] + "(" + text(depth - 1) + "," + text(depth - 1) + ")";
      case 7: return bracketed(depth) + (pick(2) ? "DIV" : "MOD") + bracketed(depth);
      default: return text(depth - 1) + "+" + text(depth - 1) + "-" + operand(depth) + "*" + operand(depth);
    }
  }

 private:
  std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_rng); }

  std::string leaf() {
    static const char* const leaves[] = {"X", "X", "T", "A", "B", "W", "2", "0.5", "3.7", "0", "1",
                                         "1E300", "1E-300", "710", "PI", "-PI", "9E18", "1E19"};
    return leaves[pick(std::size(leaves))];
  }
  std::string bracketed(int depth) { return "(" + text(depth - 1) + ")"; }
  std::string operand(int depth) { return pick(2) ? leaf() : bracketed(depth); }
  std::string binaryOperator() {
    static const char* const ops[] = {"+", "-", "*", "/"};
    return ops[pick(std::size(ops))];
  }
  std::string power(int depth) {
    static const char* const exponents[] = {"^2", "^3", "^4", "^-3", "^5", "^0", "^-1", "^2.5", "^-0.5", "^40"};
    if (pick(4) == 0) return "^" + bracketed(depth);
    return exponents[pick(std::size(exponents))];
  }

  std::mt19937_64 m_rng;
  std::vector<std::string> m_functions1;
  std::vector<std::string> m_functions2;
};

// Values that fault somewhere (0, negatives, huge ones, beyond 64 bits) and that bring
// infinities and NaNs in, mixed with ordinary ones.
class ValueGenerator {
 public:
  explicit ValueGenerator(std::uint64_t seed) : m_rng(seed) {}
  double next() {
    static const double special[] = {0, -0.0, 1, -1, 2, 0.5, -0.5, 1e-310, 1e300, -1e300, 710, -800,
                                     1e19, -9.3e18, 1e154, kInf, -kInf, kNaN};
    if (std::uniform_int_distribution<int>(0, 2)(m_rng) == 0)
      return std::uniform_real_distribution<double>(-20, 20)(m_rng);
    return special[std::uniform_int_distribution<std::size_t>(0, std::size(special) - 1)(m_rng)];
  }

 private:
  std::mt19937_64 m_rng;
};

std::unique_ptr<TParser> makeEvaluator(bool native) {
  auto parser = std::make_unique<TParser>();
  parser->SetVariable("W", 0);
  parser->setNativeCode(native);
  return parser;
}

TEST(NativeCodeTest, NativeCodeAndInterpreterAgreeBitForBit) {
  TextGenerator texts(20261209);
  ValueGenerator values(7);
  auto native = makeEvaluator(true);
  auto interpreter = makeEvaluator(false);
  int compiled = 0, faults = 0, compared = 0;
  for (int e = 0; e < 4000; ++e) {
    const std::string text = texts.text(1 + e % 6);
    try {
      native->setExpression(text);
    } catch (const EMathParserError&) {
      continue;
    }
    interpreter->setExpression(text);
    ++compiled;
    ASSERT_EQ(native->runsNativeCode(), kNativePlatform) << text;
    ASSERT_FALSE(interpreter->runsNativeCode());
    for (int round = 0; round < 40; ++round) {
      for (char name : std::string_view("XTABW")) {
        const double v = round == 0 ? 1.5 : values.next();
        native->SetVariable(std::string(1, name), v);
        interpreter->SetVariable(std::string(1, name), v);
      }
      const ValueOutcome fromNative = runValue(*native);
      const ValueOutcome fromInterpreter = runValue(*interpreter);
      ASSERT_EQ(fromNative, fromInterpreter)
          << text << " with X=" << native->X() << " T=" << native->T() << " A=" << native->A() << " B=" << native->B()
          << "\nnative: " << describe(fromNative) << "\ninterpreter: " << describe(fromInterpreter);
      faults += !fromNative.error.empty();
      ++compared;
    }
  }
  EXPECT_GT(compiled, 3000);
  EXPECT_GT(faults, compared / 20);
  EXPECT_LT(faults, compared / 2);
}

// 2^53 times RND's fraction is the generator's 53-bit draw itself.
double nextDraw(std::mt19937_64& mirror) { return static_cast<double>(mirror() >> 11); }

TEST(NativeCodeTest, RndDrawsOncePerStepAlsoWhenALaterStepFaults) {
  TParser probe;
  probe.setExpression("RND(9007199254740992)");
  // The process-wide generator has been drawn from before: find where it stands.
  std::mt19937_64 mirror;
  const double first = probe.Value();
  int skipped = 0;
  while (nextDraw(mirror) != first) ASSERT_LT(++skipped, 1000000);
  for (const char* text : {"RND(9007199254740992)+1/X", "1/X+RND(9007199254740992)",
                           "RND(9007199254740992)*RND(9007199254740992)+LN(X-1)", "RND(X)*2+EXP(1/X)",
                           "EXP(RND(9007199254740992)/X)"}) {
    for (bool native : {true, false}) {
      TParser parser;
      parser.setNativeCode(native);
      parser.setExpression(text);
      for (double x : {0.0, 2.0, kInf}) {
        parser.X() = x;
        try {
          parser.Value();
        } catch (const EMathError&) {
        }
        const double after = probe.Value();
        int draws = 0;
        while (nextDraw(mirror) != after) ASSERT_LT(++draws, 4) << text;
        // Every RND step whose operand is finite ran exactly once before the fault or the end.
        const std::string_view t = text;
        const int expected = t.starts_with("1/X") && x == 0.0 ? 0 : (t.starts_with("RND(9007199254740992)*") ? 2 : 1);
        EXPECT_EQ(draws, expected) << text << " X=" << x << (native ? " native" : " interpreter");
      }
    }
  }
}

TEST(NativeCodeTest, TypicalFormulasRunAsNativeCode) {
  TParser parser;
  parser.SetVariable("W", 1);
  parser.SetVariable("SID", 1);
  for (const char* text : {"2000-1.5*T+X*(1-X)*(W+3000)-T*SID+500*X", "-8.31441*(X*LN(X)+(1-X)*LN(1-X))",
                           "MAX(X,0.3)*EXP(X)+X^2.5-TDIV7", "X", "2", "-X", "PH(X)+RND(3)"}) {
    parser.setExpression(text);
    EXPECT_EQ(parser.runsNativeCode(), kNativePlatform) << text;
  }
}

#if defined(__x86_64__) && defined(__linux__)

// Bytes in anonymous read-and-execute mappings (the kernel merges neighbouring ones).
std::size_t nativeCodeBytes() {
  std::ifstream maps("/proc/self/maps");
  std::size_t bytes = 0;
  for (std::string line; std::getline(maps, line);) {
    std::istringstream fields(line);
    std::string range, perms, offset, device, inode, path;
    fields >> range >> perms >> offset >> device >> inode >> path;
    if (perms != "r-xp" || inode != "0" || !path.empty()) continue;
    const std::size_t dash = range.find('-');
    std::uintptr_t begin = 0, end = 0;
    std::from_chars(range.data(), range.data() + dash, begin, 16);
    std::from_chars(range.data() + dash + 1, range.data() + range.size(), end, 16);
    bytes += end - begin;
  }
  return bytes;
}

TEST(NativeCodeTest, CodeIsUnmappedWithItsProgram) {
  auto parser = std::make_unique<TParser>();
  parser->setExpression("X*LN(X)+(1-X)*LN(1-X)");
  const std::size_t before = nativeCodeBytes();
  ASSERT_GT(before, 0u);
  for (int i = 0; i < 2000; ++i) {
    parser->setExpression(i % 2 ? "X*LN(X)+(1-X)*LN(1-X)" : "SQRT(X)^3");
    ASSERT_TRUE(parser->runsNativeCode());
  }
  EXPECT_EQ(nativeCodeBytes(), before);
  std::vector<std::unique_ptr<TParser>> many(500);
  for (auto& p : many) {
    p = std::make_unique<TParser>();
    p->setExpression("X+1");
  }
  EXPECT_GE(nativeCodeBytes(), before + 500 * 4096);
  many.clear();
  parser.reset();
  EXPECT_LT(nativeCodeBytes(), before);
}

// Operands scattered over more address ranges than the code keeps base registers for.
TEST(NativeCodeTest, OperandsFarApartAreReached) {
  constexpr int kRegions = 8;
  std::vector<double*> variables;
  for (int k = 0; k < kRegions; ++k) {
    void* hint = reinterpret_cast<void*>((std::uintptr_t{0x5000} + 0x10 * static_cast<std::uintptr_t>(k)) << 32);
    void* p = mmap(hint, 4096, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(p, MAP_FAILED);
    variables.push_back(static_cast<double*>(p) + k);
  }
  // More ranges 4 GB apart than there are base registers, or the test proves nothing.
  std::vector<std::uintptr_t> starts;
  for (double* v : variables) starts.push_back(reinterpret_cast<std::uintptr_t>(v) >> 32);
  std::sort(starts.begin(), starts.end());
  ASSERT_GE(std::unique(starts.begin(), starts.end()) - starts.begin(), 6);
  const NamedFunction1* ln = nullptr;
  for (const NamedFunction1& row : builtinFunctions1())
    if (std::string_view(row.name) == "LN") ln = &row;
  ASSERT_NE(ln, nullptr);
  // r0 = v0 + v1, then r[k] = r[k-1] op v[k+1], with an LN call in the middle.
  std::vector<double> slots(kRegions + 1, 0.0);
  std::vector<ProgramStep> steps;
  for (int k = 0; k < kRegions; ++k) {
    ProgramStep s;
    s.kind = k == 4 ? opkind::kFunction1 : (k % 3 == 0 ? opkind::kSum : (k % 3 == 1 ? opkind::kProduct : opkind::kQuotient));
    s.a = k == 0 ? variables[0] : &slots[static_cast<std::size_t>(k)];
    s.b = k == 4 ? nullptr : variables[static_cast<std::size_t>(k == 0 ? 1 : k)];
    if (k == 4) {
      s.function1 = ln->routine;
      s.traits = ln->traits;
    }
    s.result = &slots[static_cast<std::size_t>(k) + 1];
    steps.push_back(s);
  }
  CompiledProgram built(std::move(slots), std::move(steps), 1);
  CompiledProgram program(std::move(built));
  ASSERT_TRUE(program.hasNativeCode());
  for (double v : {0.5, 2.0, 0.0, -1.0, 1e300}) {
    for (int k = 0; k < kRegions; ++k) *variables[static_cast<std::size_t>(k)] = v + k;
    std::string errors[2];
    std::vector<std::uint64_t> results[2];
    double values[2] = {0, 0};
    for (int path = 0; path < 2; ++path) {
      program.setInterpreterOnly(path == 1);
      try {
        values[path] = program.run();
      } catch (const EMathError& e) {
        errors[path] = e.what();
      }
      for (double r : program.results()) results[path].push_back(std::bit_cast<std::uint64_t>(r));
    }
    EXPECT_EQ(errors[0], errors[1]) << v;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(values[0]), std::bit_cast<std::uint64_t>(values[1])) << v;
    EXPECT_EQ(results[0], results[1]) << v;
  }
  for (int k = 0; k < kRegions; ++k)
    munmap(reinterpret_cast<void*>(reinterpret_cast<std::uintptr_t>(variables[static_cast<std::size_t>(k)]) & ~std::uintptr_t{4095}), 4096);
}

#endif

}  // namespace
