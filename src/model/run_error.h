#pragma once

#include "model/text_box.h"

#include <exception>
#include <optional>

namespace hc {

enum class ErrorKind {
    ArithmeticFault,  // invalid operation, division by zero or overflow seen by FaultCheck
    Overflow,         // an integer left its range, or a result beyond the double range
    InvalidArgument,  // no real result exists (negative base, fractional exponent)
    ObjectCallFailed, // a window, drawing or text-box operation reported failure
    LoopStalled,      // a plotting step too small to move the binary32 position any further
};

// Where in the program an error arose. Its words are the report's
// (commands/error_report.cpp), the one place a step is put into words.
enum class Step {
    ReadNumber,     // a number typed into a box
    Power,          // PowerOf
    ChainYAbscissa, // the catenary's abscissa itself, beyond binary32 since it was stored
    ChainYRatio,    // the abscissa divided by C, which fails only while C is 0
    ChainYPower,    // E to the power ±x/C
    ChainY,         // the catenary's ordinate from its two powers
    ArcLength,      // the arc length from the vertex
    ArcLengthPower, // PowerOf inside ArcLength: the squares of the height and of C
    Scale,          // K, the plot scale
    Span,           // |XA| and −XA, where the catenary command starts its sweep
    RaiseC,         // C grown by 0.1 %
    Sweep,          // a dot's surface coordinates
    LoopStep,       // the next abscissa of a sweep
    Frame,          // the axes' and ticks' coordinates
    TickCounter,    // the 16-bit counter of the ticks
    Product32,      // a 32-bit product
    ToInt32,        // a double rounded to 32 bits
    Palette,        // a QBColor entry
    Cls,            // the surface operations from here on
    Line,
    PSet,
    Circle,
    Width,
    Height,
    GetText,
    SetText,
};

// Which abscissa the catenary was evaluated at, so that a failure there names
// the number the user typed rather than the sheet's X.
enum class Abscissa {
    Plotted,  // a dot's, in a sweep, or X as a sweep left it
    XA,       // the left support's, as the catenary command has just read it
    XB,       // the right support's
    LeftAtXA, // X as a plot that stopped at the left support left it («Считать» reads it)
    LeftAtXB, // X as a plot that stopped at the right support left it
};

// The one error of the program. Nothing in the logic catches it: it abandons the
// handler at the failing step, leaving what was already stored and written.
class RunError : public std::exception {
  public:
    RunError(ErrorKind kind, Step step) noexcept
        : kind_(kind)
        , step_(step) {}
    RunError(ErrorKind kind, Step step, std::optional<Abscissa> abscissa) noexcept
        : kind_(kind)
        , step_(step)
        , abscissa_(abscissa) {}
    RunError(ErrorKind kind, Step step, std::optional<TextBox> box) noexcept
        : kind_(kind)
        , step_(step)
        , box_(box) {}

    // Its words are the report's (DescribeError), which knows the captions.
    const char* what() const noexcept override { return "hc::RunError"; }

    ErrorKind kind() const noexcept { return kind_; }
    Step step() const noexcept { return step_; }
    // The text box being read or written, where the step concerns one.
    std::optional<TextBox> box() const noexcept { return box_; }
    // The abscissa the catenary was evaluated at, where the step is one of ChainY's.
    std::optional<Abscissa> abscissa() const noexcept { return abscissa_; }

  private:
    ErrorKind kind_;
    Step step_;
    std::optional<TextBox> box_;
    std::optional<Abscissa> abscissa_;
};

} // namespace hc
