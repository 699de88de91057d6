#pragma once

#include "model/run_error.h"

#include <optional>

// The floating-point status of the program: sticky invalid-operation,
// division-by-zero and overflow flags, set by the checked operations below
// and examined by FaultCheck.
//
// The status is kept in software rather than read from the FPU: g++ moves
// divisions past a following fetestexcept() and drops unused ones at -O2, so
// the hardware flags cannot say at which step a fault happened. Here every
// checked step sets the flags IEEE 754 would, and FaultCheck sees exactly them.
namespace hc {

enum FaultFlag : unsigned {
    kInvalidOperation = 1U << 0,
    kDivisionByZero = 1U << 1,
    kFloatOverflow = 1U << 2,
};

// Flags raised since the last ClearFaults() on this thread.
unsigned PendingFaults() noexcept;
void ClearFaults() noexcept;

// Raises RunError(ArithmeticFault, step) if any flag is pending, naming the
// abscissa where the step evaluates the catenary at one. The flags stay set:
// only a window, drawing or text-box operation clears them.
void FaultCheck(Step step, std::optional<Abscissa> abscissa = std::nullopt);

// Arithmetic that records its IEEE exceptions in the status, and counts any
// non-finite result as one: no result computed from a NaN or an infinity
// passes a FaultCheck.
namespace fp {
double Add(double a, double b) noexcept;
double Sub(double a, double b) noexcept;
double Neg(double a) noexcept; // exact, but an infinity or a NaN counts as ever
double Mul(double a, double b) noexcept;
double Div(double a, double b) noexcept;
// Rounds to the nearest binary32; a finite value beyond its range becomes an
// infinity and raises the overflow flag (never undefined behaviour).
float ToSingle(double value) noexcept;

// A double whose + − × ÷ record their faults as the functions above do, so that
// a checked formula reads as written: plotH - plotH / 10 * I (sticky flags).
struct Value {
    Value(double value) noexcept
        : v(value) {}
    friend Value operator+(Value a, Value b) noexcept { return Add(a.v, b.v); }
    friend Value operator-(Value a, Value b) noexcept { return Sub(a.v, b.v); }
    friend Value operator-(Value a) noexcept { return Neg(a.v); }
    friend Value operator*(Value a, Value b) noexcept { return Mul(a.v, b.v); }
    friend Value operator/(Value a, Value b) noexcept { return Div(a.v, b.v); }
    double v;
};
} // namespace fp

// A formula's value once FaultCheck(step) has passed after it.
inline double Checked(fp::Value value, Step step, std::optional<Abscissa> abscissa = std::nullopt) {
    FaultCheck(step, abscissa);
    return value.v;
}

} // namespace hc
