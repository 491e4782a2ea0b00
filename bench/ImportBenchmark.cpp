#include "QuietDialogs.h"
#include "problem/ProblemView.h"
#include "tdb/TdbImport.h"
#include "tdb/TdbReader.h"
#include "workbench/Workbench.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

// The import of a thermodynamic database and the run of what it makes: Pb-Sn, the example's
// database, at the 200 x 200 points the import sets.

namespace {

const std::string kPbSn = std::string(VANTLE_EXAMPLES_DIR) + "/tdb/PbSn.tdb";

TdbImport importPbSn() { return importBinarySystem(readTdbFile(kPbSn), {"PB", "SN", {}, false}); }

// The file read, the system translated and checked by the parse, the melting points found.
void BM_ImportPbSn(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(importPbSn().description.size());
}

// What a user waits for from choosing the file to the finished diagram's records: the import,
// the new problem, the whole scan and its analysis, as vantle-cli does it.
void BM_ImportAndRunPbSn(benchmark::State& state) {
  for (auto _ : state) {
    const TdbImport imported = importPbSn();
    QuietDialogs dialogs;
    NullProblemView view;
    Workbench bench(dialogs, view);
    ProblemTable& t = bench.table();
    t.openEmpty();
    t.insert();
    t.setString("ProblemName", imported.problemName);
    t.setString("Functs", imported.description);
    t.setString("Yparameter", "Temperature");
    bench.yParameterChanged();
    t.setFloat("Zvalue", 1);
    t.setFloat("Ymin", imported.ymin);
    t.setFloat("Ymax", imported.ymax);
    t.setInteger("XPoints", imported.xPoints);
    t.setInteger("YPoints", imported.yPoints);
    t.setBoolean("ShowChart", false);
    t.post();
    if (!bench.runToEnd()) state.SkipWithError("the run did not complete");
    benchmark::DoNotOptimize(bench.analysis().NodeList.size());
  }
}

}  // namespace

BENCHMARK(BM_ImportPbSn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportAndRunPbSn)->Unit(benchmark::kMillisecond);
