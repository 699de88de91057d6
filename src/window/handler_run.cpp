#include "window/handler_run.h"

#include "window/canvas.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <utility>

namespace hc {

namespace {

// Thrown through a running handler when its window is to close.
struct Closed {};

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

HandlerRun::HandlerRun(QWidget& window, Canvas& canvas, WorkClock::Now now)
    : window_(window)
    , canvas_(canvas)
    , now_(std::move(now))
    , clock_(now_) {
    window_.installEventFilter(this);
}

std::optional<HandlerRun::Ended> HandlerRun::Run(const std::function<void()>& handler) {
    if (running_)
        return std::nullopt;
    running_ = true;
    closeAsked_ = false;
    held_ = {};
    clock_ = WorkClock(now_);
    const auto finish = [this] {
        running_ = false;
        Busy(false);
        ShowDrawing();
    };
    try {
        handler();
    } catch (const Closed&) {
        // nothing to save and nothing to say: the window is going
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return Ended{closeAsked_, held_};
}

void HandlerRun::Step() {
    if (clock_.Step()) {
        Busy(true);
        ShowDrawing();
        // The cursor and the drawing reach the screen only through the event loop.
        const InputGuard guard;
        QCoreApplication::processEvents();
    }
    if (closeAsked_)
        throw Closed{};
}

void HandlerRun::AskUser(QDialog& box) {
    if (closeAsked_)
        throw Closed{}; // nobody is left to answer
    clock_.Pause();
    Busy(false);
    ShowDrawing(); // what was drawn so far shows behind the box
    box.exec();
    clock_.Resume();
}

bool HandlerRun::Hold(WindowChanges changes) {
    if (running_)
        held_ |= changes;
    return running_;
}

void HandlerRun::Busy(bool busy) {
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void HandlerRun::ShowDrawing() {
    const QRect unshown = canvas_.TakeUnshown();
    if (!unshown.isEmpty())
        window_.update(unshown);
}

bool HandlerRun::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close && running_) {
        // The running handler ends at its next step; the window closes then.
        closeAsked_ = true;
        event->ignore();
        return true;
    }
    return false;
}

} // namespace hc
