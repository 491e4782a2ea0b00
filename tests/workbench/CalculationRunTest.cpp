#include "workbench/RunFixture.h"

#include <cmath>

class CalculationRunTest : public RunFixture {};

using Strings = std::vector<std::string>;

TEST_F(CalculationRunTest, ScanComputesEveryLevelAndCompletes) {
  load({"GL=-T*Sid", 100, 110});
  bench.sbRunClick();
  EXPECT_EQ(levels(), (Strings{"110", "105", "100"}));
  EXPECT_TRUE(view.diagramEnabled);
  EXPECT_TRUE(view.gridEnabled);
  EXPECT_EQ(view.caption, "Run test");
  EXPECT_EQ(row(1), Strings(11, "L"));
  EXPECT_EQ(bench.grid().cell(0, 0), " Y/X");
  EXPECT_EQ(bench.grid().cell(4, 0), "0.3");
  EXPECT_EQ(bench.run().TieHigh, -1);
  ASSERT_EQ(view.series.size(), 2u);
  EXPECT_EQ(view.series[0].title, "L");
  EXPECT_EQ(view.series[1].title, "Convex");
  EXPECT_TRUE(view.series[1].dotted);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(CalculationRunTest, StepModeComputesOneLevelPerClick) {
  load({"GL=-T*Sid"});
  view.step = true;
  bench.sbRunClick();
  EXPECT_EQ(levels(), (Strings{"10"}));
  EXPECT_FALSE(view.diagramEnabled);
  bench.sbRunClick();
  EXPECT_EQ(levels(), (Strings{"10", "5"}));
  EXPECT_TRUE(view.diagramEnabled);  // the level at Ymin is not computed in step mode
  EXPECT_TRUE(dialogs.calls.empty());
  dialogs.answers = {false};
  bench.sbRunClick();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "confirm");
  EXPECT_EQ(dialogs.calls[0].text, "Restart the problem?");
  EXPECT_EQ(levels(), (Strings{"10", "5"}));
  bench.sbRunClick();  // Yes: a new scan from Ymax
  EXPECT_EQ(levels(), (Strings{"10"}));
}

TEST_F(CalculationRunTest, CompositionGridGetsPointPhaseColumns) {
  load({"GL=X\r\nX=0.25;GC1=5\r\nX=0.3;GC2=5\r\nX=0.62;GC3=5\r\nX=0.67;GC4=5"});
  bench.sbRunClick();
  Strings headers;
  for (const auto& column : bench.XList()) headers.push_back(column.text);
  EXPECT_EQ(headers, (Strings{"0", "0.1", "0.2", "0.25", "0.3", "0.4", "0.5", "0.6", "0.62", "0.7",
                              "0.8", "0.9", "1"}));
  EXPECT_EQ(bench.grid().colCount(), 14);

  for (int xPoints : {1, 2}) {
    load({"GL=X", 0, 10, 2, xPoints});
    bench.sbRunClick();
    EXPECT_EQ(bench.XList().size(), 3u) << xPoints;
  }
}

TEST_F(CalculationRunTest, LinearPhaseLeavesOnlyTheEndColumnsOnTheHull) {
  load({"GL=1000*X\r\nGS=5000"});
  bench.sbRunClick();
  // Interior minima lie on the chord: every interior cell is two-phase, with no tie line
  // between the end columns because they are neighbours of nothing... they are far apart.
  EXPECT_EQ(row(1).front(), "L");
  EXPECT_EQ(row(1).back(), "L");
  EXPECT_EQ(row(1)[5], "E");
}

TEST_F(CalculationRunTest, StatusPanelFromTheSecondLevelEveryTenth) {
  load({"GL=X*(1-X)*1000-T*Sid", 0, 25, 25});
  bench.sbRunClick();
  EXPECT_EQ(view.statusTexts, (Strings{"Temperature = 24", "Temperature = 14", "Temperature = 4"}));
}

TEST_F(CalculationRunTest, RangesTheScanCannotComputeAreRefused) {
  struct Case {
    RunProblem problem;
    const char* text;
  };
  const Case cases[] = {
      {{"GL=X", 5, 5}, "Ymax must be more that Ymin"},
      {{"#XMIN=0.5\r\n#XMAX=0.5\r\nGL=X"}, "The composition range is empty: #XMAX must be more than #XMIN"},
      {{"#XMIN=0.7\r\n#XMAX=0.2\r\nGL=X"}, "The composition range is empty: #XMAX must be more than #XMIN"},
      {{"GL=\r\nGS="}, "Gibbs energy can not be computed"},
      {{"GL=X", 1e17, 1e17 + 64, 1000}, "The level step is too small for the Y range; use fewer Y points"},
      {{"GL=X", 0, 1, 32767, 32767},
       "The phase-region grid would have more than 100 million cells; use fewer X or Y points"},
  };
  for (const auto& c : cases) {
    load(c.problem);
    dialogs.calls.clear();
    bench.sbRunClick();
    ASSERT_EQ(dialogs.calls.size(), 1u) << c.text;
    EXPECT_EQ(dialogs.calls[0].text, c.text);
    EXPECT_FALSE(view.diagramEnabled);
  }
}

TEST_F(CalculationRunTest, ClickDuringPendingMessagesIsIgnored) {
  load({"GL=X*(1-X)*1000-T*Sid", 0, 10, 5});
  int nested = 0;
  view.onPending = [&] {
    ++nested;
    bench.sbRunClick();
  };
  bench.sbRunClick();
  EXPECT_EQ(levels().size(), 6u);
  EXPECT_TRUE(view.diagramEnabled);
  EXPECT_GT(nested, 5);
}

TEST_F(CalculationRunTest, CompoundEndsTieLinesOnBothSides) {
  load({"GL=0\r\nX=1/3;GC1=-5000", 900, 1000, 1, 10});
  view.width = 300;
  view.height = 50;
  bench.sbRunClick();
  const auto headers = row(0);
  ASSERT_EQ(headers[4], "0.33333333");  // the compound's own column, between 0.3 and 0.4
  // Written "C" as the right end of the left tie line, then "C" and its text as the left end
  // of the right one, which stays.
  EXPECT_EQ(row(1), (Strings{"L", "E", "E", "E", "C0.3333", "E", "E", "E", "E", "E", "E", "L"}));
  const auto ties = bench.tiePoints();
  ASSERT_EQ(bench.run().TieHigh, 7);  // two levels, two tie lines each
  EXPECT_EQ(ties[0].X, 1);
  EXPECT_EQ(ties[0].Name, "L");
  EXPECT_EQ(ties[1].X, 0.333333333333333);  // read back from its text
  EXPECT_EQ(ties[1].Col, 0);
  EXPECT_EQ(ties[1].Name, "0.333333333333333");
  EXPECT_EQ(ties[3].X, 0);

  // The mosaic: runs over the two spans of the first level's row, and the compound circled.
  const MosaicImage& image = bench.mosaic();
  ASSERT_EQ(image.width(), 300);
  EXPECT_EQ(image.pixel(0, 0), bench.run().MosaicColor);
  EXPECT_EQ(image.pixel(299, 0), bench.run().MosaicColor);
  EXPECT_EQ(image.pixel(100, 1), MosaicImage::kRed);  // the circle around x = 100, row 0
  EXPECT_EQ(image.pixel(0, 20), MosaicImage::kWhite);
}

TEST_F(CalculationRunTest, NoMosaicDrawingWhenItsBoxIsUnchecked) {
  load({"GL=0\r\nX=1/3;GC1=-5000", 900, 1000, 1, 10});
  view.mosaic = false;
  bench.sbRunClick();
  for (std::uint32_t pixel : bench.mosaic().pixels()) ASSERT_EQ(pixel, MosaicImage::kWhite);
  EXPECT_EQ(bench.run().TieHigh, 7);
}
