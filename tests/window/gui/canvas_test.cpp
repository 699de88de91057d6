#include "pixels.h"
#include "window/canvas.h"

#include <gtest/gtest.h>
#include <limits>

namespace hc {
namespace {

constexpr double kDpi = 96; // 15 twips to the pixel
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

TEST(CanvasTest, PointIsOneCrispPixelPerDeviceIndependentPixelAtTwoX) {
    Canvas canvas(kDpi, 2.0, kWhite, kBlack);
    canvas.Cover(QSize(50, 50), 2.0);
    const auto result = canvas.Point(QPointF(150, 300)); // pixel (10, 20)
    ASSERT_TRUE(result.ok);
    const QImage& image = canvas.image();
    ASSERT_EQ(image.size(), QSize(100, 100));
    EXPECT_EQ(CountPixels(image, qRgb(0, 0, 0)), 4);
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
            EXPECT_EQ(image.pixel(20 + dx, 40 + dy), qRgb(0, 0, 0));
}

TEST(CanvasTest, FrameLinesAreDrawnInTheirColourWithoutBlur) {
    Canvas canvas(kDpi, 1.0, kWhite, kBlack);
    canvas.Cover(QSize(50, 50), 1.0);
    ASSERT_TRUE(canvas.Line(QPointF(0, 300), QPointF(600, 300), QColor(128, 0, 0)).ok);
    EXPECT_EQ(CountPixels(canvas.image(), kFrameRed), 41);
    EXPECT_EQ(canvas.image().pixel(5, 20), kFrameRed);
    const int blurred = 50 * 50 - 41 - CountPixels(canvas.image(), qRgb(255, 255, 255));
    EXPECT_EQ(blurred, 0);
}

TEST(CanvasTest, DrawingOutsideTheAreaOrAtHugeCoordinatesChangesNothing) {
    Canvas canvas(kDpi, 1.0, kWhite, kBlack);
    canvas.Cover(QSize(50, 50), 1.0);
    const QImage before = canvas.image().copy();
    constexpr float kHuge = std::numeric_limits<float>::max();
    constexpr float kInf = std::numeric_limits<float>::infinity();
    EXPECT_TRUE(canvas.Point(QPointF(2400, 14400)).ok);
    EXPECT_TRUE(canvas.Point(QPointF(-kHuge, kHuge)).ok);
    EXPECT_TRUE(canvas.Point(QPointF(kInf, 0)).ok);
    EXPECT_TRUE(canvas.Line(QPointF(-kHuge, -kHuge), QPointF(-kHuge, kHuge), Qt::black).ok);
    EXPECT_TRUE(canvas.Line(QPointF(5000, 0), QPointF(9000, 0), Qt::black).ok);
    EXPECT_TRUE(canvas.Circle(QPointF(1e9f, 0), 300, Qt::black).ok);
    EXPECT_TRUE(canvas.Circle(QPointF(kHuge, 0), kHuge, Qt::black).ok);
    EXPECT_EQ(canvas.image(), before);
}

TEST(CanvasTest, AHugeLineThroughTheAreaIsClippedAndDrawn) {
    Canvas canvas(kDpi, 1.0, kWhite, kBlack);
    canvas.Cover(QSize(50, 50), 1.0);
    constexpr float kHuge = 1e30f;
    ASSERT_TRUE(canvas.Line(QPointF(-kHuge, 150), QPointF(kHuge, 150), Qt::black).ok);
    EXPECT_EQ(canvas.image().pixel(25, 10), qRgb(0, 0, 0));
}

TEST(CanvasTest, GrowingKeepsWhatIsDrawnAndShrinkingLosesNothing) {
    Canvas canvas(kDpi, 1.0, kWhite, kBlack);
    canvas.Cover(QSize(20, 20), 1.0);
    canvas.Point(QPointF(150, 150));
    canvas.Cover(QSize(10, 10), 1.0);
    canvas.Cover(QSize(40, 30), 1.0);
    EXPECT_EQ(canvas.image().size(), QSize(40, 30));
    EXPECT_EQ(canvas.image().pixel(10, 10), qRgb(0, 0, 0));
}

TEST(CanvasTest, ClearRemovesEverything) {
    Canvas canvas(kDpi, 1.0, kWhite, kBlack);
    canvas.Cover(QSize(20, 20), 1.0);
    canvas.Point(QPointF(150, 150));
    canvas.Clear();
    EXPECT_EQ(CountPixels(canvas.image(), qRgb(0, 0, 0)), 0);
}

} // namespace
} // namespace hc
