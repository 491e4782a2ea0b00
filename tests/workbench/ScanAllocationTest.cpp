#include "workbench/RunFixture.h"
#include "support/CountingNew.h"

namespace {

class ScanAllocationTest : public RunFixture {
 protected:
  long allocationsOfAScan(int xPoints, int yPoints) {
    view.chart = false;
    view.mosaic = false;
    load({"W=12000-5*T\r\nGL=X*(1-X)*W-T*Sid\r\n"
                "GS=2000-1.5*T+X*(1-X)*(W+3000)-T*Sid+500*X\r\nX=0.5;GC1=-900+T",
          300, 1500, yPoints, xPoints});
    const long before = g_allocations;
    bench.sbRunClick();
    return g_allocations - before;
  }
};

}  // namespace

// What a scan allocates grows with the levels and the tie lines, never with the points of a
// level: ten times the columns costs about the same.
TEST_F(ScanAllocationTest, NothingIsAllocatedPerPoint) {
  const long narrow = allocationsOfAScan(50, 200);
  const long wide = allocationsOfAScan(500, 200);
  RecordProperty("narrow", static_cast<int>(narrow));
  RecordProperty("wide", static_cast<int>(wide));
  EXPECT_LT(wide, narrow + 2000) << "narrow " << narrow << ", wide " << wide;
  EXPECT_LT(wide, 20 * 200 + 5000);
}
