#include "commands/work_clock.h"

#include <gtest/gtest.h>
#include <vector>

namespace hc {
namespace {

// A clock the test moves by hand; the work clock reads it every 4096 steps.
struct HandClock {
    WorkClock::Milliseconds now = 1000;
    WorkClock Make() {
        return WorkClock([this] { return now; });
    }
};

// Whether each of `reads` readings (4096 steps each, the time set before
// each) asks the handler to show its work.
std::vector<bool> Shows(HandClock& hand, WorkClock& clock,
                        const std::vector<WorkClock::Milliseconds>& times) {
    std::vector<bool> shown;
    for (const WorkClock::Milliseconds time : times) {
        hand.now = time;
        bool any = false;
        for (int step = 0; step < 4096; ++step)
            any = clock.Step() || any;
        shown.push_back(any);
    }
    return shown;
}

TEST(WorkClockTest, ShowsAfter150MillisecondsOfWorkThenEvery100) {
    HandClock hand;
    WorkClock clock = hand.Make();
    EXPECT_EQ(Shows(hand, clock, {1100, 1149, 1150, 1200, 1249, 1250, 1400}),
              (std::vector<bool>{false, false, true, false, false, true, true}));
}

// A message box read for a second, then a sweep: the reading is not work.
TEST(WorkClockTest, TheTimeTheUserHasTheWordIsNotWork) {
    HandClock hand;
    WorkClock clock = hand.Make();
    hand.now = 1100;
    clock.Pause();
    hand.now = 2100;
    clock.Resume();
    EXPECT_EQ(Shows(hand, clock, {2120, 2149, 2150}), (std::vector<bool>{false, false, true}));
}

} // namespace
} // namespace hc
