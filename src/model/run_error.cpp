#include "run_error.h"

namespace hc {

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

RunError::RunError(ErrorKind kind, std::string_view operation)
    : std::runtime_error(std::string(KindName(kind)) + " in " + std::string(operation))
    , kind_(kind)
    , operation_(operation) {}

} // namespace hc
