#include "DiagramFixture.h"

#include "base/NumberText.h"
#include "diagram/ChartDecor.h"
#include "diagram/TfmDiagram2Drawing.h"

#include <QLabel>
#include <QPushButton>
#include <qcustomplot.h>

namespace {

using TfmDiagram2Test = DiagramFixture;

QStringList seriesNames(QCustomPlot* plot) {
  QStringList names;
  for (int i = 0; i < plot->plottableCount(); ++i) names << plot->plottable(i)->name();
  return names;
}

}  // namespace

TEST_F(TfmDiagram2Test, StartsWithTheDesignedChart) {
  TfmDiagram2& w = open();
  QCustomPlot* plot = w.chart1();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Diagram"));
  EXPECT_EQ(chartTitle(plot)->text(), QStringLiteral("       T, K"));
  EXPECT_EQ(chartFoot(plot)->text(),
            QStringLiteral("Mole fraction (X) of the component B in system A-B"));
  EXPECT_EQ(w.defaultFootText(), chartFoot(plot)->text());
  EXPECT_EQ(chartTitle(plot)->font().pixelSize(), 11);
  EXPECT_FALSE(plot->legend->visible());
  EXPECT_TRUE(w.undoZoomButton().isHidden());
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(TfmDiagram2Test, RunWithoutNodesGivesTheTwoPointSeriesOnly) {
  load("GL=-T*Sid", 300, 1000, 10, 5);
  bench.sbRunClick();
  TfmDiagram2& w = open();
  w.sbDiagramClick(bench.results());
  QCustomPlot* plot = w.chart1();
  EXPECT_EQ(seriesNames(plot),
            (QStringList{QStringLiteral("Ordinary points"), QStringLiteral("Special points")}));
  EXPECT_EQ(chartTitle(plot)->text(), QStringLiteral("Temperature"));
  EXPECT_EQ(chartFoot(plot)->text(), w.defaultFootText());
  EXPECT_EQ(plot->graph(1)->pen().color(), QColor(Qt::red));
  EXPECT_TRUE(w.isVisible());
}

TEST_F(TfmDiagram2Test, EutecticRunDrawsTiePointsSpecialPointsAndNodeLines) {
  runEutectic();
  TfmDiagram2& w = open();
  w.sbDiagramClick(bench.results());
  QCustomPlot* plot = w.chart1();
  ASSERT_EQ(bench.analysis().NodeList.size(), 1u);
  ASSERT_EQ(plot->plottableCount(), 3);
  EXPECT_EQ(plot->graph(0)->dataCount(), bench.run().TieHigh + 1);
  EXPECT_EQ(plot->graph(1)->dataCount(), static_cast<int>(bench.analysis().SpecialPoints.size()));
  const TNode& node = bench.analysis().NodeList[0];
  EXPECT_EQ(plot->plottable(2)->name(),
            QStringLiteral("Node at ") + QString::fromStdString(formatFloat("0.###", node.Y)) +
                QStringLiteral("K"));
  // Every point lies inside the ranges the diagram starts with.
  for (const TZPoint& p : bench.tiePoints()) {
    EXPECT_TRUE(plot->xAxis->range().contains(p.X));
    EXPECT_TRUE(plot->yAxis->range().contains(p.Y));
  }
}

TEST_F(TfmDiagram2Test, NodeLinesRunFromLeftToRightInTheOrdinaryColour) {
  QCustomPlot plot;
  setUpDiagramChart(&plot);
  plot.addGraph()->setPen(QPen(Qt::darkGreen));
  DrawNodeLines(&plot, {{900, 0.5, 0.25, 0.75}, {1234.56789, 0.4, 0.1, 0.9}, {-0.0001, 0, 0, 1}});
  ASSERT_EQ(plot.plottableCount(), 4);
  EXPECT_EQ(plot.plottable(1)->name(), QStringLiteral("Node at 900K"));
  EXPECT_EQ(plot.plottable(2)->name(), QStringLiteral("Node at 1234.568K"));
  EXPECT_EQ(plot.plottable(3)->name(), QStringLiteral("Node at 0K"));
  auto* line = qobject_cast<QCPCurve*>(plot.plottable(1));
  ASSERT_NE(line, nullptr);
  ASSERT_EQ(line->dataCount(), 2);
  EXPECT_DOUBLE_EQ(line->data()->at(0)->key, 0.25);
  EXPECT_DOUBLE_EQ(line->data()->at(1)->key, 0.75);
  EXPECT_DOUBLE_EQ(line->data()->at(1)->value, 900);
  EXPECT_EQ(line->pen().color(), QColor(Qt::darkGreen));
}

TEST_F(TfmDiagram2Test, CaptionsOfThePhaseDescriptionNameTheAxes) {
  load("#XCAP=Mass fraction Ni\r\n#YCAP=Temperature, C\r\nGL=-T*Sid", 300, 1000, 10, 5);
  bench.sbRunClick();
  TfmDiagram2& w = open();
  w.sbDiagramClick(bench.results());
  EXPECT_EQ(chartTitle(w.chart1())->text(), QStringLiteral("Temperature, C"));
  EXPECT_EQ(chartFoot(w.chart1())->text(), QStringLiteral("Mass fraction Ni"));
  // The caption is the problem's, never the window's default.
  EXPECT_EQ(w.defaultFootText(),
            QStringLiteral("Mole fraction (X) of the component B in system A-B"));
}

TEST_F(TfmDiagram2Test, FailedSearchStopsAfterTheTiePointsWithItsMessage) {
  runEutectic();
  TfmDiagram2& w = open();
  PhaseGrid grid = bench.grid();
  for (int c = 1; c < grid.colCount(); ++c) grid.setCell(c, 0, "x");
  AnalysisResults analysis;
  try {
    w.sbDiagramClick(resultsWithGrid(grid, analysis));
    FAIL() << "no exception";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "'x' is not a valid floating point value");
  }
  EXPECT_EQ(w.chart1()->graph(0)->dataCount(), bench.run().TieHigh + 1);
  EXPECT_EQ(w.chart1()->graph(1)->dataCount(), 0);
  EXPECT_FALSE(w.isVisible());
}
