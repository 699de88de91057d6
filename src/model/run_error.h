#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace hc {

enum class ErrorKind {
    ArithmeticFault,  // invalid operation, division by zero or overflow seen by FaultCheck
    Overflow,         // an integer left its range, or a result beyond the double range
    InvalidArgument,  // no real result exists (negative base, fractional exponent)
    ObjectCallFailed, // a window, drawing or text-box operation reported failure
    LoopStalled,      // a plotting step too small to move the binary32 position any further
};

std::string_view KindName(ErrorKind kind);

// The one error of the program. Nothing in the logic catches it: it abandons the
// handler at the failing step, leaving what was already stored and written.
class RunError : public std::runtime_error {
  public:
    RunError(ErrorKind kind, std::string_view operation);

    ErrorKind kind() const noexcept { return kind_; }
    // The operation in which the error arose, e.g. "ChainY" or "PSet".
    const std::string& operation() const noexcept { return operation_; }

  private:
    ErrorKind kind_;
    std::string operation_;
};

} // namespace hc
