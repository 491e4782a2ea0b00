#include "workbench/RunFixture.h"

#include <atomic>
#include <cstdlib>
#include <new>

// Every allocation of this test program passes through here.
namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

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
