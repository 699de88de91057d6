#pragma once

#include "model/text_box.h"

#include <optional>
#include <stdexcept>
#include <string_view>

namespace hc {

enum class ErrorKind {
    ArithmeticFault,  // invalid operation, division by zero or overflow seen by FaultCheck
    Overflow,         // an integer left its range, or a result beyond the double range
    InvalidArgument,  // no real result exists (negative base, fractional exponent)
    ObjectCallFailed, // a window, drawing or text-box operation reported failure
    LoopStalled,      // a plotting step too small to move the binary32 position any further
};

// Where in the program an error arose.
enum class Step {
    ReadNumber,      // a number typed into a box
    Power,           // PowerOf
    ChainYPower,     // PowerOf inside ChainY: E to the power ±x/C, x the swept X
    ChainYPowerAtXA, // the same at the left support's abscissa XA
    ChainYPowerAtXB, // the same at the right support's XB
    ChainY,          // the catenary's ordinate
    ArcLength,       // the arc length from the vertex
    ArcLengthPower,  // PowerOf inside ArcLength: the squares of the height and of C
    Scale,           // K, the plot scale
    Span,            // |XA| and −XA, where the catenary command starts its sweep
    RaiseC,          // C grown by 0.1 %
    Sweep,           // a dot's surface coordinates
    LoopStep,        // the next abscissa of a sweep
    Frame,           // the axes' and ticks' coordinates
    TickCounter,     // the 16-bit counter of the ticks
    Product32,       // a 32-bit product
    ToInt32,         // a double rounded to 32 bits
    Palette,         // a QBColor entry
    Cls,             // the surface operations from here on
    Line,
    PSet,
    Circle,
    Width,
    Height,
    GetText,
    SetText,
};

// The one error of the program. Nothing in the logic catches it: it abandons the
// handler at the failing step, leaving what was already stored and written.
class RunError : public std::runtime_error {
  public:
    RunError(ErrorKind kind, Step step, std::optional<TextBox> box = std::nullopt);

    ErrorKind kind() const noexcept { return kind_; }
    Step step() const noexcept { return step_; }
    // The text box being read or written, where the step concerns one.
    std::optional<TextBox> box() const noexcept { return box_; }

  private:
    ErrorKind kind_;
    Step step_;
    std::optional<TextBox> box_;
};

} // namespace hc
