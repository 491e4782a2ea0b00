#include "workbench/RunFixture.h"

#include <string>
#include <vector>

namespace {

// A liquid over two nearly immiscible solids: one eutectic node.
const RunProblem kEutectic{"HA=15000*(1-T/1000)\r\nHB=15000*(1-T/900)\r\n"
                           "GL=(1-X)*HA+X*HB-T*Sid\r\nGS=60000*X*(1-X)-T*Sid",
                           400, 1100, 35, 40};

class WorkbenchTest : public RunFixture {
 protected:
  void addNamed(const std::string& name, const RunProblem& p) {
    load(p);
    bench.table().edit();
    bench.table().setString("ProblemName", name);
    ASSERT_TRUE(bench.table().post());
  }
};

}  // namespace

TEST_F(WorkbenchTest, SelectProblemTakesTheFirstOfThatNameInTheListsOrder) {
  EXPECT_FALSE(bench.selectProblem("A"));  // no database open
  addNamed("B", {"GL=X", 1, 2});
  addNamed("A", {"GL=X", 3, 4});
  addNamed("A", {"GL=X", 5, 6});
  ASSERT_TRUE(bench.selectProblem("A"));
  EXPECT_EQ(bench.table().position(), 1);  // records added in memory stay where they were put
  EXPECT_EQ(bench.table().asFloat("Ymin"), 3);
  EXPECT_FALSE(bench.selectProblem("a"));  // names are matched exactly
  EXPECT_FALSE(bench.selectProblem("C"));
  EXPECT_EQ(bench.table().asFloat("Ymin"), 3);  // a miss leaves the current problem
}

TEST_F(WorkbenchTest, RunToEndAnalysesTheRecordsBeforeTellingTheWindows) {
  load(kEutectic);
  std::size_t nodesSeen = 0;
  int told = 0;
  bench.onRunCompleted = [&] {
    ++told;
    nodesSeen = bench.analysis().NodeList.size();
  };
  ASSERT_TRUE(bench.runToEnd());
  EXPECT_TRUE(bench.isScanComplete());
  EXPECT_EQ(told, 1);
  EXPECT_EQ(nodesSeen, 1u);
  EXPECT_FALSE(bench.analysis().failed());
  const RunResults results = bench.results();
  EXPECT_EQ(results.run.tiePoints.size(), static_cast<std::size_t>(bench.run().TieHigh + 1));
  EXPECT_EQ(&results.run.grid, &bench.grid());
  EXPECT_EQ(results.yParameter, "Temperature");
}

TEST_F(WorkbenchTest, RunToEndSaysWhenTheScanDidNotComplete) {
  load({"GL=X", 10, 5});  // Ymax below Ymin: the preparation refuses it
  EXPECT_FALSE(bench.runToEnd());
  EXPECT_TRUE(bench.run().PrepareFailed);
  load({"GL=1/(X-0.5)"});  // an evaluation fault ends the click with its exception
  EXPECT_THROW(bench.runToEnd(), std::exception);
  EXPECT_FALSE(bench.isScanComplete());
}

TEST_F(WorkbenchTest, ARestartEmptiesTheNodesOfTheLastRunOnly) {
  load(kEutectic);
  ASSERT_TRUE(bench.runToEnd());
  const std::vector<std::string> others = bench.analysis().OtherPoints;
  ASSERT_EQ(bench.analysis().NodeList.size(), 1u);
  view.step = true;
  bench.sbRunClick();  // the first level of a new scan
  EXPECT_TRUE(bench.analysis().NodeList.empty());
  EXPECT_EQ(bench.analysis().OtherPoints, others);  // kept until the next search
}

TEST_F(WorkbenchTest, ChoosingAnotherProblemMakesTheNextStepARestart) {
  addNamed("Lens", {"GL=-T*Sid", 100, 110});
  addNamed("Other", {"GL=-T*Sid", 200, 300});
  view.step = true;
  ASSERT_TRUE(bench.selectProblem("Lens"));
  bench.sbRunClick();
  bench.sbRunClick();
  EXPECT_EQ(bench.run().Ycur, 100);  // paused before the last level
  ASSERT_TRUE(bench.selectProblem("Other"));
  EXPECT_EQ(bench.run().Ymin, 200);
  EXPECT_EQ(bench.run().Ycur, 300);
  bench.sbRunClick();
  EXPECT_EQ(levels(), (std::vector<std::string>{"300"}));
}
