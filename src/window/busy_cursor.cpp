#include "window/busy_cursor.h"

#include <QApplication>

namespace hc {

namespace {

// Well above an ordinary press (under a millisecond), so that no click flickers.
constexpr qint64 kBusyAfterMs = 150;
constexpr qint64 kShowEveryMs = 100;
// Every long command is a sweep of millions of dots; reading the clock every
// few thousand of them costs nothing a press could notice.
constexpr unsigned kStepsBetweenClockReads = 4096;

} // namespace

BusyCursor::BusyCursor(std::function<void()> showDrawing)
    : showDrawing_(std::move(showDrawing)) {
    clock_.start();
}

BusyCursor::~BusyCursor() {
    if (shown_)
        QApplication::restoreOverrideCursor();
}

void BusyCursor::Step() {
    if (++steps_ % kStepsBetweenClockReads == 0)
        Check();
}

void BusyCursor::Pause() {
    workedBefore_ = Worked();
    clock_.invalidate();
    if (shown_) {
        QApplication::restoreOverrideCursor();
        shown_ = false;
    }
}

void BusyCursor::Resume() {
    clock_.start();
}

qint64 BusyCursor::Worked() const {
    return workedBefore_ + (clock_.isValid() ? clock_.elapsed() : 0);
}

void BusyCursor::Check() {
    const qint64 worked = Worked();
    if (worked < kBusyAfterMs || worked - lastShown_ < kShowEveryMs)
        return;
    if (!shown_) {
        shown_ = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    lastShown_ = worked;
    showDrawing_();
    // The cursor and the drawing reach the screen only through the event loop.
    // Clicks and keys wait for the handler to end, as they would without this;
    // the window keeps whatever else arrives (a new frame, a new theme) for then.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace hc
