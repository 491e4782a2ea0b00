#pragma once

#include "workbench/Workbench.h"

#include "problem/ProblemView.h"
#include "support/FakeDialogs.h"
#include "workbench/RecordingRunView.h"

#include <gtest/gtest.h>

#include <string>

// A workbench with one problem in an in-memory database and a recording run view.
struct RunProblem {
  std::string functs;
  double ymin = 0;
  double ymax = 10;
  int yPoints = 2;
  int xPoints = 10;
  std::string yParameter = "Temperature";
  double zvalue = 1;
};

class RunFixture : public ::testing::Test {
 protected:
  RunFixture() { bench.setRunView(view); }

  void load(const RunProblem& p) {
    ProblemTable& t = bench.table();
    if (!t.active()) t.openEmpty();
    t.insert();
    t.setString("ProblemName", "Run test");
    t.setString("Functs", p.functs);
    t.setString("Yparameter", p.yParameter);
    bench.yParameterChanged();
    t.setFloat("Ymin", p.ymin);
    t.setFloat("Ymax", p.ymax);
    t.setFloat("Zvalue", p.zvalue);
    t.setInteger("XPoints", p.xPoints);
    t.setInteger("YPoints", p.yPoints);
    ASSERT_TRUE(t.post());
    t.moveTo(t.position());  // as choosing the problem in the list does
  }

  // The grid's column 0 below the header: the levels computed.
  std::vector<std::string> levels() {
    std::vector<std::string> out;
    for (int r = 1; r < bench.grid().rowCount(); ++r) out.push_back(bench.grid().cell(0, r));
    return out;
  }
  std::vector<std::string> row(int r) {
    std::vector<std::string> out;
    for (int c = 1; c < bench.grid().colCount(); ++c) out.push_back(bench.grid().cell(c, r));
    return out;
  }

  FakeDialogs dialogs;
  NullProblemView problemView;
  RecordingRunView view;
  Workbench bench{dialogs, problemView};
};
