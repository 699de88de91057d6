// The window on a Wayland compositor (weston, headless): it appears with its
// decorations at its outer size, a press draws the curve where the
// compositor shows it (read back with weston's screenshot client), and
// «Очистить» widens it.
#include "window/form1.h"
#include "window/gui/pixels.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QImage Screenshot() {
    QDir here;
    for (const QString& old : here.entryList({"wayland-screenshot*.png"}))
        here.remove(old);
    // The compositor serves the screenshot from the event loop this program
    // shares. A busy machine has seen the screenshooter never answered (once
    // in a few dozen runs): it is asked again, three times at most.
    for (int attempt = 0; attempt < 3; ++attempt) {
        QProcess shooter;
        shooter.start("weston-screenshooter", {});
        QDeadlineTimer deadline(10000);
        while (!shooter.waitForFinished(10) && !deadline.hasExpired())
            QCoreApplication::processEvents();
        if (shooter.state() == QProcess::NotRunning)
            break;
        shooter.kill();
        shooter.waitForFinished();
    }
    const QStringList shots = here.entryList({"wayland-screenshot*.png"});
    return shots.isEmpty() ? QImage() : QImage(shots.first()).convertToFormat(QImage::Format_RGB32);
}

TEST(WaylandSmokeTest, TheWindowAppearsDecoratedAndAPressDrawsTheCurve) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland"));
    hc::Form1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.sheet().PlotW == 8000; }))
        << "the activation handler did not run";
    QTest::qWait(200);

    const double pixelsPerTwip = form.logicalDpiX() / 1440.0;
    EXPECT_GT(form.frameGeometry().height(), form.height()) << "no decorations";
    EXPECT_NEAR(form.frameGeometry().width(), 7000 * pixelsPerTwip, 1);
    EXPECT_NEAR(form.frameGeometry().height(), 10000 * pixelsPerTwip, 1);

    const QImage before = Screenshot();
    ASSERT_FALSE(before.isNull()) << "no screenshot";
    EXPECT_GT(hc::CountPixels(before, qRgb(128, 0, 0)), 400) << "the frame is not on the screen";

    QTest::mouseClick(form.findChild<QPushButton*>("Command8"), Qt::LeftButton);
    QTest::qWait(200);
    const QImage after = Screenshot();
    const QRgb ink = form.palette().color(QPalette::WindowText).rgb();
    EXPECT_GT(hc::CountPixels(after, ink) - hc::CountPixels(before, ink), 100)
        << "no curve on the screen";

    QTest::mouseClick(form.findChild<QPushButton*>("Command1"), Qt::LeftButton); // «Очистить»
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return std::abs(form.frameGeometry().width() - 10000 * pixelsPerTwip) <= 1;
    })) << form.frameGeometry().width()
        << " pixels wide with the decorations";
    EXPECT_NEAR(form.frameGeometry().height(), 10000 * pixelsPerTwip, 1);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
