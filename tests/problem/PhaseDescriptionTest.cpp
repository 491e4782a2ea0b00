#include "problem/PhaseDescription.h"

#include "problem/DescriptionSettings.h"
#include "evaluator/EvaluatorErrors.h"
#include "evaluator/TParser.h"
#include "problem/PhaseLists.h"
#include "support/ExpectThrowMsg.h"
#include "support/FakeDialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class PhaseDescriptionTest : public ::testing::Test {
 protected:
  bool parse(const std::string& text) { return description.ParsePhaseText(text); }
  std::vector<std::string> names(const std::vector<PhaseEntry>& list) {
    std::vector<std::string> out;
    for (const auto& e : list) out.push_back(e.text);
    return out;
  }

  PhaseLists lists;
  TParser sid;
  DescriptionSettings run;
  FakeDialogs dialogs;
  PhaseDescription description{lists, sid, run, dialogs};
};

}  // namespace

TEST_F(PhaseDescriptionTest, TypicalDescription) {
  ASSERT_TRUE(parse("% liquid and solid solutions\r\n"
                    "W=12000-5*T\r\n"
                    "GL=X*(1-X)*W-T*Sid\r\n"
                    "GS=2000-1.5*T+X*(1-X)*(W+3000)-T*Sid ...\r\n"
                    "   +500*X\r\n"
                    "X=0.5;GC1=-900+T\r\n"
                    "#XCAP=Mole fraction of B\r\n"));
  EXPECT_EQ(names(lists.SolutionPhases), (std::vector<std::string>{"L", "S"}));
  EXPECT_EQ(names(lists.Variables), (std::vector<std::string>{"W"}));
  EXPECT_EQ(names(lists.PointPhases), (std::vector<std::string>{"0.5"}));
  EXPECT_EQ(lists.SolutionPhases[1].parser->Expression(),
            "2000-1.5*T+X*(1-X)*(W+3000)-T*Sid+500*X");
  EXPECT_EQ(run.XCaption, "Mole fraction of B");
  EXPECT_EQ(run.Xmin, 0);
  EXPECT_EQ(run.Xmax, 1);
  EXPECT_EQ(run.TValue, 300);
  // W at parse time: 12000-5*300, given to the phases that follow it.
  ASSERT_EQ(lists.VariableValues.size(), 1u);
  EXPECT_EQ(lists.VariableValues[0], 10500);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(PhaseDescriptionTest, PointPhaseLines) {
  struct Case {
    const char* text;
    bool accepted;
    int points;
    const char* warning;
  };
  const Case cases[] = {
      {"GL=X\r\nX=0.5;GC1=-900+T", true, 1, nullptr},
      {"GL=X\r\nGC1=-900+T;X=0.5", true, 1, nullptr},
      {"GL=X\r\nX=1;GC1=0", true, 1, nullptr},
      {"GL=X\r\nX=0;GC1=0", true, 1, nullptr},
      {"GL=X\r\nX=0.5;GC1=", true, 0, nullptr},
      {"GL=X\r\nX=0.2;X=0.7;GC1=1", true, 1, nullptr},
      {"GL=X\r\nGC1=-900", false, 0, "Point phase concentration is invalid or not defined"},
      {"GL=X\r\nX=1.2;GC1=0", false, 0, "Point phase concentration is invalid or not defined"},
      {"GL=X\r\nX=0.5;", false, 0,
       "Gibbs energy expression for point phase is invalid or not defined"},
  };
  for (const auto& c : cases) {
    dialogs.calls.clear();
    EXPECT_EQ(parse(c.text), c.accepted) << c.text;
    EXPECT_EQ(lists.PointPhases.size(), static_cast<std::size_t>(c.points)) << c.text;
    if (c.warning) {
      ASSERT_EQ(dialogs.calls.size(), 1u) << c.text;
      EXPECT_EQ(dialogs.calls[0].kind, "warning");
      EXPECT_EQ(dialogs.calls[0].text, c.warning);
    } else {
      EXPECT_TRUE(dialogs.calls.empty()) << c.text;
    }
  }
  ASSERT_TRUE(parse("GL=X\r\nX=0.2;X=0.7;GC1=1"));
  EXPECT_EQ(lists.PointPhases[0].text, "0.2");  // the first X piece counts
}

TEST_F(PhaseDescriptionTest, VariablesReachOnlyThePhasesBelowThem) {
  ASSERT_TRUE(parse("K=1\r\nGL=K*X\r\nM=2\r\nGS=K+M*X"));
  TParser& s = *lists.SolutionPhases[1].parser;
  EXPECT_EQ(s.Value(), 1 + 2 * 0.5);
  EXPECT_THROW(parse("GL=M*X\r\nM=2"), ESyntaxError);
  ASSERT_TRUE(parse("R=1\r\nGL=R"));
  EXPECT_EQ(lists.SolutionPhases[0].parser->Value(), 1);
}

TEST_F(PhaseDescriptionTest, EvaluatorErrorsPropagate) {
  EXPECT_THROW_MSG(parse("K=1/(X-0.5)\r\nGL=K"), EZeroDivide,
                   "Floating point division by zero");
  EXPECT_THROW(parse("GL=X*LNX"), ESyntaxError);
  EXPECT_TRUE(parse("GL=X*LN(X)"));
  EXPECT_THROW_MSG(parse("GL-1=0"), EBadName, "L-1");
  EXPECT_THROW_MSG(parse("2K=1\r\nGL=X"), EBadName, "2K");
}

TEST_F(PhaseDescriptionTest, DirectivesTakeNumbers) {
  ASSERT_TRUE(parse("#XMIN = 0,2\r\n#xmax=0.8\r\nP = 5\r\nt=1000\r\n#YCAP=T, K\r\nGL=X"));
  EXPECT_EQ(run.Xmin, 0.2);
  EXPECT_EQ(run.Xmax, 0.8);
  EXPECT_EQ(run.PValue, 5);
  EXPECT_EQ(run.TValue, 1000);
  EXPECT_EQ(run.YCaption, "T, K");
  ASSERT_TRUE(parse("#XMIN=abc\r\nT=2*R\r\nGL=X"));
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[0].text, "Invalid number: abc");
  EXPECT_EQ(dialogs.calls[1].text, "Invalid number: 2*R");
  EXPECT_EQ(run.Xmin, 0);  // a refused number leaves the setting as it was
  EXPECT_EQ(run.TValue, 300);
}

TEST_F(PhaseDescriptionTest, ContinuationCommentsAndClassification) {
  ASSERT_TRUE(parse("GS=1000 ...\r\n+T\r\nGL=5 ..."));
  EXPECT_EQ(lists.SolutionPhases[0].parser->Expression(), "1000+T");
  EXPECT_EQ(lists.SolutionPhases[1].parser->Expression(), "5");
  ASSERT_TRUE(parse("GL=1 ... % joined\r\n% comment only\r\nGAMMA=2\r\nGSUM=2\r\nQ\r\nGV=X"));
  EXPECT_EQ(names(lists.SolutionPhases), (std::vector<std::string>{"L", "SUM", "V"}));
  EXPECT_EQ(names(lists.Variables), (std::vector<std::string>{"GAMMA"}));
  ASSERT_TRUE(parse("GL=\r\nSID=0"));
  EXPECT_EQ(lists.SolutionPhases[0].parser->Expression(), "");
  EXPECT_EQ(sid.Expression(), "0");
}
