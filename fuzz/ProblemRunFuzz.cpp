// Parses an arbitrary phase description, prepares the problem and runs a small scan to the end,
// then searches the grid for special points. Evaluator and conversion errors are the system's
// ordinary answers; anything else (a crash, a sanitizer report, a broken invariant) is a fault.
#include "base/UserDialogs.h"
#include "problem/ProblemView.h"
#include "workbench/Workbench.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>
#include <exception>
#include <string>

namespace {

class SilentDialogs : public UserDialogs {
 public:
  void warning(const std::string&) override {}
  void error(const std::string&) override {}
  void message(const std::string&) override {}
  bool confirm(const std::string&) override { return true; }
};

class FuzzView : public NullRunView {
 public:
  explicit FuzzView(bool step) : m_step(step) {}
  bool byStep() override { return m_step; }
  bool showWorkingChart() override { return true; }
  bool showMosaicDiagram() override { return true; }
  int mosaicControlWidth() override { return 64; }
  int mosaicControlHeight() override { return 48; }

 private:
  bool m_step;
};

void check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  static const char* const kAxes[] = {"Temperature", "Pressure", "Y", ""};
  const std::string axis = kAxes[input.ConsumeIntegralInRange<int>(0, 3)];
  // Mostly ordinary levels; sometimes any finite double, so that ranges too wide to subtract
  // or too narrow to step through are tried as well.
  const bool anyRange = input.ConsumeIntegralInRange<int>(0, 7) == 0;
  const double ymin = anyRange ? input.ConsumeFloatingPoint<double>()
                               : input.ConsumeFloatingPointInRange<double>(-2000, 2000);
  const double ymax = anyRange ? input.ConsumeFloatingPoint<double>()
                               : input.ConsumeFloatingPointInRange<double>(-2000, 2000);
  const double zvalue = input.ConsumeFloatingPointInRange<double>(-10, 2000);
  const int xPoints = input.ConsumeIntegralInRange<int>(-3, 40);
  const int yPoints = input.ConsumeIntegralInRange<int>(-3, 25);
  const bool step = input.ConsumeBool();
  const std::string functs = input.ConsumeRemainingBytesAsString();

  SilentDialogs dialogs;
  NullProblemView problemView;
  FuzzView view(step);
  Workbench bench(dialogs, problemView);
  bench.setRunView(view);
  ProblemTable& table = bench.table();
  table.openEmpty();
  table.insert();
  table.setString("ProblemName", "fuzz");
  table.setString("Functs", functs);
  table.setString("Yparameter", axis);
  bench.yParameterChanged();
  table.setFloat("Ymin", ymin);
  table.setFloat("Ymax", ymax);
  table.setFloat("Zvalue", zvalue);
  table.setInteger("XPoints", xPoints);
  table.setInteger("YPoints", yPoints);
  if (!table.post()) return 0;
  table.moveTo(0);
  try {
    for (int click = 0; click < 60; ++click) {
      bench.sbRunClick();
      if (bench.run().PrepareFailed || !step) break;
    }
  } catch (const std::exception&) {
    return 0;  // an evaluator error ends the click, as in the program
  }
  const RunState& run = bench.run();
  if (run.PrepareFailed) return 0;
  check(bench.grid().rowCount() == run.LevelNo + 2);
  check(static_cast<int>(bench.tiePoints().size()) == run.TieHigh + 1);
  for (const TZPoint& p : bench.tiePoints()) check(p.X >= run.Xmin - 1e-9 && p.X <= run.Xmax + 1e-9);
  bench.analyse();
  if (bench.analysis().failed()) return 0;
  for (const TNode& node : bench.analysis().NodeList)
    check(node.XLeft <= node.X && node.X <= node.XRight);
  return 0;
}
