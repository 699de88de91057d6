#include "drawing/device_pixels.h"
#include "drawing/legible.h"
#include "support/named_rows.h"

#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <vector>

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

// At every device pixel along the longer extent, a dot's square: a diagonal
// of ten device pixels is eleven squares, a steeper line one a row.
TEST(SlantedTest, ASlantedSegmentIsADotsSquareAtEveryDevicePixelAlongIt) {
    const DeviceGrid grid(96.0 / 1440, 1, 40, 30);
    std::vector<DeviceRect> diagonal;
    for (int i = 0; i <= 10; ++i)
        diagonal.push_back({i, i, i + 1, i + 1});
    EXPECT_EQ(grid.Slanted(0, 0, 150, 150), diagonal);
    EXPECT_EQ(grid.Slanted(0, 0, 15, 45),
              (std::vector<DeviceRect>{{0, 0, 1, 1}, {0, 1, 1, 2}, {0, 2, 1, 3}, {1, 3, 2, 4}}));
    // At 2, squares of two, centred: the first covers the pixel before the start.
    EXPECT_EQ(DeviceGrid(96.0 / 1440, 2, 40, 30).Slanted(15, 15, 22.5, 30),
              (std::vector<DeviceRect>{{1, 1, 3, 3}, {2, 2, 4, 4}, {2, 3, 4, 5}}));
    // Clipped to the surface; nothing for a line beyond it or not a number.
    EXPECT_EQ(grid.Slanted(-15, 405, 15, 465), (std::vector<DeviceRect>{{0, 29, 1, 30}}));
    EXPECT_TRUE(grid.Slanted(1000, 0, 1100, 100).empty());
    EXPECT_TRUE(grid.Slanted(0, 0, std::numeric_limits<double>::quiet_NaN(), 10).empty());
    EXPECT_TRUE(grid.Slanted(0, 0, std::numeric_limits<double>::infinity(), 10).empty());
}

// A narrow screen's canvas: its size in device pixels as the browser gives
// it, whatever fraction of a CSS pixel that is, and the dot under a position.
TEST(DeviceGridTest, AGridOfDevicePixelsKeepsTheirNumberAndPlacesDotsOnThem) {
    // 1008 device pixels at 3 for the 10000 twips of the drawing.
    const auto grid = DeviceGrid::OfDevicePixels(1008 / 3.0 / 10000, 3, 1008, 1008);
    EXPECT_EQ(grid.deviceWidth(), 1008);
    EXPECT_EQ(grid.deviceHeight(), 1008);
    EXPECT_EQ(grid.Dot(4000, 6880), (DeviceRect{403, 693, 406, 696}));
    EXPECT_EQ(grid.Dot(9999, 0), (DeviceRect{1007, 0, 1008, 3}));
    EXPECT_EQ(grid.Dot(10000, 0), std::nullopt);
    EXPECT_EQ(DeviceGrid::OfDevicePixels(0.1, 2.625, 1079, 1079).deviceWidth(), 1079);
}

TEST(RgbOfTest, ThePlatformsBlueGreenRedIsRedGreenBlue) {
    EXPECT_EQ(RgbOf(0x000080), 0x800000U); // QBColor(4), the frame's dark red
    EXPECT_EQ(RgbOf(0xFF0000), 0x0000FFU);
    EXPECT_EQ(RgbOf(0x123456), 0x563412U);
    EXPECT_EQ(DotPixels(1.25), 1);
    EXPECT_EQ(DotPixels(1.5), 2);
    EXPECT_EQ(DotPixels(2.625), 3);
    EXPECT_EQ(DotPixels(0.5), 1);
}

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
