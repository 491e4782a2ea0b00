#include "workbench/RunFixture.h"

#include "base/NumberText.h"

#include <cmath>
#include <functional>

class TextbookRunTest : public RunFixture {};

namespace {

constexpr double kR = 8.31441;

// The root of f in [a, b] by bisection; f(a) and f(b) differ in sign.
double bisect(const std::function<double(double)>& f, double a, double b) {
  double fa = f(a);
  for (int i = 0; i < 200; ++i) {
    const double m = 0.5 * (a + b);
    const double fm = f(m);
    if ((fm < 0) == (fa < 0)) {
      a = m;
      fa = fm;
    } else {
      b = m;
    }
  }
  return 0.5 * (a + b);
}

}  // namespace

// A regular solution W*X*(1-X) - T*Sid: the gap edges follow the binodal
// ln(X/(1-X)) = W(2X-1)/(RT), and the gap closes at W/(2R).
TEST_F(TextbookRunTest, MiscibilityGapFollowsTheBinodal) {
  const double W = 20000;
  load({"GS=20000*X*(1-X)-T*Sid", 300, 1400, 110, 200});
  view.chart = false;
  view.mosaic = false;
  bench.sbRunClick();
  const double dX = bench.run().dX;
  const double dY = bench.run().dY;
  const auto& ties = bench.tiePoints();
  const int tieHigh = bench.run().TieHigh;
  ASSERT_GT(tieHigh, 10);
  double highestGap = -1;
  for (int i = 0; i + 1 <= tieHigh; i += 2) {
    const double T = ties[static_cast<std::size_t>(i)].Y;
    const double right = ties[static_cast<std::size_t>(i)].X;
    const double left = ties[static_cast<std::size_t>(i) + 1].X;
    highestGap = std::max(highestGap, T);
    const double binodal =
        bisect([&](double x) { return std::log(x / (1 - x)) - W * (2 * x - 1) / (kR * T); },
               1e-12, 0.5 - 1e-9);
    EXPECT_NEAR(left, binodal, dX) << "T = " << T;
    EXPECT_NEAR(right, 1 - binodal, dX) << "T = " << T;
  }
  const double top = W / (2 * kR);
  EXPECT_LE(highestGap, top);
  EXPECT_GE(highestGap, top - dY);
}

// Nearly immiscible solids and an ideal liquid: the eutectic node lies where both liquidus
// curves of the pure solids meet.
TEST_F(TextbookRunTest, SimpleEutecticNodeAtTheEutecticLevel) {
  const double HA = 15000, TA = 1000, HB = 15000, TB = 900;
  load({"HA=15000*(1-T/1000)\r\nHB=15000*(1-T/900)\r\n"
        "GL=(1-X)*HA+X*HB-T*Sid\r\nGS=60000*X*(1-X)-T*Sid",
        400, 1100, 140, 200});
  view.chart = false;
  bench.sbRunClick();
  const double dY = bench.run().dY;
  const double eutectic = bisect(
      [&](double T) {
        const double xA = 1 - std::exp(-HA / kR * (1 / T - 1 / TA));  // liquid X on A's side
        const double xB = std::exp(-HB / kR * (1 / T - 1 / TB));      // liquid X on B's side
        return xA - xB;
      },
      450, 899);
  ASSERT_EQ(bench.analysis().NodeList.size(), 1u);
  const TNode& node = bench.analysis().NodeList[0];
  EXPECT_NEAR(node.Y, eutectic, dY) << "computed eutectic " << eutectic;
  EXPECT_LT(node.XLeft, node.X);
  EXPECT_LT(node.X, node.XRight);
}

TEST_F(TextbookRunTest, SteppedAndUnsteppedScansAgree) {
  const RunProblem typical{
      "W=12000-5*T\r\nGL=X*(1-X)*W-T*Sid\r\nGS=2000-1.5*T+X*(1-X)*(W+3000)-T*Sid+500*X\r\n"
      "X=0.5;GC1=-900+T",
      300, 1500, 40, 50};
  load(typical);
  bench.sbRunClick();
  const PhaseGrid whole = bench.grid();
  const TaTZpoint wholeTies(bench.tiePoints().begin(), bench.tiePoints().end());
  const int wholeHigh = bench.run().TieHigh;

  view.step = true;
  view.diagramEnabled = false;
  int clicks = 0;
  while (!view.diagramEnabled && clicks < 100) {
    bench.sbRunClick();
    ++clicks;
  }
  EXPECT_EQ(clicks, 40);
  const PhaseGrid& stepped = bench.grid();
  ASSERT_EQ(stepped.rowCount(), whole.rowCount() - 1);  // the level at Ymin is not computed
  for (int r = 0; r < stepped.rowCount(); ++r)
    for (int c = 0; c < whole.colCount(); ++c)
      ASSERT_EQ(stepped.cell(c, r), whole.cell(c, r)) << c << "," << r;
  const int steppedHigh = bench.run().TieHigh;
  ASSERT_LE(steppedHigh, wholeHigh);
  for (int i = 0; i <= steppedHigh; ++i) {
    const auto& a = bench.tiePoints()[static_cast<std::size_t>(i)];
    const auto& b = wholeTies[static_cast<std::size_t>(i)];
    EXPECT_EQ(a.X, b.X);
    EXPECT_EQ(a.Y, b.Y);
    EXPECT_EQ(a.Name, b.Name);
    EXPECT_EQ(a.Col, b.Col);
  }
  for (int i = steppedHigh + 1; i <= wholeHigh; ++i)
    EXPECT_EQ(wholeTies[static_cast<std::size_t>(i)].Y, 300);
}
