#include "drawing/demonstrations.h"
#include "drawing/sweep.h"
#include "model/fault_status.h"
#include "model/run_error.h"
#include "model/sheet.h"
#include "support/raised.h"
#include "support/recording_surface.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace hc {
namespace {

class SweepTest : public testing::Test {
  protected:
    void SetUp() override {
        ClearFaults();
        ResetSheet(sheet);
        sheet.K = 800;
    }
    Sheet sheet;
    RecordingSurface surface;
};

TEST_F(SweepTest, CubeDemonstrationSetsTwoThousandAndOneDots) {
    PlotCube(sheet, surface);
    const auto dots = surface.Dots();
    ASSERT_EQ(dots.size(), 2001U);
    EXPECT_EQ(dots.front(), (Dot{2400, 14400})); // world (−2, −8), below the plot area
    // World x about 1.9999627, and its cube.
    EXPECT_EQ(dots.back(), (Dot{0x1.5dff86p12f, 0x1.9016ecp10f}));
    EXPECT_EQ(sheet.X, 0x1.00405p1f); // about 2.0019627
    EXPECT_EQ(sheet.K, 800);
}

TEST_F(SweepTest, SquareDemonstrationTouchesTheXAxisAtTheOrigin) {
    PlotSquare(sheet, surface);
    const auto dots = surface.Dots();
    ASSERT_EQ(dots.size(), 2001U);
    const float lowest =
        std::max_element(dots.begin(), dots.end(), [](Dot a, Dot b) { return a.y < b.y; })->y;
    EXPECT_EQ(lowest, 8000.0f);
    for (const Dot& dot : dots) {
        if (dot.y == 8000.0f) {
            EXPECT_NEAR(dot.x, 4000, 2) << "a dot on the axis away from the origin";
        }
    }
    EXPECT_EQ(dots.front(), (Dot{2400, 4800})); // world (−2, 4)
}

TEST_F(SweepTest, PressingADemonstrationAgainAddsTheSameDotsWithoutErasing) {
    PlotCube(sheet, surface);
    const auto first = surface.Dots();
    PlotCube(sheet, surface);
    const auto both = surface.Dots();
    ASSERT_EQ(both.size(), 2 * first.size());
    EXPECT_TRUE(std::equal(first.begin(), first.end(), both.begin() + first.size()));
    const auto ops = surface.Ops();
    EXPECT_EQ(std::count(ops.begin(), ops.end(), "Cls"), 0);
}

TEST_F(SweepTest, OrdinateBeyondBinary32FailsAfterTheXSumKeepingEarlierDots) {
    int pass = 0;
    const Curve steep = [&](float) { return ++pass < 3 ? 1.0 : 4.3e35; };
    const auto error = Raised([&] { Sweep(sheet, surface, steep, 0, 1, 0.25f); });
    ASSERT_TRUE(error) << "no error";
    EXPECT_EQ(error->kind(), ErrorKind::ArithmeticFault);
    EXPECT_EQ(error->step(), Step::Sweep);
    EXPECT_EQ(surface.Dots().size(), 2U);
    // The surface y itself was a finite double: only its binary32 rounding overflowed.
    EXPECT_EQ(PendingFaults(), kFloatOverflow);
    EXPECT_EQ(sheet.X, 0.5f);
}

TEST_F(SweepTest, OrdinateJustInsideBinary32IsStillPlotted) {
    const Curve steep = [](float) { return 4.2e35; };
    Sweep(sheet, surface, steep, 0, 0, 1);
    ASSERT_EQ(surface.Dots().size(), 1U);
    EXPECT_EQ(surface.Dots()[0].y, -0x1.f98e7ep127f); // 8000 − 4.2e35 · 800
}

TEST_F(SweepTest, AFailingPSetStopsTheSweep) {
    surface.failing = Step::PSet;
    const auto error = Raised([&] { PlotSquare(sheet, surface); });
    ASSERT_TRUE(error) << "no error";
    EXPECT_EQ(error->kind(), ErrorKind::ObjectCallFailed);
    EXPECT_EQ(error->step(), Step::PSet);
    EXPECT_EQ(surface.calls.size(), 1U);
    EXPECT_EQ(sheet.X, -2.0f);
}

TEST_F(SweepTest, ASweepStartingBeyondItsEndDrawsNothingAndKeepsX) {
    Sweep(sheet, surface, Square, 2, 0, 0.005f);
    EXPECT_TRUE(surface.calls.empty());
    EXPECT_EQ(sheet.X, 2.0f);
}

} // namespace
} // namespace hc
