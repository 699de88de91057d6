#include "model/fault_status.h"
#include "model/run_error.h"
#include "model/stepped_loop.h"
#include "support/named_rows.h"
#include "support/raised.h"

#include <gtest/gtest.h>

namespace hc {
namespace {

struct LoopRow {
    const char* name;
    float start;
    float end;
    float step;
    int passes;
    float lastProcessed;
    float after;
};

class SteppedLoopTest : public testing::TestWithParam<LoopRow> {};

TEST_P(SteppedLoopTest, CountsPassesOverAccumulatedBinary32Steps) {
    const auto& row = GetParam();
    ClearFaults();
    float x = 123;
    int passes = 0;
    float last = x;
    SteppedLoop(x, row.start, row.end, row.step, [&] {
        ++passes;
        last = x;
    });
    EXPECT_EQ(passes, row.passes);
    if (row.passes > 0) {
        EXPECT_EQ(last, row.lastProcessed);
    }
    EXPECT_EQ(x, row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SteppedLoopTest,
    testing::Values(
        // Last processed about 1.9999627, after about 2.0019627.
        LoopRow{"DemonstrationRange", -2, 2, 0.002f, 2001, 0x1.fffd8ep0f, 0x1.00405p1f},
        // About −1.77e-6 and 0.0049982.
        LoopRow{"LeftBranchOfTwo", -2, 0, 0.005f, 401, -0x1.dap-20f, 0x1.479074p-8f},
        // The accumulated value passes 0 at about 9.6e-6 on what would have been pass 501.
        LoopRow{"LeftBranchOfTwoAndHalf", -2.5f, 0, 0.005f, 500, -0x1.470d94p-8f, 0x1.41p-17f},
        LoopRow{"StartBeyondEnd", 2, 0, 0.005f, 0, 0, 2},
        LoopRow{"SinglePassAtEnd", 0, 0, 0.005f, 1, 0, 0x1.47ae14p-8f},
        LoopRow{"NegativeStep", 1, 0, -0.25f, 5, 0, -0.25f}),
    [](const auto& info) { return info.param.name; });

TEST(SteppedLoopStallTest, AStepLostInRoundingRaisesInsteadOfLoopingForever) {
    ClearFaults();
    float x = 0;
    int passes = 0;
    // 0.005 is less than half the binary32 spacing at 200000 (0.015625).
    const auto error = Raised([&] { SteppedLoop(x, -200000.0f, 0.0f, 0.005f, [&] { ++passes; }); });
    ASSERT_TRUE(error) << "the loop ended";
    EXPECT_EQ(error->kind(), ErrorKind::LoopStalled);
    EXPECT_EQ(passes, 1);
    EXPECT_EQ(x, -200000.0f);
}

TEST(SteppedLoopStallTest, CoarseButMovingStepsStillRun) {
    ClearFaults();
    float x = 0;
    int passes = 0;
    // Just below 131072 the spacing is 1/128: each 0.005 rounds up to a full spacing.
    SteppedLoop(x, -131072.0f, -131071.0f, 0.005f, [&] { ++passes; });
    EXPECT_EQ(passes, 129);
}

} // namespace
} // namespace hc
