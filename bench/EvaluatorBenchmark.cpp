// ns per TParser::Value for typical Gibbs energy formulas, beside the same formula written
// in C++ (grouped as the compiler groups it) and the same formula in muparser.
#include "evaluator/TParser.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// The inputs cycle through 64 compositions so that nothing can be folded into a constant.
struct Inputs {
  std::array<double, 64> xs{};
  double t = 1234.5;
  double w = -7500.0;
  double sid = 3.25;
  Inputs() {
    for (std::size_t i = 0; i < xs.size(); ++i) xs[i] = (static_cast<double>(i) + 0.5) / 64.0;
  }
};

const Inputs kInputs;

struct Formula {
  const char* vantle;
  const char* muparser;
  double (*native)(double x, double t, double w, double sid);
};

double nativeSolution(double x, double t, double w, double sid) {
  return (2000 - 1.5 * t) + ((x * ((1 - x) * (w + 3000)) - t * sid) + 500 * x);
}

double nativeMixing(double x, double, double, double) {
  return -8.31441 * (x * std::log(x) + (1 - x) * std::log(1 - x));
}

double nativePolynomial(double x, double, double, double) {
  const double x2 = x * x;
  return 1000 + (200 * x - 50 * x2 + 7 * (x2 * x)) - 3 * (x2 * x2);
}

double nativeMix(double x, double t, double, double) {
  const double max = x >= 0.3 ? x : 0.3;
  const double div = static_cast<double>(static_cast<std::int64_t>(t) / 7);
  return max * std::exp(x) + (std::exp(2.5 * std::log(x)) - div);
}

double nativeReference(double x, double t, double, double) {
  return x * ((1 - x) * (12000 - 5 * t)) - t * (-8.31441 * (x * std::log(x) + (1 - x) * std::log(1 - x)));
}

const Formula kFormulas[] = {
    {"2000-1.5*T+X*(1-X)*(W+3000)-T*SID+500*X", "2000-1.5*T+X*(1-X)*(W+3000)-T*SID+500*X", nativeSolution},
    {"-8.31441*(X*LN(X)+(1-X)*LN(1-X))", "-8.31441*(X*ln(X)+(1-X)*ln(1-X))", nativeMixing},
    {"1000+200*X-50*X^2+7*X^3-3*X^4", "1000+200*X-50*X^2+7*X^3-3*X^4", nativePolynomial},
    {"MAX(X,0.3)*EXP(X)+X^2.5-TDIV7", "max(X,0.3)*exp(X)+X^2.5-T div 7", nativeMix},
    {"X*(1-X)*(12000-5*T)-T*(-8.31441*(X*LN(X)+(1-X)*LN(1-X)))",
     "X*(1-X)*(12000-5*T)-T*(-8.31441*(X*ln(X)+(1-X)*ln(1-X)))", nativeReference},
};

void vantleRun(benchmark::State& state, const Formula& formula, bool nativeCode) {
  auto parser = std::make_unique<TParser>();
  parser->setNativeCode(nativeCode);
  parser->SetVariable("W", kInputs.w);
  parser->SetVariable("SID", kInputs.sid);
  parser->SetVariable("T", kInputs.t);
  parser->setExpression(formula.vantle);
  std::size_t i = 0;
  for (auto _ : state) {
    parser->X() = kInputs.xs[i++ & 63];
    benchmark::DoNotOptimize(parser->Value());
  }
}

// Value() as it runs: native code where the platform allows it.
void vantleValue(benchmark::State& state, const Formula& formula) { vantleRun(state, formula, true); }

// The interpreter alone, which the native code replaces on x86-64 Linux.
void interpreterValue(benchmark::State& state, const Formula& formula) { vantleRun(state, formula, false); }

void nativeValue(benchmark::State& state, const Formula& formula) {
  double t = kInputs.t, w = kInputs.w, sid = kInputs.sid;
  std::size_t i = 0;
  for (auto _ : state) {
    double x = kInputs.xs[i++ & 63];
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(t);
    benchmark::DoNotOptimize(w);
    benchmark::DoNotOptimize(sid);
    benchmark::DoNotOptimize(formula.native(x, t, w, sid));
  }
}

double muDiv(double a, double b) {
  return static_cast<double>(static_cast<std::int64_t>(a) / static_cast<std::int64_t>(b));
}

void muparserValue(benchmark::State& state, const Formula& formula) {
  double x = 0, t = kInputs.t, w = kInputs.w, sid = kInputs.sid;
  mu::Parser parser;
  parser.DefineVar("X", &x);
  parser.DefineVar("T", &t);
  parser.DefineVar("W", &w);
  parser.DefineVar("SID", &sid);
  parser.DefineOprt("div", muDiv, mu::prMUL_DIV);
  parser.SetExpr(formula.muparser);
  std::size_t i = 0;
  for (auto _ : state) {
    x = kInputs.xs[i++ & 63];
    benchmark::DoNotOptimize(parser.Eval());
  }
}

// The implementations (and both paths of Value()) must agree before their speed means anything.
bool sameResults() {
  for (const Formula& f : kFormulas) {
    TParser vantle, interpreter;
    interpreter.setNativeCode(false);
    for (TParser* p : {&vantle, &interpreter}) {
      p->SetVariable("W", kInputs.w);
      p->SetVariable("SID", kInputs.sid);
      p->SetVariable("T", kInputs.t);
      p->setExpression(f.vantle);
    }
    double x = 0, t = kInputs.t, w = kInputs.w, sid = kInputs.sid;
    mu::Parser mu;
    mu.DefineVar("X", &x);
    mu.DefineVar("T", &t);
    mu.DefineVar("W", &w);
    mu.DefineVar("SID", &sid);
    mu.DefineOprt("div", muDiv, mu::prMUL_DIV);
    mu.SetExpr(f.muparser);
    for (double xi : kInputs.xs) {
      x = xi;
      vantle.X() = xi;
      interpreter.X() = xi;
      const double expected = f.native(xi, t, w, sid);
      if (vantle.Value() != expected || interpreter.Value() != expected) return false;
      if (std::fabs(mu.Eval() - expected) > 1e-9 * std::fabs(expected)) return false;
    }
  }
  return true;
}

const char* const kNames[] = {"Solution", "Mixing", "Polynomial", "Mix", "Reference"};

const bool kRegistered = [] {
  if (!sameResults()) {
    benchmark::RegisterBenchmark("BM_Evaluator_RESULTS_DIFFER", [](benchmark::State& s) {
      s.SkipWithError("the implementations disagree");
      for (auto _ : s) {
      }
    });
    return false;
  }
  for (std::size_t k = 0; k < std::size(kFormulas); ++k) {
    const Formula& f = kFormulas[k];
    const std::string name = kNames[k];
    // On a shared machine the fastest repetition is the one least disturbed.
    using Run = void (*)(benchmark::State&, const Formula&);
    const std::pair<const char*, Run> runs[] = {
        {"/vantle", vantleValue}, {"/interpreter", interpreterValue},
        {"/native", nativeValue}, {"/muparser", muparserValue}};
    for (const auto& [suffix, run] : runs) {
      benchmark::RegisterBenchmark(("BM_Evaluator_" + name + suffix).c_str(), run, f)
          ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
    }
  }
  return true;
}();

}  // namespace
