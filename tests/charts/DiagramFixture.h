#pragma once

#include "analysis/AnalysisPipeline.h"
#include "analysis/RunResults.h"
#include "diagram/TfmDiagram2.h"
#include "problem/ProblemView.h"
#include "support/FakeDialogs.h"
#include "support/FakeModalDialogs.h"
#include "support/GridText.h"
#include "support/TempDir.h"
#include "workbench/Workbench.h"

#include <QDialog>
#include <QDir>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A workbench with one problem and a diagram window, both in a fresh current folder, where the
// window keeps its "Chart.cfg".
class DiagramFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    m_oldCurrent = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(m_temp.path().string())));
  }
  void TearDown() override {
    window.reset();
    QDir::setCurrent(m_oldCurrent);
  }

  void load(const std::string& functs, double ymin, double ymax, int xPoints, int yPoints,
            const std::string& yParameter = "Temperature") {
    ProblemTable& t = bench.table();
    if (!t.active()) t.openEmpty();
    t.insert();
    t.setString("ProblemName", "Diagram test");
    t.setString("Functs", functs);
    t.setString("Yparameter", yParameter);
    bench.yParameterChanged();
    t.setFloat("Ymin", ymin);
    t.setFloat("Ymax", ymax);
    t.setFloat("Zvalue", 1);
    t.setInteger("XPoints", xPoints);
    t.setInteger("YPoints", yPoints);
    ASSERT_TRUE(t.post());
    t.moveTo(t.position());
  }

  // An ideal liquid over two nearly immiscible solids: one eutectic node.
  void runEutectic(int xPoints = 40, int yPoints = 35) {
    load("HA=15000*(1-T/1000)\r\nHB=15000*(1-T/900)\r\n"
         "GL=(1-X)*HA+X*HB-T*Sid\r\nGS=60000*X*(1-X)-T*Sid",
         400, 1100, xPoints, yPoints);
    bench.sbRunClick();
  }

  TfmDiagram2& open() {
    window = std::make_unique<TfmDiagram2>(dialogs, modal);
    window->resize(700, 560);
    return *window;
  }

  std::string chartFile() const { return m_temp.file("Chart.cfg"); }

  // The bench's results as if its run had left `grid` instead, analysed afresh into `analysis`.
  RunResults resultsWithGrid(const PhaseGrid& grid, AnalysisResults& analysis) {
    const RunRecords run = bench.results().run;
    const RunRecords records{run.state, grid, run.tiePoints, run.xList, run.mosaic};
    AnalysisPipeline().run(AnalysisInput{records, bench.yParameterName()}, analysis);
    return RunResults{records, analysis, bench.yParameterName()};
  }

  FakeDialogs dialogs;
  FakeModalDialogs modal;
  NullProblemView problemView;
  Workbench bench{dialogs, problemView};
  std::unique_ptr<TfmDiagram2> window;

 private:
  TempDir m_temp;
  QString m_oldCurrent;
};
