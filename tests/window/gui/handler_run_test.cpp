#include "window/canvas.h"
#include "window/handler_run.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace hc {
namespace {

bool WaitCursorShown() {
    return QApplication::overrideCursor() != nullptr &&
           QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

// A sweep after a message box: the time the user spent reading it is not the
// handler's work, and must not bring up the wait cursor. The clock is the
// test's, so that reading and working take the same 200 ms on any machine.
TEST(HandlerRunTest, OnlyTheHandlersOwnWorkCounts) {
    QWidget window;
    Canvas canvas(96, 1, 0xFFFFFFFF, 0xFF000000);
    WorkClock::Milliseconds now = 1000;
    HandlerRun run(window, canvas, [&now] { return now; });
    bool busyAfterReading = true;
    bool busyAfterWorking = false;
    const auto ended = run.Run([&] {
        QDialog message(&window);
        QTimer::singleShot(0, &message, [&] { // reading the message
            now += 200;
            message.accept();
        });
        run.AskUser(message);
        for (int dot = 0; dot < 4096; ++dot)
            run.Step();
        busyAfterReading = WaitCursorShown();

        now += 200; // working
        for (int dot = 0; dot < 4096; ++dot)
            run.Step();
        busyAfterWorking = WaitCursorShown();
    });
    ASSERT_TRUE(ended);
    EXPECT_FALSE(busyAfterReading);
    EXPECT_TRUE(busyAfterWorking);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor stayed";
}

} // namespace
} // namespace hc
