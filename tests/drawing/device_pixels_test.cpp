#include "drawing/device_pixels.h"
#include "drawing/legible.h"
#include "support/named_rows.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>

namespace hc {
namespace {

struct DotRow {
    const char* name;
    double ratio;
    double x; // twips
    double y;
    std::optional<DeviceRect> square;
};

class DeviceGridTest : public testing::TestWithParam<DotRow> {};

// A surface of 40 × 30 device-independent pixels at 96 dpi (15 twips to the pixel).
TEST_P(DeviceGridTest, ADotIsOneWholeSquareFromTheDevicePixelUnderIt) {
    const DotRow& row = GetParam();
    EXPECT_EQ(DeviceGrid(96.0 / 1440, row.ratio, 40, 30).Dot(row.x, row.y), row.square);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DeviceGridTest,
    testing::Values(DotRow{"AtOne", 1, 150, 300, DeviceRect{10, 20, 11, 21}},
                    DotRow{"AtTwo", 2, 150, 300, DeviceRect{20, 40, 22, 42}},
                    // 10.5 · 1.25 = 13.125: the device pixel under it, not the scaled corner 12.5.
                    DotRow{"AtOneAndAQuarter", 1.25, 157.5, 300, DeviceRect{13, 25, 14, 26}},
                    DotRow{"AtOneAndAHalfTwoPixels", 1.5, 157.5, 300, DeviceRect{15, 30, 17, 32}},
                    DotRow{"AtTwoAndAQuarterStillTwo", 2.25, 150, 300, DeviceRect{22, 45, 24, 47}},
                    // The last device row of 30 · 1.5 = 45: the square is cut at the edge.
                    DotRow{"ClippedAtTheEdge", 1.5, 150, 449, DeviceRect{15, 44, 17, 45}},
                    DotRow{"BelowTheSurface", 1, 150, 450, std::nullopt},
                    DotRow{"LeftOfIt", 1, -0.5, 10, std::nullopt},
                    DotRow{"NotANumber", 1, std::numeric_limits<double>::quiet_NaN(), 10,
                           std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeviceGridTest, TheDeviceSizeIsTheNearestWholePixel) {
    const DeviceGrid grid(96.0 / 1440, 1.25, 467, 667);
    EXPECT_EQ(grid.deviceWidth(), 584);  // 583.75
    EXPECT_EQ(grid.deviceHeight(), 834); // 833.75
}

struct SegmentRow {
    const char* name;
    double ratio;
    double x1, y1, x2, y2; // twips
    std::optional<DeviceRect> pixels;
};

class SegmentTest : public testing::TestWithParam<SegmentRow> {};

// The frame's lines in a browser: as wide as a dot, both ends set.
TEST_P(SegmentTest, ASegmentIsAsWideAsADotWithBothEnds) {
    const SegmentRow& row = GetParam();
    EXPECT_EQ(DeviceGrid(96.0 / 1440, row.ratio, 667, 667).Segment(row.x1, row.y1, row.x2, row.y2),
              row.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SegmentTest,
    testing::Values(
        // The x axis: device row 533.3, columns 0 to 533.3.
        SegmentRow{"XAxisAtOne", 1, 0, 8000, 8000, 8000, DeviceRect{0, 533, 534, 534}},
        SegmentRow{"XAxisAtTwo", 2, 0, 8000, 8000, 8000, DeviceRect{0, 1066, 1068, 1068}},
        // A tick at 1.25: rows 658.3 to 666.7 of column 200.
        SegmentRow{"TickAtOneAndAQuarter", 1.25, 2400, 8000, 2400, 7900,
                   DeviceRect{200, 658, 201, 667}},
        SegmentRow{"Slanted", 1, 0, 0, 100, 100, std::nullopt},
        SegmentRow{"BeyondTheSurface", 1, 11000, 0, 11000, 100, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShadeRow {
    const char* name;
    Rgb colour;
    Rgb background;
    Rgb shown;
};

class LegibleTest : public testing::TestWithParam<ShadeRow> {};

TEST_P(LegibleTest, ALineStandsOutThreeToOneByTheLeastChange) {
    EXPECT_EQ(Legible(GetParam().colour, GetParam().background), GetParam().shown);
}

// The shades Qt's own QColor gives by the same steps: both shells show the
// desktop's colours.
INSTANTIATE_TEST_SUITE_P(
    Rows, LegibleTest,
    testing::Values(ShadeRow{"FrameOnALightWindow", 0x800000, 0xEFEFEF, 0x800000},
                    ShadeRow{"FrameOnADarkWindow", 0x800000, 0x202020, 0xD80000},
                    ShadeRow{"FrameOnBlack", 0x800000, 0x000000, 0xB80000},
                    ShadeRow{"BlueOnADarkWindow", 0x0000FF, 0x202020, 0x4F4FFF},
                    ShadeRow{"YellowOnWhiteDarkens", 0xFFFF00, 0xFFFFFF, 0x9A9A00}),
    [](const auto& info) { return std::string(info.param.name); });

// Each colour drawn, once, from its shade on the old window to its shade on
// the new, and back: the shades of the rows above.
TEST(DrawingColoursTest, ANewThemeMovesEveryColourDrawnToItsNewShade) {
    using Pairs = std::vector<std::pair<Rgb, Rgb>>;
    DrawingColours colours(0xFFFFFF, 0x000000);
    EXPECT_EQ(colours.Line(0x800000), 0x800000U);
    EXPECT_EQ(colours.Line(0x0000FF), 0x0000FFU);
    EXPECT_EQ(colours.Line(0x800000), 0x800000U);
    EXPECT_EQ(colours.Change(0x202020, 0xE0E0E0), (Pairs{{0xFFFFFF, 0x202020},
                                                         {0x000000, 0xE0E0E0},
                                                         {0x800000, 0xD80000},
                                                         {0x0000FF, 0x4F4FFF}}));
    EXPECT_EQ(colours.Line(0x800000), 0xD80000U);
    EXPECT_EQ(colours.Change(0xFFFFFF, 0x000000), (Pairs{{0x202020, 0xFFFFFF},
                                                         {0xE0E0E0, 0x000000},
                                                         {0xD80000, 0x800000},
                                                         {0x4F4FFF, 0x0000FF}}));
}

} // namespace
} // namespace hc
