#include "diagram/WorkingChart.h"

#include "diagram/ChartDecor.h"
#include "diagram/PatternAxisTicker.h"

#include <qcustomplot.h>

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

struct WorkingChartFixture : ::testing::Test {
  std::unique_ptr<QCustomPlot> plot = std::make_unique<QCustomPlot>();
  WorkingChart chart{plot.get()};

  std::vector<std::pair<double, double>> drawn(int series) const {
    std::vector<std::pair<double, double>> points;
    for (const QCPGraphData& d : *plot->graph(series)->data()) points.emplace_back(d.key, d.value);
    return points;
  }
};

using WorkingChartTest = WorkingChartFixture;

TEST_F(WorkingChartTest, StartsWithTheDesignSettingsAndThreeEmptySeries) {
  EXPECT_EQ(chartTitle(plot.get())->text(), QStringLiteral("       G"));
  EXPECT_TRUE(chartTitle(plot.get())->textFlags() & Qt::AlignLeft);
  EXPECT_EQ(chartFoot(plot.get())->text(), QStringLiteral("x"));
  EXPECT_TRUE(chartFoot(plot.get())->textFlags() & Qt::AlignRight);
  EXPECT_TRUE(plot->legend->visible());
  for (QCPAxis* axis : {plot->xAxis, plot->yAxis}) {
    EXPECT_TRUE(axis->grid()->visible());
    EXPECT_EQ(axis->grid()->pen().style(), Qt::DotLine);
  }
  auto* ticker = dynamic_cast<PatternAxisTicker*>(plot->xAxis->ticker().data());
  ASSERT_NE(ticker, nullptr);
  EXPECT_EQ(ticker->pattern(), "#,##0.##");

  ASSERT_EQ(chart.seriesCount(), 3);
  ASSERT_EQ(plot->graphCount(), 3);
  const char* titles[] = {"Liquid", "Solid", "Convex"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(chart.seriesTitle(i), QLatin1String(titles[i]));
    EXPECT_EQ(chart.pointCount(i), 0);
    EXPECT_EQ(plot->graph(i)->pen().style(), i == 2 ? Qt::DotLine : Qt::SolidLine);
  }
  EXPECT_NE(plot->graph(0)->pen().color(), plot->graph(1)->pen().color());
  EXPECT_NE(plot->graph(1)->pen().color(), plot->graph(2)->pen().color());
}

TEST_F(WorkingChartTest, ARestartReplacesTheSeries) {
  chart.removeAllSeries();
  EXPECT_EQ(chart.seriesCount(), 0);
  EXPECT_EQ(plot->graphCount(), 0);
  chart.addPoint(0, 1, 1);  // no series: ignored
  chart.addSeries("L", false);
  chart.addSeries("A", false);
  chart.addSeries("B", false);
  chart.addSeries("Convex", true);
  ASSERT_EQ(chart.seriesCount(), 4);
  EXPECT_EQ(chart.seriesTitle(3), QStringLiteral("Convex"));
  EXPECT_EQ(plot->graph(3)->name(), QStringLiteral("Convex"));
  EXPECT_EQ(plot->graph(3)->pen().style(), Qt::DotLine);
  EXPECT_EQ(chart.seriesTitle(4), QString());
  EXPECT_EQ(chart.pointCount(-1), 0);
}

TEST_F(WorkingChartTest, EveryPointOfTheLastLevelIsDrawnInAscendingX) {
  for (int level = 0; level < 3; ++level) {
    chart.clearPoints();
    for (int c = 0; c <= 1000; ++c) {
      const double x = c / 1000.0;
      chart.addPoint(0, x, level + x * x);
      chart.addPoint(1, x, level - x);
    }
    chart.levelDone();
    // The run adds the hull after levelDone, in descending X.
    chart.addPoint(2, 1.0, level - 1.0);
    chart.addPoint(2, 0.5, level - 0.75);
    chart.addPoint(2, 0.0, level + 0.0);
  }
  EXPECT_EQ(chart.pointCount(0), 1001);
  EXPECT_EQ(chart.pointCount(2), 3);
  chart.flush();
  const auto liquid = drawn(0);
  ASSERT_EQ(liquid.size(), 1001u);
  EXPECT_EQ(liquid.front(), std::make_pair(0.0, 2.0));
  EXPECT_EQ(liquid.back(), std::make_pair(1.0, 3.0));
  EXPECT_EQ(drawn(2), (std::vector<std::pair<double, double>>{{0, 2}, {0.5, 1.25}, {1, 1}}));
  EXPECT_EQ(plot->xAxis->range().lower, 0);
  EXPECT_EQ(plot->xAxis->range().upper, 1);
  EXPECT_LT(plot->yAxis->range().lower, 1);
  EXPECT_GT(plot->yAxis->range().upper, 3);
}

TEST_F(WorkingChartTest, ALevelIsDrawnWhenPendingEventsAreProcessedAfterIt) {
  chart.clearPoints();
  chart.addPoint(0, 0.2, 5);
  chart.addPoint(0, 0.1, 4);
  chart.addPoint(0, 0.3, 6);
  chart.levelDone();
  chart.addPoint(2, 0.3, 6);
  QCoreApplication::processEvents();
  EXPECT_EQ(drawn(0), (std::vector<std::pair<double, double>>{{0.1, 4}, {0.2, 5}, {0.3, 6}}));
  EXPECT_EQ(drawn(2).size(), 1u);
}

TEST_F(WorkingChartTest, ClearedPointsLeaveEmptyGraphsAfterAFlush) {
  chart.addPoint(1, 0.5, 1);
  chart.flush();
  EXPECT_EQ(drawn(1).size(), 1u);
  chart.clearPoints();
  EXPECT_EQ(chart.pointCount(1), 0);
  chart.flush();
  EXPECT_TRUE(drawn(1).empty());
}

TEST_F(WorkingChartTest, TheLabelIncrementSetsTheBottomAxisStep) {
  auto* ticker = dynamic_cast<PatternAxisTicker*>(plot->xAxis->ticker().data());
  ASSERT_NE(ticker, nullptr);
  chart.setLabelIncrement(0.1);
  EXPECT_EQ(ticker->labelIncrement(), 0.1);
  EXPECT_EQ(ticker->tickStep(), 0.1);
  chart.setLabelIncrement(0);
  EXPECT_EQ(ticker->labelIncrement(), 0);
  chart.setLabelIncrement(std::nan(""));
  EXPECT_EQ(ticker->labelIncrement(), 0);
}

}  // namespace
