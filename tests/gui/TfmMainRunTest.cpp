#include "app/TfmMain.h"
#include "diagram/TfmMDiagram.h"
#include "diagram/WorkingChart.h"
#include "workbench/Workbench.h"

#include "GuiFixtures.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A small problem: levels 1500, 900 and 300 over 11 compositions.
StoredProblem smallProblem(const char* name) {
  StoredProblem problem{name};
  problem.xPoints = 10;
  problem.yPoints = 2;
  return problem;
}

using TfmMainRunTest = MainWindowFixture;

}  // namespace

TEST_F(TfmMainRunTest, F9WhileTypingTheFunctionsPostsThemAndRuns) {
  writeProblems("Problems.d", {smallProblem("A")});
  TfmMain& main = start();
  auto& functions = control<QPlainTextEdit>("memFunctions");
  functions.moveCursor(QTextCursor::End);
  QTest::keyClicks(&functions, QStringLiteral("GV=5000"));
  QTest::keyClick(&functions, Qt::Key_F9);

  EXPECT_TRUE(dialogs.calls.empty());
  const Workbench& bench = main.workbench();
  EXPECT_EQ(const_cast<Workbench&>(bench).table().asString("Functs"),
            "GL=X*(1-X)*10000-T*Sid\r\nGS=1000-T+X*(1-X)*15000-T*Sid\r\nGV=5000");
  EXPECT_FALSE(const_cast<Workbench&>(bench).table().editing());
  EXPECT_EQ(const_cast<Workbench&>(bench).grid().rowCount(), 4);  // header and three levels
  EXPECT_TRUE(control<QPushButton>("sbDiagram").isEnabled());
  WorkingChart& chart = main.workingChart();
  ASSERT_EQ(chart.seriesCount(), 4);
  EXPECT_EQ(chart.seriesTitle(3), QStringLiteral("Convex"));
  EXPECT_EQ(chart.pointCount(0), 11);
  EXPECT_EQ(functions.toPlainText().right(7), QStringLiteral("GV=5000"));
}

TEST_F(TfmMainRunTest, SteppedRunPausesContinuesCompletesAndAsksToRestart) {
  writeProblems("Problems.d", {smallProblem("A")});
  TfmMain& main = start();
  Workbench& bench = main.workbench();
  QPushButton& run = control<QPushButton>("sbRun");
  QPushButton& diagram = control<QPushButton>("sbDiagram");
  control<QCheckBox>("chbStep").setChecked(true);
  EXPECT_TRUE(main.dbgProblems().isEnabled());

  run.click();
  EXPECT_DOUBLE_EQ(bench.run().Ycur, 900);
  EXPECT_EQ(bench.grid().rowCount(), 2);
  EXPECT_TRUE(main.dbgProblems().isEnabled());
  EXPECT_FALSE(diagram.isEnabled());

  run.click();
  EXPECT_DOUBLE_EQ(bench.run().Ycur, 300);
  EXPECT_EQ(bench.grid().rowCount(), 3);
  EXPECT_TRUE(diagram.isEnabled());
  EXPECT_TRUE(dialogs.calls.empty());

  dialogs.answers = {false, true};
  run.click();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "confirm");
  EXPECT_EQ(dialogs.calls[0].text, "Restart the problem?");
  EXPECT_EQ(bench.grid().rowCount(), 3);
  EXPECT_DOUBLE_EQ(bench.run().Ycur, 300);

  run.click();
  EXPECT_EQ(dialogs.calls.size(), 2u);
  EXPECT_DOUBLE_EQ(bench.run().Ycur, 900);
  EXPECT_EQ(bench.grid().rowCount(), 2);
}

TEST_F(TfmMainRunTest, ByStepDecidesWhetherTheListIsEnabled) {
  writeProblems("Problems.d", {smallProblem("A")});
  TfmMain& main = start();
  QCheckBox& step = control<QCheckBox>("chbStep");
  step.setChecked(true);
  EXPECT_TRUE(main.dbgProblems().isEnabled());
  step.setChecked(false);
  EXPECT_FALSE(main.dbgProblems().isEnabled());
  main.sbRunClick();
  EXPECT_TRUE(main.dbgProblems().isEnabled());
}

TEST_F(TfmMainRunTest, RunShowsTheMosaicWithTheProblemsName) {
  StoredProblem problem = smallProblem("Fe-C");
  writeProblems("Problems.d", {problem});
  TfmMain& main = start();
  main.show();
  control<QCheckBox>("chbShowMosaic").setChecked(true);
  main.sbRunClick();
  const TfmMDiagram& mosaic = main.mosaicWindow();
  EXPECT_TRUE(mosaic.isVisible());
  EXPECT_EQ(mosaic.windowTitle(), QStringLiteral("Fe-C"));
  EXPECT_EQ(main.diagramCaption(), QStringLiteral("Fe-C"));
  const MosaicImage& image = main.workbench().mosaic();
  EXPECT_EQ(QSize(image.width(), image.height()), mosaic.imageControlSize());

  control<QCheckBox>("chbShowMosaic").setChecked(false);
  main.sbRunClick();
  EXPECT_FALSE(mosaic.isVisible());
}

TEST_F(TfmMainRunTest, FormulaErrorEndsTheClickWithTheGeneralErrorBox) {
  StoredProblem problem = smallProblem("A");
  problem.functs = "GL=ln(X-2)\r\nGS=0\r\n";
  writeProblems("Problems.d", {problem});
  TfmMain& main = start();
  dialogs.calls.clear();
  main.sbRunClick();
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "error");
  EXPECT_FALSE(main.workbench().running());
  EXPECT_TRUE(main.dbgProblems().isEnabled());
  EXPECT_TRUE(control<QPushButton>("sbRun").isEnabled());
}

TEST_F(TfmMainRunTest, CommandsThatWouldReplaceTheDatabaseWaitForTheScan) {
  writeProblems("Problems.d", {smallProblem("A")});
  TfmMain& main = start();
  files.answer = inWork("Problems.d").toStdString();
  modal.inputs = {std::string("New.d")};
  // Clicked while the scan processes its pending messages.
  bool clickedDuringScan = false;
  QTimer::singleShot(0, &main, [&] {
    clickedDuringScan = main.workbench().running();
    main.N1Click();
    main.N5Click();
    main.sbRunClick();
  });
  main.sbRunClick();
  ASSERT_TRUE(clickedDuringScan);
  EXPECT_EQ(files.openCalls, 0);
  EXPECT_TRUE(modal.queries.empty());
  EXPECT_EQ(main.workbench().grid().rowCount(), 4);
  EXPECT_TRUE(dialogs.calls.empty());
  main.N1Click();
  EXPECT_EQ(files.openCalls, 1);
}

TEST_F(TfmMainRunTest, ClosingDuringAScanPausesItThenCloses) {
  writeProblems("Problems.d", {smallProblem("A")});
  TfmMain& main = start();
  main.show();
  QTimer::singleShot(0, &main, [&] { main.close(); });
  main.sbRunClick();
  EXPECT_FALSE(main.isVisible());
  EXPECT_DOUBLE_EQ(main.workbench().run().Ycur, 900);
  EXPECT_TRUE(QFile::exists(writtenSettings()));
}
