#include "app/ProblemListModel.h"
#include "app/TfmMain.h"
#include "diagram/ChartDecor.h"
#include "diagram/TfmDiagram2.h"
#include "diagram/TfmSpecPoints.h"
#include "workbench/Workbench.h"

#include "GuiFixtures.h"

#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <qcustomplot.h>

namespace {

using TfmMainDiagramTest = MainWindowFixture;

// An ideal liquid over two nearly immiscible solids: a eutectic node near 640 K.
StoredProblem eutectic(const char* name) {
  StoredProblem problem{name};
  problem.functs =
      "HA=15000*(1-T/1000)\r\nHB=15000*(1-T/900)\r\n"
      "GL=(1-X)*HA+X*HB-T*Sid\r\nGS=60000*X*(1-X)-T*Sid\r\n";
  problem.yMin = 400;
  problem.yMax = 1100;
  problem.xPoints = 40;
  problem.yPoints = 35;
  return problem;
}

}  // namespace

TEST_F(TfmMainDiagramTest, WindowsWaitHiddenUntilARunCompletes) {
  writeProblems("Problems.d", {eutectic("Eutectic")});
  TfmMain& main = start();
  EXPECT_FALSE(main.diagramWindow().isVisible());
  EXPECT_EQ(main.diagramWindow().windowTitle(), QStringLiteral("Diagram"));
  EXPECT_FALSE(main.specPointsWindow().isVisible());
  EXPECT_EQ(main.specPointsWindow().sgSpecPoints().rowCount(), 1);
}

TEST_F(TfmMainDiagramTest, CompleteRunDrawsTheDiagramAndRefreshesAnOpenReport) {
  writeProblems("Problems.d", {eutectic("Eutectic")});
  TfmMain& main = start();
  control<QPushButton>("sbSpecialPoints").click();
  EXPECT_TRUE(main.specPointsWindow().isVisible());
  EXPECT_EQ(main.specPointsWindow().sgSpecPoints().item(0, 0)->text(), QString());

  control<QPushButton>("sbRun").click();
  TfmDiagram2& diagram = main.diagramWindow();
  EXPECT_TRUE(diagram.isVisible());
  EXPECT_EQ(diagram.windowTitle(), QStringLiteral("Eutectic"));
  Workbench& bench = main.workbench();
  ASSERT_EQ(bench.analysis().NodeList.size(), 1u);
  EXPECT_EQ(diagram.chart1()->plottableCount(), 3);
  EXPECT_EQ(chartTitle(diagram.chart1())->text(), QStringLiteral("Temperature"));
  // The open report took the new node; the list follows every search.
  EXPECT_EQ(main.specPointsWindow().sgSpecPoints().item(0, 0)->text().left(1), QStringLiteral(" "));
  EXPECT_NE(main.specPointsWindow().sgSpecPoints().item(0, 0)->text(), QString());
  EXPECT_EQ(main.specPointsWindow().otherPointsList().count(),
            static_cast<int>(bench.analysis().OtherPoints.size()));
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(TfmMainDiagramTest, DiagramButtonRedrawsAndClosingWritesTheChartFile) {
  writeProblems("Problems.d", {eutectic("Eutectic")});
  TfmMain& main = start();
  control<QPushButton>("sbRun").click();
  main.diagramWindow().close();
  control<QPushButton>("sbDiagram").click();
  EXPECT_TRUE(main.diagramWindow().isVisible());
  EXPECT_EQ(main.diagramWindow().chart1()->plottableCount(), 3);
  window.reset();
  EXPECT_TRUE(QFile::exists(inWork("Chart.cfg")));
}

TEST_F(TfmMainDiagramTest, DamagedChartFileIsReportedAndTheProgramStarts) {
  writeProblems("Problems.d", {eutectic("Eutectic")});
  writeText(inWork("Chart.cfg"), QStringLiteral("not a chart"));
  TfmMain& main = start();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text.rfind("Cannot read the chart settings file Chart.cfg: ", 0), 0u);
  EXPECT_EQ(main.problemModel().rowCount(), 1);
}
