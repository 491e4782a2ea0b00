#include "QuietDialogs.h"
#include "problem/DescriptionSettings.h"
#include "problem/PhaseDescription.h"
#include "problem/PhaseLists.h"
#include "problem/ProblemView.h"
#include "workbench/Workbench.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

struct Problem {
  const char* functs;
  double ymin;
  double ymax;
};

const Problem kTypical{
    "W=12000-5*T\r\nGL=X*(1-X)*W-T*Sid\r\n"
    "GS=2000-1.5*T+X*(1-X)*(W+3000)-T*Sid+500*X\r\nX=0.5;GC1=-900+T",
    300, 1500};

const Problem kFivePhases{
    "W=12000-5*T\r\nV=8000+2*T\r\n"
    "GL=X*(1-X)*W-T*Sid\r\n"
    "GSA=3000-2.5*T+X*(1-X)*(W+20000)-T*Sid+800*X\r\n"
    "GSB=2800-2.2*T+X*(1-X)*(V+15000)-T*Sid-400*X\r\n"
    "GSG=4000-3*T+X*(1-X)*V*(1+0.2*(1-2*X))-T*Sid\r\n"
    "GSD=5000-3.5*T+X*(1-X)*(W+V)-T*Sid+200*X^2\r\n"
    "X=1/3;GC1=-2500+0.5*T\r\nX=0.6;GC2=-2000+0.2*T",
    300, 1500};

const Problem kMiscibilityGap{"GS=20000*X*(1-X)-T*Sid", 300, 1400};

// A workbench holding one problem at points x points, ready to run headless.
class ScanBench {
 public:
  ScanBench(const Problem& p, int points) {
    ProblemTable& t = m_bench.table();
    t.openEmpty();
    t.insert();
    t.setString("ProblemName", "bench");
    t.setString("Functs", p.functs);
    t.setString("Yparameter", "Temperature");
    m_bench.yParameterChanged();
    t.setFloat("Zvalue", 1);
    t.setFloat("Ymin", p.ymin);
    t.setFloat("Ymax", p.ymax);
    t.setInteger("XPoints", points);
    t.setInteger("YPoints", points);
    t.setBoolean("ShowChart", false);
    t.post();
  }
  Workbench& bench() { return m_bench; }
  QuietDialogs& dialogs() { return m_dialogs; }
  void scan() {
    m_bench.table().moveTo(0);  // a new scan from Ymax
    m_bench.sbRunClick();
  }

 private:
  QuietDialogs m_dialogs;
  NullProblemView m_view;
  Workbench m_bench{m_dialogs, m_view};
};

void reportScan(benchmark::State& state, ScanBench& scan, double evaluationsPerScan) {
  state.counters["levels"] = scan.bench().grid().rowCount() - 1;
  state.counters["evals/s"] =
      benchmark::Counter(evaluationsPerScan, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["ns/eval"] = benchmark::Counter(
      evaluationsPerScan * 1e-9, benchmark::Counter::kIsIterationInvariantRate |
                                     benchmark::Counter::kInvert);
}

// Evaluations of one scan: per level and column the ideal-mixing term, every variable and
// every solution phase; per point phase the ideal-mixing term, the variables and the phase.
double evaluationsPerScan(const Workbench& bench) {
  const PhaseLists& lists = bench.phases();
  const double levels = bench.grid().rowCount() - 1;
  const double columns = bench.grid().colCount() - 1;
  const double variables = static_cast<double>(lists.Variables.size());
  const double perColumn = 1 + variables + static_cast<double>(lists.SolutionPhases.size());
  const double perPoint = 2 + variables;
  return levels * (columns * perColumn + perPoint * static_cast<double>(lists.PointPhases.size()));
}

void runScan(benchmark::State& state, const Problem& problem) {
  ScanBench scan(problem, static_cast<int>(state.range(0)));
  scan.scan();
  const double evaluations = evaluationsPerScan(scan.bench());
  for (auto _ : state) {
    scan.scan();
    benchmark::DoNotOptimize(scan.bench().run().TieHigh);
  }
  reportScan(state, scan, evaluations);
}

// The same evaluations as a scan, without the hull, the sort, the grid and the tie lines: what
// the scan would cost if the evaluations were all it did.
void runEvaluationsOnly(benchmark::State& state, const Problem& problem) {
  ScanBench scan(problem, static_cast<int>(state.range(0)));
  scan.scan();
  const Workbench& bench = scan.bench();
  const auto& columns = bench.XList();
  const RunState& run = bench.run();
  // Evaluators of its own, parsed from the same description as the scan's.
  PhaseLists lists;
  TParser sid;
  DescriptionSettings settings;
  PhaseDescription(lists, sid, settings, scan.dialogs()).ParsePhaseText(problem.functs);
  const double evaluations = evaluationsPerScan(bench);
  const int levels = bench.grid().rowCount() - 1;
  double* sidX = sid.SetVariable("X", 0);
  struct Slots {
    TParser* parser;
    double *T, *X, *Sid;
  };
  std::vector<Slots> phases, variables, points;
  for (auto& p : lists.SolutionPhases)
    phases.push_back({p.parser.get(), p.parser->SetVariable("T", 0), p.parser->SetVariable("X", 0),
                      p.parser->SetVariable("Sid", 0)});
  for (auto& p : lists.Variables)
    variables.push_back({p.parser.get(), p.parser->SetVariable("T", 0),
                         p.parser->SetVariable("X", 0), p.parser->SetVariable("Sid", 0)});
  for (auto& p : lists.PointPhases)
    points.push_back({p.parser.get(), p.parser->SetVariable("T", 0), nullptr,
                      p.parser->SetVariable("Sid", 0)});
  for (auto _ : state) {
    double sum = 0;
    double T = run.Ymax;
    for (int level = 0; level < levels; ++level, T -= run.dY) {
      for (const auto& column : columns) {
        *sidX = column.X;
        const double s = sid.Value();
        for (auto& v : variables) {
          *v.T = T;
          *v.X = column.X;
          *v.Sid = s;
          sum += v.parser->Value();
        }
        for (auto& p : phases) {
          *p.T = T;
          *p.X = column.X;
          *p.Sid = s;
          sum += p.parser->Value();
        }
      }
      for (auto& p : points) {
        *sidX = 0.5;
        *p.Sid = sid.Value();
        *p.T = T;
        for (auto& v : variables) sum += v.parser->Value();
        sum += p.parser->Value();
      }
    }
    benchmark::DoNotOptimize(sum);
  }
  reportScan(state, scan, evaluations);
}

void BM_ScanTypical(benchmark::State& s) { runScan(s, kTypical); }
void BM_EvaluationsTypical(benchmark::State& s) { runEvaluationsOnly(s, kTypical); }
void BM_ScanFivePhases(benchmark::State& s) { runScan(s, kFivePhases); }
void BM_EvaluationsFivePhases(benchmark::State& s) { runEvaluationsOnly(s, kFivePhases); }
void BM_ScanMiscibilityGap(benchmark::State& s) { runScan(s, kMiscibilityGap); }
void BM_EvaluationsMiscibilityGap(benchmark::State& s) { runEvaluationsOnly(s, kMiscibilityGap); }

}  // namespace

BENCHMARK(BM_ScanTypical)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EvaluationsTypical)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanFivePhases)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EvaluationsFivePhases)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanMiscibilityGap)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EvaluationsMiscibilityGap)->Arg(1000)->Unit(benchmark::kMillisecond);
