#include "model/fault_status.h"

#include <cmath>
#include <limits>

namespace hc {

namespace {

thread_local unsigned pendingFaults = 0;

void Raise(unsigned flags) noexcept {
    pendingFaults |= flags;
}

// A NaN from non-NaN operands is an invalid operation; an infinity from
// finite operands an overflow. NaN and infinite operands only ever come from
// an earlier step that has already raised its flag, and propagate quietly.
double Classify(double result, double a, double b) noexcept {
    if (std::isnan(result)) {
        if (!std::isnan(a) && !std::isnan(b))
            Raise(kInvalidOperation);
    } else if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) {
        Raise(kFloatOverflow);
    }
    return result;
}

} // namespace

unsigned PendingFaults() noexcept {
    return pendingFaults;
}

void ClearFaults() noexcept {
    pendingFaults = 0;
}

void FaultCheck(Step step) {
    if (pendingFaults != 0)
        throw RunError(ErrorKind::ArithmeticFault, step);
}

namespace fp {

double Add(double a, double b) noexcept {
    return Classify(a + b, a, b);
}

double Sub(double a, double b) noexcept {
    return Classify(a - b, a, b);
}

double Mul(double a, double b) noexcept {
    return Classify(a * b, a, b);
}

double Div(double a, double b) noexcept {
    const double result = a / b;
    if (b == 0 && std::isfinite(a) && a != 0) {
        Raise(kDivisionByZero);
        return result;
    }
    return Classify(result, a, b);
}

float ToSingle(double value) noexcept {
    // Half an ulp above FLT_MAX: from here on, round-to-nearest gives infinity.
    constexpr double kRoundsToInfinity = 0x1.ffffffp127;
    if (std::isfinite(value) && std::fabs(value) >= kRoundsToInfinity) {
        Raise(kFloatOverflow);
        constexpr float kInfinity = std::numeric_limits<float>::infinity();
        return value > 0 ? kInfinity : -kInfinity;
    }
    return static_cast<float>(value);
}

} // namespace fp
} // namespace hc
