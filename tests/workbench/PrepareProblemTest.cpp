#include "workbench/RunFixture.h"

#include <string>

namespace {
class PrepareProblemTest : public RunFixture {};
}  // namespace

TEST_F(PrepareProblemTest, SetsTheRunParameters) {
  load({"#XMIN=0.2\r\n#XMAX=0.6\r\nP=7\r\nGL=P", 300, 1500, 4, 10, "Temperature", 2});
  bench.PrepareProblem();
  const RunState& run = bench.run();
  ASSERT_FALSE(run.PrepareFailed);
  EXPECT_EQ(run.PValue, 2);  // a Temperature problem takes P from its Z value
  EXPECT_EQ(run.Ycur, 1500);
  EXPECT_DOUBLE_EQ(run.dX, 0.4 / 10);
  EXPECT_EQ(run.dY, 300);
  EXPECT_EQ(run.LevelNo, -1);
  EXPECT_EQ(run.MosaicRow, 0);
  EXPECT_EQ(run.TieHigh, -1);
  EXPECT_TRUE(bench.tiePoints().empty());
  EXPECT_DOUBLE_EQ(view.increment, 0.04);
  EXPECT_EQ(bench.phases().SolutionPhases[0].parser->Value(), 2);  // "p" given to the phases
}

TEST_F(PrepareProblemTest, PressureAndFreeAxes) {
  load({"P=0\r\nGL=X", 1, 10, 0, 1, "Pressure", 900});
  bench.PrepareProblem();
  EXPECT_FALSE(bench.run().PrepareFailed);
  EXPECT_EQ(bench.run().TValue, 900);
  EXPECT_EQ(bench.run().PValue, 1);  // not positive: 1
  EXPECT_EQ(bench.run().dX, 0.5);    // XPoints 1 counts as 2: three columns
  EXPECT_EQ(bench.run().dY, 9);      // YPoints 0 counts as 1
  EXPECT_TRUE(bench.tiePoints().empty());

  bench.table().edit();
  bench.table().setString("Yparameter", "Y");
  bench.table().setString("Functs", "P=-3\r\nT=450\r\nGL=X");
  bench.PrepareProblem();
  EXPECT_EQ(bench.run().TValue, 450);
  EXPECT_EQ(bench.run().PValue, 1);
}

TEST_F(PrepareProblemTest, RefusalsLeaveItFailed) {
  struct Case {
    RunProblem problem;
    const char* kind;
    const char* text;
  };
  const Case cases[] = {
      {{"% only a comment"}, "error", "Gibbs energy can not be computed"},
      {{""}, "error", "Gibbs energy can not be computed"},
      {{"GL=X", 1500, 300}, "warning", "Ymax must be more that Ymin"},
      {{"GL=X\r\nGC1=1"}, "warning", "Point phase concentration is invalid or not defined"},
  };
  for (const auto& c : cases) {
    load(c.problem);
    dialogs.calls.clear();
    bench.PrepareProblem();
    EXPECT_TRUE(bench.run().PrepareFailed) << c.text;
    ASSERT_EQ(dialogs.calls.size(), 1u) << c.text;
    EXPECT_EQ(dialogs.calls[0].kind, c.kind);
    EXPECT_EQ(dialogs.calls[0].text, c.text);
  }
}

TEST_F(PrepareProblemTest, PendingEditIsPostedFirst) {
  load({"GL=X*(1-X)*10000-T*Sid"});
  bench.table().edit();
  bench.table().setString("ProblemName", "");
  bench.PrepareProblem();
  EXPECT_TRUE(bench.run().PrepareFailed);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, "Problem name must be assigned");
  EXPECT_TRUE(bench.table().editing());

  bench.table().setString("ProblemName", "again");
  bench.PrepareProblem();
  EXPECT_FALSE(bench.run().PrepareFailed);
  EXPECT_FALSE(bench.table().editing());
}
