#include "drawing_surface.h"

#include "fault_status.h"
#include "run_error.h"

#include <array>
#include <string>

namespace hc {

namespace {

// Platform calls return with a clean floating-point status, whatever happened
// inside them; a fault can only be seen by a check before the next call.
void Finish(bool ok, std::string_view operation) {
    ClearFaults();
    if (!ok)
        throw RunError(ErrorKind::ObjectCallFailed, operation);
}

} // namespace

Colour QBColor(int index) {
    static constexpr std::array<Colour, 16> kPalette = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    if (index < 0 || index >= static_cast<int>(kPalette.size()))
        throw RunError(ErrorKind::InvalidArgument, "QBColor");
    return kPalette[static_cast<std::size_t>(index)];
}

std::string_view ControlName(TextBox box) {
    static constexpr std::array<std::string_view, 9> kNames = {
        "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9",
    };
    return kNames[static_cast<std::size_t>(box) - 1];
}

void DrawingSurface::Cls() {
    Finish(DoCls(), "Cls");
}

void DrawingSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
    Finish(DoLine(x1, y1, x2, y2, colour), "Line");
}

void DrawingSurface::PSet(float x, float y) {
    Finish(DoPSet(x, y), "PSet");
}

void DrawingSurface::Circle(float x, float y, float radius, Colour colour) {
    Finish(DoCircle(x, y, radius, colour), "Circle");
}

void DrawingSurface::Print(std::span<const PrintItem> items) {
    DoPrint(items);
    ClearFaults();
}

void DrawingSurface::SetWidth(float twips) {
    Finish(DoSetWidth(twips), "Width");
}

void DrawingSurface::SetHeight(float twips) {
    Finish(DoSetHeight(twips), "Height");
}

std::string DrawingSurface::Text(TextBox box) {
    std::string text;
    Finish(DoText(box, text), std::string(ControlName(box)) + ".Text");
    return text;
}

void DrawingSurface::SetText(TextBox box, std::string_view text) {
    Finish(DoSetText(box, text), std::string(ControlName(box)) + ".Text");
}

void DrawingSurface::ShowMessage(std::string_view prompt) {
    DoShowMessage(prompt);
    ClearFaults();
}

} // namespace hc
