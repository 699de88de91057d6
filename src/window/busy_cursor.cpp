#include "window/busy_cursor.h"

#include <QApplication>
#include <QKeyEvent>

namespace hc {

namespace {

// Well above an ordinary press (under a millisecond), so that no click flickers.
constexpr qint64 kBusyAfterMs = 150;
constexpr qint64 kShowEveryMs = 100;
// Every long command is a sweep of millions of dots; reading the clock every
// few thousand of them costs nothing a press could notice.
constexpr unsigned kStepsBetweenClockReads = 4096;

// For the span of one turn of the event loop inside a handler: what the user
// types or clicks into the window is dropped, with the focus a click would
// move, since the handler would find its boxes changed under it and a button
// press would find it busy; everything else, the window system's close
// request among it, gets through. (Qt on X11 counts a close from the window
// manager as user input, so excluding user input would hold the close back
// until the handler ends.)
class InputGuard : public QObject {
  public:
    InputGuard() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputGuard() override { QCoreApplication::instance()->removeEventFilter(this); }
    InputGuard(const InputGuard&) = delete;
    InputGuard& operator=(const InputGuard&) = delete;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A click reaches the window before its widget, and the window hands
        // the focus to the widget under it before any filter of the widget's
        // sees the click: it is dropped at the window.
        if (!watched->isWidgetType() && !watched->isWindowType())
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::InputMethod:
            return true;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
            // Alt+F4 and the window menu: Windows closes the window only if the
            // key goes unhandled.
            return !static_cast<QKeyEvent*>(event)->modifiers().testFlag(Qt::AltModifier);
        default:
            return false;
        }
    }
};

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
    // The window keeps what the window system changes (a new frame, a new
    // theme) for the handler's end; a close ends the handler (Form1).
    const InputGuard guard;
    QCoreApplication::processEvents();
}

} // namespace hc
