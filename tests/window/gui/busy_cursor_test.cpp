#include "window/busy_cursor.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace hc {
namespace {

bool WaitCursorShown() {
    return QApplication::overrideCursor() != nullptr &&
           QApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

// A sweep after a message box: the time the user spent reading it is not the
// handler's work, and must not bring up the wait cursor.
TEST(BusyCursorTest, OnlyTheHandlersOwnWorkCounts) {
    int shown = 0;
    {
        BusyCursor busy([&shown] { ++shown; });
        busy.Pause();
        QTest::qSleep(200); // reading a message
        busy.Resume();
        for (int dot = 0; dot < 4096; ++dot)
            busy.Step();
        EXPECT_EQ(shown, 0);
        EXPECT_FALSE(WaitCursorShown());

        QTest::qSleep(200); // working
        for (int dot = 0; dot < 4096; ++dot)
            busy.Step();
        EXPECT_EQ(shown, 1);
        EXPECT_TRUE(WaitCursorShown());
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor stayed";
}

} // namespace
} // namespace hc
