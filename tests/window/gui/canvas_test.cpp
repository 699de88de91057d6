#include "commands/catenary_command.h"
#include "model/sheet.h"
#include "pixels.h"
#include "support/named_rows.h"
#include "support/recording_surface.h"
#include "window/canvas.h"

#include <QGuiApplication>
#include <QPainter>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace hc {
namespace {

constexpr double kDpi = 96; // 15 twips to the pixel
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

TEST(CanvasTest, PointIsOneCrispPixelPerDeviceIndependentPixelAtTwoX) {
    Canvas canvas(kDpi, 2.0, kWhite, kBlack);
    canvas.Cover(QSize(50, 50), 2.0);
    const auto result = canvas.Point(QPointF(150, 300)); // pixel (10, 20)
    ASSERT_TRUE(result);
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
    ASSERT_TRUE(canvas.Line(QPointF(0, 300), QPointF(600, 300), QColor(128, 0, 0)));
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
    EXPECT_TRUE(canvas.Point(QPointF(2400, 14400)));
    EXPECT_TRUE(canvas.Point(QPointF(-kHuge, kHuge)));
    EXPECT_TRUE(canvas.Point(QPointF(kInf, 0)));
    EXPECT_TRUE(canvas.Line(QPointF(5000, 0), QPointF(9000, 0), Qt::black));
    EXPECT_EQ(canvas.image(), before);
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

// A window that is resized while it starts, before anything is drawn, ends
// with an image of its final size alone (not the widest and tallest it was).
TEST(CanvasTest, ResizedBeforeAnythingIsDrawnTheImageIsTheLastSize) {
    Canvas canvas(kDpi, 2.0, kWhite, kBlack);
    canvas.Cover(QSize(495, 618), 2.0);
    canvas.Cover(QSize(467, 667), 2.0);
    ASSERT_TRUE(canvas.Line(QPointF(0, 300), QPointF(600, 300), QColor(128, 0, 0)));
    EXPECT_EQ(canvas.image().size(), QSize(934, 1334));
    EXPECT_EQ(canvas.image().pixel(10, 40), kFrameRed);
}

TEST(CanvasTest, ClearRemovesEverything) {
    Canvas canvas(kDpi, 1.0, kWhite, kBlack);
    canvas.Cover(QSize(20, 20), 1.0);
    canvas.Point(QPointF(150, 150));
    canvas.Clear();
    EXPECT_EQ(CountPixels(canvas.image(), qRgb(0, 0, 0)), 0);
}

class FractionalRatioTest : public testing::TestWithParam<double> {};

// Where logical pixels cover one or two device pixels in turn, every dot must
// still be the same square, and a line the same width all along.
TEST_P(FractionalRatioTest, DotsAreAllTheSameSquareAndLinesOneWidth) {
    const double ratio = GetParam();
    const int side = qRound(ratio);
    for (int x = 10; x < 20; ++x) {
        Canvas canvas(kDpi, ratio, kWhite, kBlack);
        canvas.Cover(QSize(40, 40), ratio);
        canvas.Point(QPointF(x * 15 + 7, 15 * 15 + 7)); // inside logical pixel (x, 15)
        const QImage& image = canvas.image();
        EXPECT_EQ(CountPixels(image, kBlack), side * side) << "dot at logical x " << x;
        // The square starts at the device pixel under the point.
        const int left = static_cast<int>((x + 7.0 / 15) * ratio);
        const int top = static_cast<int>((15 + 7.0 / 15) * ratio);
        EXPECT_EQ(image.pixel(left, top), kBlack) << "dot at logical x " << x;
        EXPECT_EQ(image.pixel(left + side - 1, top + side - 1), kBlack) << "dot at logical x " << x;
    }

    Canvas canvas(kDpi, ratio, kWhite, kBlack);
    canvas.Cover(QSize(40, 40), ratio);
    ASSERT_TRUE(canvas.Line(QPointF(0, 300), QPointF(600, 300), QColor(128, 0, 0)));
    const QImage image = canvas.image().convertToFormat(QImage::Format_ARGB32);
    for (int x = 0; x < static_cast<int>(30 * ratio); ++x) {
        int red = 0;
        for (int y = 0; y < image.height(); ++y) {
            const QRgb pixel = image.pixel(x, y);
            EXPECT_TRUE(pixel == kFrameRed || pixel == kWhite) << "blurred at " << x << ", " << y;
            red += pixel == kFrameRed ? 1 : 0;
        }
        EXPECT_EQ(red, side) << "column " << x;
    }
}

// The window paints from the image only where something is drawn, and the
// background elsewhere: what it shows must be the image, pixel for pixel,
// whatever was drawn (text whose ink reaches past its advance among it).
TEST_P(FractionalRatioTest, PaintingShowsTheImageExactly) {
    const double ratio = GetParam();
    Canvas canvas(kDpi, ratio, kWhite, kBlack);
    canvas.Cover(QSize(120, 90), ratio);
    // Apart, so that the drawn region keeps each: its bounds would hide a
    // part left out.
    canvas.Line(QPointF(900, 600), QPointF(1500, 600), QColor(128, 0, 0));
    canvas.Line(QPointF(1650, 300), QPointF(1650, 1200), QColor(128, 0, 0));
    canvas.Line(QPointF(900, 750), QPointF(1400, 1300), QColor(0, 0, 255));
    for (int i = 0; i < 8; ++i)
        canvas.Point(QPointF(100 + 97.3 * i, 1300 - 23.1 * i));
    canvas.Circle(QPointF(1200, 300), 150, QColor(0, 128, 0));
    QFont italic = QGuiApplication::font();
    italic.setPixelSize(18);
    italic.setItalic(true);
    canvas.PrintLine(QStringLiteral("fjf ƒ"), italic);

    QImage shown(canvas.image().size(), QImage::Format_RGB32);
    shown.setDevicePixelRatio(ratio);
    shown.fill(Qt::magenta);
    {
        QPainter painter(&shown);
        canvas.PaintOn(painter, QRegion(0, 0, 120, 90));
    }
    EXPECT_EQ(CountPixels(shown, qRgb(255, 0, 255)), 0);
    EXPECT_EQ(shown, canvas.image());
    // Cleared, and painted again: the background alone.
    canvas.Clear();
    {
        QPainter painter(&shown);
        canvas.PaintOn(painter, QRegion(0, 0, 120, 90));
    }
    EXPECT_EQ(CountPixels(shown, kWhite), shown.width() * shown.height());
}

INSTANTIATE_TEST_SUITE_P(Ratios, FractionalRatioTest,
                         testing::Values(1.0, 1.25, 1.5, 1.75, 2.0, 2.25), [](const auto& info) {
                             return "Ratio" + std::to_string(qRound(info.param * 100));
                         });

struct CurveRow {
    const char* name;
    double ratio;
    int supportColumn; // device columns of the left support (2400 twips) and the vertex (4000)
    int vertexColumn;
};

class WholeCurveTest : public testing::TestWithParam<CurveRow> {};

// The initial curve, as «Построить график Морвина» plots it, is unbroken at
// every ratio: each device column from the left support to the vertex holds ink.
TEST_P(WholeCurveTest, EveryDeviceColumnFromTheSupportToTheVertexHoldsADot) {
    Sheet sheet;
    ResetSheet(sheet);
    RecordingSurface surface;
    surface.texts = {{TextBox::Text1, "1.4"},
                     {TextBox::Text2, "2"},
                     {TextBox::Text3, "2.5"},
                     {TextBox::Text6, "3.3"}};
    CatenaryCommand(sheet, surface);

    const CurveRow& row = GetParam();
    Canvas canvas(kDpi, row.ratio, kWhite, kBlack);
    canvas.Cover(QSize(600, 600), row.ratio);
    for (const Dot& dot : surface.Dots())
        ASSERT_TRUE(canvas.Point(QPointF(dot.x, dot.y)));
    const QImage& image = canvas.image();
    std::vector<int> empty;
    for (int column = row.supportColumn; column <= row.vertexColumn; ++column) {
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; ++y)
            ink = image.pixel(column, y) == kBlack;
        if (!ink)
            empty.push_back(column);
    }
    EXPECT_TRUE(empty.empty()) << empty.size() << " empty columns, the first " << empty.front();
}

INSTANTIATE_TEST_SUITE_P(Ratios, WholeCurveTest,
                         testing::Values(CurveRow{"Ratio100", 1.0, 160, 266},
                                         CurveRow{"Ratio125", 1.25, 200, 333},
                                         CurveRow{"Ratio225", 2.25, 360, 600}),
                         [](const auto& info) { return info.param.name; });

// The frame's dark red stands out 1.5 : 1 from a dark window: it takes the
// least lighter shade that stands out 3 : 1, (216, 0, 0), and its own colour
// again on a light window.
TEST(CanvasTest, ANewThemeRecoloursTheBackgroundTheForegroundAndAFrameItWouldHide) {
    Canvas canvas(kDpi, 1.0, kWhite, kBlack);
    canvas.Cover(QSize(40, 40), 1.0);
    canvas.Point(QPointF(150, 150));
    canvas.Line(QPointF(0, 300), QPointF(600, 300), QColor(128, 0, 0));
    const QRgb darkWindow = 0xFF202020;
    const QRgb lightText = 0xFFE0E0E0;
    canvas.SetColours(darkWindow, lightText);
    const QImage& image = canvas.image();
    EXPECT_EQ(image.pixel(10, 10), lightText);
    EXPECT_EQ(image.pixel(5, 20), 0xFFD80000U);
    EXPECT_EQ(image.pixel(30, 5), darkWindow);
    EXPECT_EQ(CountPixels(image, kWhite), 0);
    canvas.Point(QPointF(450, 150));
    EXPECT_EQ(image.pixel(30, 10), lightText); // new dots in the new colour too
    canvas.Line(QPointF(0, 450), QPointF(600, 450), QColor(128, 0, 0));
    EXPECT_EQ(image.pixel(5, 30), 0xFFD80000U); // and new lines
    canvas.SetColours(kWhite, kBlack);
    EXPECT_EQ(canvas.image().pixel(5, 20), kFrameRed);
    EXPECT_EQ(canvas.image().pixel(5, 30), kFrameRed);
    canvas.SetColours(darkWindow, lightText);
    canvas.Clear();
    EXPECT_EQ(CountPixels(canvas.image(), darkWindow), 40 * 40);
}

} // namespace
} // namespace hc
