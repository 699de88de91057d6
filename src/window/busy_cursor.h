#pragma once

#include <QElapsedTimer>
#include <functional>

namespace hc {

// For the span of one handler: once the handler's own work has gone on for
// 150 ms, shows the wait cursor and, every 100 ms, what is drawn so far,
// letting the window system's events in but not the user's clicks and keys.
// Time the handler spends waiting for the user (a message box) is not work.
class BusyCursor {
  public:
    explicit BusyCursor(std::function<void()> showDrawing);
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    // One step of work done; reads the clock only now and then.
    void Step();
    // The user has the word until Resume: the clock stops and the cursor is normal.
    void Pause();
    void Resume();

  private:
    void Check();
    qint64 Worked() const;

    std::function<void()> showDrawing_;
    QElapsedTimer clock_;
    qint64 workedBefore_ = 0; // ms of work before the last pause
    qint64 lastShown_ = 0;
    unsigned steps_ = 0;
    bool shown_ = false;
};

} // namespace hc
