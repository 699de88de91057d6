#pragma once

#include "commands/work_clock.h"

#include <QObject>
#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace hc {

class Canvas;

// What the window system changed about the window: taken in at once, or, while
// a handler runs, once it has ended.
struct WindowChanges {
    bool theme = false; // a new palette
    bool frame = false; // moved or resized, perhaps with a new frame around it
    bool shown = false; // the first show, which the activation follows
    WindowChanges& operator|=(WindowChanges other) {
        theme |= other.theme;
        frame |= other.frame;
        shown |= other.shown;
        return *this;
    }
};

// The running of the window's handlers, one at a time, each to its end, and
// everything while one runs that is not its own work: when its WorkClock
// says so, the wait cursor and the canvas's new drawing on the screen, with
// the window system's events let in and the user's clicks and keys kept
// out; the time the user spends in a message box, which is not work; a close
// asked for, which ends the handler at its next step; and what the window
// system changed, handed back when the handler ends.
class HandlerRun : public QObject {
  public:
    struct Ended {
        bool closeAsked = false; // the window is to close, with nothing more to say
        WindowChanges held;      // changed while the handler ran
    };

    // `now` is the clock the handlers' work is timed by (WorkClock's own by default).
    HandlerRun(QWidget& window, Canvas& canvas, WorkClock::Now now = {});

    // Runs the handler and shows what it drew; nothing when one is running
    // already. An exception other than the end of a closing window passes
    // through, with everything the run set up undone.
    std::optional<Ended> Run(const std::function<void()>& handler);
    // One step of the handler's work (a dot): now and then the clock is read,
    // and a close asked for ends the handler here.
    void Step();
    // A modal box: the user has the word, with the normal cursor and the
    // drawing so far behind it; the time is not the handler's work. A close
    // asked for ends the handler here instead.
    void AskUser(QDialog& box);
    // Keeps the change for the running handler's end: false when none runs.
    bool Hold(WindowChanges changes);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowDrawing();
    void Busy(bool busy);

    QWidget& window_;
    Canvas& canvas_;
    bool running_ = false;
    bool closeAsked_ = false;
    WindowChanges held_;
    WorkClock::Now now_;
    WorkClock clock_;
    bool busy_ = false; // the wait cursor is up
};

} // namespace hc
