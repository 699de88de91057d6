#include "window/handler_run.h"

#include <QCloseEvent>
#include <QWidget>

namespace hc {

namespace {

// Thrown through a running handler when its window is to close.
struct Closed {};

} // namespace

HandlerRun::HandlerRun(QWidget& window, RunningWindow& running)
    : window_(window)
    , running_(running) {
    window_.installEventFilter(this);
}

void HandlerRun::Run(const std::function<void()>& handler) {
    if (busy_)
        return;
    busy_.emplace([this] { running_.ShowDrawing(); });
    try {
        handler();
    } catch (const Closed&) {
        // nothing to save and nothing to say: the window is going
    } catch (...) {
        busy_.reset();
        throw;
    }
    busy_.reset();
    if (closeRequested_) {
        closeRequested_ = false;
        window_.close();
        return;
    }
    // What changed meanwhile is taken in now; the first show too, which a
    // handler running at that moment held back.
    running_.TakeIn(WindowChange::Theme);
    running_.TakeIn(WindowChange::Frame);
    running_.TakeIn(WindowChange::Shown);
}

void HandlerRun::Step() {
    busy_->Step(); // handlers step only inside Run; a long one lets a close in here
    if (closeRequested_)
        throw Closed{};
}

void HandlerRun::AskUser(const std::function<void()>& ask) {
    if (!busy_) {
        ask();
        return;
    }
    busy_->Pause();
    ask();
    busy_->Resume();
}

void HandlerRun::Changed(WindowChange change) {
    if (!busy_)
        running_.TakeIn(change);
}

bool HandlerRun::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close && busy_) {
        // The running handler ends at its next step; Run closes the window then.
        closeRequested_ = true;
        event->ignore();
        return true;
    }
    return false;
}

} // namespace hc
