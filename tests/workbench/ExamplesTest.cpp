#include "workbench/Workbench.h"

#include "problem/ProblemView.h"
#include "support/FakeDialogs.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>

namespace {

constexpr double kR = 8.31441;

double bisect(const std::function<double(double)>& f, double a, double b) {
  const bool negativeAtA = f(a) < 0;
  for (int i = 0; i < 200; ++i) {
    const double m = 0.5 * (a + b);
    ((f(m) < 0) == negativeAtA ? a : b) = m;
  }
  return 0.5 * (a + b);
}

// Runs one problem of the bundled example database headless, as vantle-cli run does.
class ExamplesTest : public ::testing::Test {
 protected:
  void run(const std::string& name) {
    const std::string db = std::string(testpaths::kExamplesDir) + "/Problems.d";
    if (!std::filesystem::exists(db)) FAIL() << "missing " << db;
    bench.openDatabase(db);
    ProblemTable& table = bench.table();
    for (int i = 0; i < table.recordCount(); ++i)
      if (table.nameAt(i) == name) table.moveTo(i);
    ASSERT_EQ(table.asString("ProblemName"), name);
    bench.sbRunClick();
    ASSERT_FALSE(bench.run().PrepareFailed);
    ASSERT_LT(std::fabs(bench.run().Ycur - bench.run().Ymin), 1e-11) << "the scan did not finish";
    EXPECT_TRUE(dialogs.calls.empty()) << dialogs.calls.front().text;
  }
  const TNodeList& nodes() { return bench.analysis().NodeList; }
  double dY() { return bench.run().dY; }

  FakeDialogs dialogs;
  NullProblemView view;
  Workbench bench{dialogs, view};
};

// Liquidus of a pure solid against an ideal liquid: X of the liquid on the A side and B side.
double liquidusA(double H, double Tm, double T) { return 1 - std::exp(-H / kR * (1 / T - 1 / Tm)); }
double liquidusB(double H, double Tm, double T) { return std::exp(-H / kR * (1 / T - 1 / Tm)); }

}  // namespace

TEST_F(ExamplesTest, IdealLensHasNoNode) {
  run("Ideal lens");
  EXPECT_TRUE(nodes().empty());
  EXPECT_GT(bench.run().TieHigh, 0);
}

TEST_F(ExamplesTest, MiscibilityGapClosesAtWOverTwoR) {
  run("Miscibility gap");
  EXPECT_TRUE(nodes().empty());
  double top = 0;
  for (int i = 0; i <= bench.run().TieHigh; ++i)
    top = std::max(top, bench.tiePoints()[static_cast<std::size_t>(i)].Y);
  EXPECT_NEAR(top, 20000 / (2 * kR), dY());
}

TEST_F(ExamplesTest, SimpleEutecticMeetsBothLiquidusCurves) {
  run("Simple eutectic");
  ASSERT_EQ(nodes().size(), 1u);
  const double eutectic = bisect(
      [](double T) { return liquidusA(15000, 1000, T) - liquidusB(15000, 900, T); }, 450, 899);
  EXPECT_NEAR(nodes()[0].Y, eutectic, dY());
  EXPECT_NEAR(nodes()[0].X, liquidusB(15000, 900, eutectic), 0.02);
}

TEST_F(ExamplesTest, LimitedSolubilityEutecticLiesBetweenTwoSolidSolutions) {
  run("Limited solubility");
  ASSERT_EQ(nodes().size(), 1u);
  EXPECT_GT(nodes()[0].XLeft, 0.01);  // alpha dissolves some B at the eutectic
  EXPECT_LT(nodes()[0].XRight, 0.99);
}

TEST_F(ExamplesTest, CongruentCompoundHasTwoEutecticsAndAMaximum) {
  run("Congruent compound");
  ASSERT_EQ(nodes().size(), 2u);
  for (const TNode& node : nodes()) EXPECT_DOUBLE_EQ(node.X < 0.5 ? node.XRight : node.XLeft, 0.5);
  // The compound melts where its energy meets the liquid's at X = 0.5.
  const double melting = bisect(
      [](double T) {
        const double liquid = 6000 * (1 - T / 900) + 6000 * (1 - T / 800) - T * kR * std::log(2.0);
        return -5000 - liquid;
      },
      500, 1000);
  bool found = false;
  for (const SpecialPoint& p : bench.analysis().SpecialPoints)
    if (std::fabs(p.X - 0.5) < 1e-9 && std::fabs(p.Y - melting) <= dY()) found = true;
  EXPECT_TRUE(found) << "no special point at the melting point " << melting;
}

TEST_F(ExamplesTest, PeritecticCompoundDecomposesBelowItsMeltingPoint) {
  run("Peritectic");
  ASSERT_EQ(nodes().size(), 2u);
  // The higher node is the peritectic: the compound's column vanishes between liquid and B.
  const TNode& peritectic = nodes()[0].Y > nodes()[1].Y ? nodes()[0] : nodes()[1];
  EXPECT_DOUBLE_EQ(peritectic.X, 0.5);
  EXPECT_LT(peritectic.XLeft, 0.5);
  EXPECT_DOUBLE_EQ(peritectic.XRight, 1);
}

TEST_F(ExamplesTest, PressureLensClosesWherePureAFreezes) {
  run("Pressure lens");
  EXPECT_TRUE(nodes().empty());
  // At 1300 K pure A freezes where 12000*(1-1300/1200) + 0.2*P = 0.
  bool found = false;
  for (const SpecialPoint& p : bench.analysis().SpecialPoints)
    if (p.X == 0 && std::fabs(p.Y - 5000) <= dY()) found = true;
  EXPECT_TRUE(found);
}

TEST_F(ExamplesTest, FreeAxisGapOpensAtTwoRTOverW) {
  run("Free axis gap");
  double lowest = 2;
  for (int i = 0; i <= bench.run().TieHigh; ++i)
    lowest = std::min(lowest, bench.tiePoints()[static_cast<std::size_t>(i)].Y);
  EXPECT_NEAR(lowest, 2 * kR * 1000 / 40000, dY());
}

// The Pb-Sn assessment imported from its TDB file: a common-tangent calculation of the same model
// outside the program puts its eutectic at 454.562 K, the liquid at X = 0.73733 and the two solid
// solutions at 0.26321 and 0.97552; the grid finds them within a step.
TEST_F(ExamplesTest, PbSnEutecticIsTheAssessment) {
  run("Pb-Sn");
  ASSERT_EQ(nodes().size(), 1u);
  const double dX = 1.0 / 200;
  EXPECT_NEAR(nodes()[0].Y, 454.562, dY());
  EXPECT_NEAR(nodes()[0].X, 0.73733, dX);
  EXPECT_NEAR(nodes()[0].XLeft, 0.26321, dX);
  EXPECT_NEAR(nodes()[0].XRight, 0.97552, dX);
}

TEST_F(ExamplesTest, TypicalRunsToTheEnd) {
  run("Typical");
  EXPECT_EQ(nodes().size(), 1u);
}
