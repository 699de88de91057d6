// The window at a fractional scale factor, where a logical pixel covers one or
// two device pixels in turn.
#include "window/form1.h"
#include "window/gui/pixels.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace hc {
namespace {

TEST(Form1ScaleTest, AtOneAndAHalfEveryDotIsTheSameTwoByTwoSquare) {
    Form1 form(QLocale::c());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.sheet().PlotW == 8000; }));
    ASSERT_EQ(form.devicePixelRatioF(), 1.5);

    // XA = 0: the corner dot and the vertex, nothing else in the text colour.
    form.findChild<QLineEdit*>("Text2")->setText("0");
    form.findChild<QPushButton*>("Command8")->click();
    const QImage image = form.canvas().image().convertToFormat(QImage::Format_RGB32);
    const QRgb ink = form.palette().color(QPalette::WindowText).rgb();
    EXPECT_EQ(CountPixels(image, ink), 2 * 2 * 2);
    EXPECT_EQ(image.pixel(0, 0), ink);
    EXPECT_EQ(image.pixel(1, 1), ink);
}

} // namespace
} // namespace hc

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
