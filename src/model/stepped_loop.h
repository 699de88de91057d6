#pragma once

#include "model/fault_status.h"
#include "model/run_error.h"

namespace hc {

// A loop over a binary32 position: the body runs while x <= end (x >= end for
// a negative step), tested before the first pass. Each next position is
// computed in double, checked, then rounded into x; an overflow of that
// rounding is left pending for the next check, as in any other store.
//
// Once x has grown so large that x + step rounds back to x, the loop could
// never end; it raises RunError(LoopStalled) instead of hanging the window.
template <typename Body>
void SteppedLoop(float& x, float start, float end, float step, Body&& body) {
    x = start;
    while (step >= 0 ? x <= end : x >= end) {
        body();
        const float previous = x;
        const double next = fp::Add(x, step);
        FaultCheck(Step::LoopStep);
        x = fp::ToSingle(next);
        if (x == previous)
            throw RunError(ErrorKind::LoopStalled, Step::LoopStep);
    }
}

} // namespace hc
