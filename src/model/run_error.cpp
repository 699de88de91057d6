#include "model/run_error.h"

#include <string>

namespace hc {

namespace {

// For what(): "ArithmeticFault in ChainY", "Overflow in ToNumber of Text2" …
std::string_view KindName(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::ArithmeticFault:
        return "ArithmeticFault";
    case ErrorKind::Overflow:
        return "Overflow";
    case ErrorKind::InvalidArgument:
        return "InvalidArgument";
    case ErrorKind::ObjectCallFailed:
        return "ObjectCallFailed";
    case ErrorKind::LoopStalled:
        return "LoopStalled";
    }
    return "unknown";
}

std::string_view StepName(Step step) {
    switch (step) {
    case Step::ReadNumber:
        return "ToNumber";
    case Step::Power:
        return "PowerOf";
    case Step::ChainYPower:
        return "PowerOf in ChainY";
    case Step::ChainYPowerAtXA:
        return "PowerOf in ChainY at XA";
    case Step::ChainYPowerAtXB:
        return "PowerOf in ChainY at XB";
    case Step::ArcLengthPower:
        return "PowerOf in ArcLength";
    case Step::ChainY:
        return "ChainY";
    case Step::ArcLength:
        return "ArcLength";
    case Step::Scale:
        return "K";
    case Step::Span:
        return "span";
    case Step::RaiseC:
        return "raise C";
    case Step::Sweep:
        return "Sweep";
    case Step::LoopStep:
        return "loop step";
    case Step::Frame:
        return "DrawFrame";
    case Step::TickCounter:
        return "Increment16";
    case Step::Product32:
        return "Multiply32";
    case Step::ToInt32:
        return "RoundToInt32";
    case Step::Palette:
        return "QBColor";
    case Step::Cls:
        return "Cls";
    case Step::Line:
        return "Line";
    case Step::PSet:
        return "PSet";
    case Step::Circle:
        return "Circle";
    case Step::Width:
        return "Width";
    case Step::Height:
        return "Height";
    case Step::GetText:
        return "get text";
    case Step::SetText:
        return "set text";
    }
    return "unknown";
}

std::string Describe(ErrorKind kind, Step step, std::optional<TextBox> box) {
    std::string text = std::string(KindName(kind)) + " in " + std::string(StepName(step));
    if (box)
        text += " of Text" + std::to_string(static_cast<int>(*box));
    return text;
}

} // namespace

RunError::RunError(ErrorKind kind, Step step, std::optional<TextBox> box)
    : std::runtime_error(Describe(kind, step, box))
    , kind_(kind)
    , step_(step)
    , box_(box) {}

} // namespace hc
