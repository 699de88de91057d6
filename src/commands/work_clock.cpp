#include "commands/work_clock.h"

#include <chrono>

namespace hc {

namespace {

constexpr WorkClock::Milliseconds kBusyAfter = 150;
constexpr WorkClock::Milliseconds kShowEvery = 100;
constexpr unsigned kStepsBetweenReads = 4096;

WorkClock::Milliseconds SteadyNow() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

WorkClock::WorkClock(Now now)
    : now_(now ? std::move(now) : SteadyNow)
    , started_(now_()) {}

WorkClock::Milliseconds WorkClock::Worked() const {
    return before_ + (paused_ ? 0 : now_() - started_);
}

bool WorkClock::Step() {
    if (++steps_ % kStepsBetweenReads != 0)
        return false;
    const Milliseconds worked = Worked();
    if (worked < kBusyAfter || worked - lastShown_ < kShowEvery)
        return false;
    lastShown_ = worked;
    return true;
}

void WorkClock::Pause() {
    if (paused_)
        return;
    before_ = Worked();
    paused_ = true;
}

void WorkClock::Resume() {
    if (!paused_)
        return;
    started_ = now_();
    paused_ = false;
}

} // namespace hc
