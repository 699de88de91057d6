#include "model/fault_status.h"

#include <cmath>
#include <limits>

namespace hc {

namespace {

thread_local unsigned pendingFaults = 0;

void Raise(unsigned flags) noexcept {
    pendingFaults |= flags;
}

// A NaN is an invalid operation and an infinity an overflow, also when an
// operand was one already: an abandoned command can leave one in a field (a
// store into X that overflowed before its check), and the next command must
// stop at its first step that meets it rather than show it as a result.
double Classify(double result) noexcept {
    if (std::isnan(result))
        Raise(kInvalidOperation);
    else if (std::isinf(result))
        Raise(kFloatOverflow);
    return result;
}

} // namespace

unsigned PendingFaults() noexcept {
    return pendingFaults;
}

void ClearFaults() noexcept {
    pendingFaults = 0;
}

void FaultCheck(Step step, std::optional<Abscissa> abscissa) {
    if (pendingFaults != 0)
        throw RunError(ErrorKind::ArithmeticFault, step, abscissa);
}

namespace fp {

double Add(double a, double b) noexcept {
    return Classify(a + b);
}

double Sub(double a, double b) noexcept {
    return Classify(a - b);
}

double Neg(double a) noexcept {
    return Classify(-a);
}

double Mul(double a, double b) noexcept {
    return Classify(a * b);
}

double Div(double a, double b) noexcept {
    const double result = a / b;
    if (b == 0 && std::isfinite(a) && a != 0) {
        Raise(kDivisionByZero);
        return result;
    }
    return Classify(result);
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
