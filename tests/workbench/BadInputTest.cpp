#include "calc/RunMessages.h"
#include "evaluator/EvaluatorErrors.h"
#include "support/ExpectThrowMsg.h"
#include "workbench/RunFixture.h"

#include <string>
#include <vector>

// What the user can type that the run cannot use: each gives its message, nothing crashes or
// hangs, and the next run of a sound problem works.

namespace {

using Strings = std::vector<std::string>;

const RunProblem kSound{"GL=X*(1-X)*1000-T*Sid"};

std::string repeated(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

class BadInputTest : public RunFixture {
 protected:
  // The sound problem still runs to its end after whatever went before.
  void expectSoundRunWorks() {
    load(kSound);
    dialogs.calls.clear();
    bench.sbRunClick();
    EXPECT_EQ(levels(), (Strings{"10", "5", "0"}));
    EXPECT_TRUE(view.diagramEnabled);
    EXPECT_TRUE(dialogs.calls.empty());
  }
};

}  // namespace

TEST_F(BadInputTest, EvaluatorErrorsEndTheClickWithTheirMessage) {
  struct Case {
    RunProblem problem;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"GL=X+"}, "Error parsing expression:\rX+"},
      {{"GL=X*(1-X"}, "Missing brackets in expression"},
      {{"GL-1=0"}, "L-1"},
      {{"GL=X\xE9"}, "Error parsing expression:\rX\xE9"},
      // Faults met during the scan, at the first level or at a later one.
      {{"GL=ln(X-0.5)"}, "Invalid floating point operation"},
      {{"GL=1/(T-5)"}, "Floating point division by zero"},
      {{"GL=1e308*T*T"}, "Floating point overflow"},
      {{"GL=X\r\nX=0.5;GC1=1/(T-5)"}, "Floating point division by zero"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.problem.functs.substr(0, 40));
    load(c.problem);
    view.diagramEnabled = false;
    EXPECT_THROW_MSG(bench.sbRunClick(), EEvaluatorError, c.message);
    EXPECT_FALSE(view.diagramEnabled);
    expectSoundRunWorks();
  }
}

TEST_F(BadInputTest, RangesTooWideForADoubleAreRefused) {
  struct Case {
    RunProblem problem;
    const char* message;
  };
  const Case cases[] = {
      {{"GL=X", -1e308, 1e308}, run_messages::kYRangeTooWide},
      {{"GL=X", -1.7e308, 1.7e308, 1}, run_messages::kYRangeTooWide},
      {{"#XMIN=-1.7e308\r\n#XMAX=1.7e308\r\nGL=X"}, run_messages::kXRangeTooWide},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    load(c.problem);
    dialogs.calls.clear();
    view.diagramEnabled = false;
    bench.sbRunClick();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, "warning");
    EXPECT_EQ(dialogs.calls[0].text, c.message);
    EXPECT_FALSE(view.diagramEnabled);
    expectSoundRunWorks();
  }
}

// Found by fuzzing: a Y range near the largest double (or a subnormal one) overflowed the mosaic
// row's product, and converting it to an int was undefined.
TEST_F(BadInputTest, ExtremeYRangesKeepTheMosaicRowsInTheImage) {
  struct Case {
    double ymin, ymax;
    int yPoints;
    std::string functs;
  };
  const Case cases[] = {
      {-1.740198661772206e+308, 4.5259617510483511e+302, 14, std::string("GS=19\0\0", 7)},
      {0, 1e-320, 2, "GL=X"},
  };
  view.mosaic = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ymin);
    load({c.functs, c.ymin, c.ymax, c.yPoints, -1});
    dialogs.calls.clear();
    bench.sbRunClick();
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_TRUE(view.diagramEnabled);
    EXPECT_GE(bench.run().MosaicRow, 0);
    EXPECT_LE(bench.run().MosaicRow, bench.mosaic().height());
  }
}

TEST_F(BadInputTest, OddButComputableInputRunsToTheEnd) {
  struct Case {
    const char* what;
    RunProblem problem;
    std::string firstCell;  // of the level at Ymax
  };
  const std::string longComment = "% " + repeated("x", 1 << 20) + "\r\n";
  const std::vector<Case> cases = {
      {"compositions outside [0, 1], where Sid is 0", {"#XMIN=-0.5\r\n#XMAX=1.5\r\nGL=X*X"}, "L"},
      {"energies near the largest double", {"GL=1.7e308*(2*X-1)\r\nGS=-1.7e308*sin(40*X)"}, "L"},
      {"energies near the smallest double", {"GL=1e-320*X\r\nGS=-1e-320*X"}, "L"},
      {"a point phase X written with a comma", {"GL=X*(1-X)*10000\r\nX=0,55;GC1=-9000"}, "L"},
      {"a megabyte comment line", {longComment + "GL=X"}, "L"},
      {"bytes that are no UTF-8 in a comment", {"GL=X % \xFF\xFE\x80"}, "L"},
      {"twenty thousand continuation lines",
       {"GL=X ..." + repeated("\r\n  ...", 20000) + "\r\n+1"}, "L"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    load(c.problem);
    dialogs.calls.clear();
    bench.sbRunClick();
    EXPECT_TRUE(dialogs.calls.empty()) << dialogs.calls.front().text;
    EXPECT_EQ(levels().size(), 3u);
    EXPECT_EQ(bench.grid().cell(1, 1), c.firstCell);
    EXPECT_TRUE(view.diagramEnabled);
  }
  Strings headers;
  load({"GL=X*(1-X)*10000\r\nX=0,55;GC1=-9000"});
  bench.sbRunClick();
  for (const auto& column : bench.XList()) headers.push_back(column.text);
  EXPECT_EQ(headers[6], "0.55");
}

TEST_F(BadInputTest, PointPhaseOutsideTheCompositionsIsRefused) {
  for (const char* functs : {"GL=X\r\nX=1,5;GC1=0", "GL=X\r\nX=-0,1;GC1=0", "GL=X\r\nGC1=0"}) {
    SCOPED_TRACE(functs);
    load({functs});
    dialogs.calls.clear();
    bench.sbRunClick();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text, "Point phase concentration is invalid or not defined");
    expectSoundRunWorks();
  }
}

TEST_F(BadInputTest, NamesThatAreNoUtf8RunAndKeepTheirBytes) {
  ProblemTable& t = bench.table();
  t.openEmpty();
  t.insert();
  const std::string name = "Bad\xFF\xFE\x01 name";
  t.setString("ProblemName", name);
  t.setString("Functs", kSound.functs);
  t.setString("Yparameter", "Temperature");
  bench.yParameterChanged();
  t.setFloat("Ymax", 10);
  t.setFloat("Zvalue", 1);
  t.setInteger("YPoints", 2);
  t.setInteger("XPoints", 10);
  ASSERT_TRUE(t.post());
  t.moveTo(t.position());
  bench.sbRunClick();
  EXPECT_EQ(view.caption, name);
  EXPECT_EQ(levels().size(), 3u);
  EXPECT_EQ(t.asString("ProblemName"), name);
}
