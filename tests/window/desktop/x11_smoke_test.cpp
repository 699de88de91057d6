// Starts the real program on an X server (Xvfb, with no window manager, so no
// activation ever arrives) and waits for its frame to appear on the screen.
#include "frame_runs.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString programPath;

TEST(X11SmokeTest, TheWindowAppearsWithItsFrame) {
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(programPath, {});
    ASSERT_TRUE(program.waitForStarted(60000));

    // Until the frame is on the screen, within a generous minute.
    QScreen* screen = QGuiApplication::primaryScreen();
    int run = 0;
    for (QDeadlineTimer deadline(60000); run < 400 && !deadline.hasExpired();) {
        QTest::qWait(100);
        ASSERT_EQ(program.state(), QProcess::Running) << "the program ended";
        const auto runs = hc::FrameRuns(screen->grabWindow(0).toImage());
        run = runs.empty() ? 0 : *std::max_element(runs.begin(), runs.end());
    }
    program.terminate();
    program.waitForFinished(5000);
    // The x axis spans the whole client area of a 7000-twip-wide window.
    EXPECT_GE(run, 400);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: x11_smoke_test PROGRAM\n");
        return 2;
    }
    programPath = QString::fromLocal8Bit(argv[1]);
    return RUN_ALL_TESTS();
}
