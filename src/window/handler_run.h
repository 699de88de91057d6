#pragma once

#include "window/busy_cursor.h"

#include <QObject>
#include <functional>
#include <optional>

class QWidget;

namespace hc {

// What the window system changed about the window; while a handler runs the
// window takes these in only once the handler has ended.
enum class WindowChange { Frame, Theme, Shown };

// What a handler's run asks of the window it runs in.
class RunningWindow {
  public:
    // Every 100 ms of a long handler: what it has drawn so far, to the screen.
    virtual void ShowDrawing() = 0;
    // A change the window system made, now or after the handler that was running.
    virtual void TakeIn(WindowChange change) = 0;

  protected:
    ~RunningWindow() = default;
};

// The run of a window's handlers, one at a time, each to its end: the wait
// cursor and the events let in and kept out while it works (BusyCursor), a
// close asked for meanwhile (the handler ends at its next step, and the
// window then closes), and what the window system changed meanwhile, taken in
// afterwards.
class HandlerRun : public QObject {
  public:
    HandlerRun(QWidget& window, RunningWindow& running);

    // Runs the handler, unless one is running already. A close asked for
    // during it ends it at its next Step, with nothing more to do or say.
    void Run(const std::function<void()>& handler);
    // One step of the handler's work: it may be the last one.
    void Step();
    // The user has the word (a message box): no wait cursor, and the time is
    // not the handler's work.
    void AskUser(const std::function<void()>& ask);
    // Whether the window is to close once the handler has ended.
    bool Closing() const { return closeRequested_; }
    // The window system changed the window: taken in now, or once the running
    // handler has ended.
    void Changed(WindowChange change);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    RunningWindow& running_;
    std::optional<BusyCursor> busy_; // while a handler runs
    bool closeRequested_ = false;
};

} // namespace hc
