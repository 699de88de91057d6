#include "drawing/frame.h"
#include "model/sheet.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

namespace hc {
namespace {

constexpr Colour kDarkRed = 0x000080;

std::vector<Segment> ExpectedFrame() {
    std::vector<Segment> frame = {
        {0, 8000, 8000, 8000, kDarkRed}, // x axis along the bottom
        {4000, 8000, 4000, 0, kDarkRed}, // y axis up the middle
    };
    for (int i = 1; i <= 10; ++i) // world y = 1 … 10
        frame.push_back({4000, 8000.0f - 800.0f * i, 4100, 8000.0f - 800.0f * i, kDarkRed});
    for (int i = 1; i <= 10; ++i) // world x = −4 … 5
        frame.push_back({800.0f * i, 8000, 800.0f * i, 7900, kDarkRed});
    return frame;
}

TEST(DrawFrameTest, DrawsTheTwoAxesAndTwentyTicksInDarkRed) {
    Sheet sheet;
    ResetSheet(sheet);
    RecordingSurface surface;
    DrawFrame(sheet, surface);
    EXPECT_EQ(surface.Lines(), ExpectedFrame());
    EXPECT_EQ(surface.calls.size(), 22U);
    EXPECT_EQ(sheet.I, 11);
}

TEST(DrawFrameTest, TopTickMeetsTheTopOfTheYAxis) {
    Sheet sheet;
    ResetSheet(sheet);
    RecordingSurface surface;
    DrawFrame(sheet, surface);
    EXPECT_EQ(surface.Lines()[11].y1, 0.0f);
    EXPECT_EQ(surface.Lines()[1].y2, 0.0f);
}

TEST(DrawFrameTest, ClsThenFrameLeavesExactlyTheFrame) {
    Sheet sheet;
    ResetSheet(sheet);
    RecordingSurface surface;
    DrawFrame(sheet, surface);
    surface.PSet(100, 100);
    surface.Cls();
    DrawFrame(sheet, surface);
    const auto drawing = surface.Drawing();
    ASSERT_EQ(drawing.size(), 22U);
    for (const auto& call : drawing)
        EXPECT_EQ(call.op, "Line");
}

} // namespace
} // namespace hc
