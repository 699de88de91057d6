#pragma once

#include "model/run_error.h"

#include <optional>
#include <utility>

namespace hc {

// Runs `f` and returns the RunError it raised, or nothing if it returned.
template <typename F> std::optional<RunError> Raised(F&& f) {
    try {
        std::forward<F>(f)();
    } catch (const RunError& error) {
        return error;
    }
    return std::nullopt;
}

} // namespace hc
