#include "analysis/AnalysisPipeline.h"

#include "base/Errors.h"
#include "calc/MosaicImage.h"
#include "calc/RunState.h"
#include "support/GridText.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A step that notes its turn, and throws when told to.
class NotingStep : public AnalysisStep {
 public:
  NotingStep(std::vector<std::string>& log, std::string name, bool fails)
      : m_log(log), m_name(std::move(name)), m_fails(fails) {}
  void run(const AnalysisInput&, AnalysisResults& results) override {
    m_log.push_back(m_name + " saw " + std::to_string(results.NodeList.size()) + " nodes");
    if (m_fails) throw std::length_error("step " + m_name + " failed");
  }

 private:
  std::vector<std::string>& m_log;
  std::string m_name;
  bool m_fails;
};

// A finished run over a grid whose middle region vanishes below level 900: one node.
class AnalysisPipelineTest : public ::testing::Test {
 protected:
  AnalysisPipelineTest() {
    fillGrid(grid, {"0", "0.25", "0.5", "0.75", "1"},
             {{"900", "a E L E b"}, {"800", "a E E E b"}, {"700", "a E E E b"}});
  }
  AnalysisInput input() { return {RunRecords{state, grid, {}, xList, mosaic}, "Temperature"}; }

  RunState state;
  PhaseGrid grid;
  TXList xList;
  MosaicImage mosaic;
  AnalysisResults results;
};

}  // namespace

TEST_F(AnalysisPipelineTest, TheStandardStepFindsTheNodes) {
  AnalysisPipeline().run(input(), results);
  EXPECT_FALSE(results.failed());
  ASSERT_EQ(results.NodeList.size(), 1u);
  EXPECT_EQ(results.NodeList[0].Y, 900);  // the last level the region is seen at
  EXPECT_FALSE(results.SpecialPoints.empty());
}

TEST_F(AnalysisPipelineTest, StepsRunInOrderAndAFailureEndsThePipelineKeepingWhatWasFound) {
  std::vector<std::string> log;
  AnalysisPipeline pipeline;
  pipeline.add(std::make_unique<NotingStep>(log, "second", true));
  pipeline.add(std::make_unique<NotingStep>(log, "third", false));
  pipeline.run(input(), results);
  EXPECT_EQ(log, (std::vector<std::string>{"second saw 1 nodes"}));
  ASSERT_TRUE(results.failed());
  EXPECT_EQ(results.NodeList.size(), 1u);
  EXPECT_THROW(
      {
        try {
          results.rethrowFailure();
        } catch (const std::length_error& e) {
          EXPECT_STREQ(e.what(), "step second failed");
          throw;
        }
      },
      std::length_error);
  // A later run that succeeds clears the failure.
  AnalysisPipeline().run(input(), results);
  EXPECT_FALSE(results.failed());
}

TEST_F(AnalysisPipelineTest, AnUnreadableHeaderIsTheSearchsFailure) {
  grid.setCell(3, 0, "x");
  AnalysisPipeline().run(input(), results);
  ASSERT_TRUE(results.failed());
  EXPECT_THROW(results.rethrowFailure(), EConvertError);
}
