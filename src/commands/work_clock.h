#pragma once

#include <cstdint>
#include <functional>

namespace hc {

// The time a handler has worked, the time the user spends on its message
// boxes left out, and when a long one is to show that it works: once its
// work has gone on for 150 ms (well above an ordinary press, under a
// millisecond, so that no click flickers), then every 100 ms. Both shells run
// their handlers by it.
class WorkClock {
  public:
    using Milliseconds = std::int64_t;
    // Reads a monotonic clock. The shells run on the standard library's; a
    // test gives its own, to make a press long without waiting for it.
    using Now = std::function<Milliseconds()>;
    // `now` by default: the standard library's steady clock.
    explicit WorkClock(Now now = {});

    // One step of the handler's work (a dot); true when it is to show now
    // what it has drawn, with the wait cursor. Every long command is a sweep
    // of millions of dots: the clock is read every 4096 of them, which costs
    // nothing a press could notice.
    bool Step();
    // The user has the word (a message box) until Resume: no work meanwhile.
    void Pause();
    void Resume();

  private:
    Milliseconds Worked() const;

    Now now_;
    Milliseconds started_;    // of the work since the start or the last Resume
    Milliseconds before_ = 0; // worked before the last Pause
    bool paused_ = false;
    Milliseconds lastShown_ = 0;
    unsigned steps_ = 0;
};

} // namespace hc
