#include "drawing/drawing_surface.h"

#include "model/fault_status.h"
#include "model/numeric.h"
#include "model/run_error.h"

#include <array>
#include <string>

namespace hc {

namespace {

// Platform calls return with a clean floating-point status, whatever happened
// inside them; a fault can only be seen by a check before the next call.
void Finish(bool ok, Step step, std::optional<TextBox> box = std::nullopt) {
    ClearFaults();
    if (!ok)
        throw RunError(ErrorKind::ObjectCallFailed, step, box);
}

} // namespace

Colour QBColor(int index) {
    static constexpr std::array<Colour, 16> kPalette = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
        0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };
    if (index < 0 || index >= static_cast<int>(kPalette.size()))
        throw RunError(ErrorKind::InvalidArgument, Step::Palette);
    return kPalette[static_cast<std::size_t>(index)];
}

void DrawingSurface::Cls() {
    Finish(DoCls(), Step::Cls);
}

void DrawingSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
    Finish(DoLine(x1, y1, x2, y2, colour), Step::Line);
}

void DrawingSurface::PSet(float x, float y) {
    Finish(DoPSet(x, y), Step::PSet);
}

void DrawingSurface::Circle(float x, float y, float radius, Colour colour) {
    Finish(DoCircle(x, y, radius, colour), Step::Circle);
}

void DrawingSurface::Print(std::span<const PrintItem> items) {
    const std::string& separator = DecimalSeparator();
    std::string line;
    for (const PrintItem& item : items) {
        if (!line.empty())
            line += ' ';
        if (const auto* number = std::get_if<double>(&item))
            line += ToText(*number, separator);
        else
            line += std::get<std::string>(item);
    }
    DoPrint(line);
    ClearFaults();
}

void DrawingSurface::SetWidth(float twips) {
    Finish(DoSetWidth(twips), Step::Width);
}

void DrawingSurface::SetHeight(float twips) {
    Finish(DoSetHeight(twips), Step::Height);
}

std::string DrawingSurface::Text(TextBox box) {
    std::string text;
    Finish(DoText(box, text), Step::GetText, box);
    return text;
}

void DrawingSurface::SetText(TextBox box, std::string_view text) {
    Finish(DoSetText(box, text), Step::SetText, box);
}

void DrawingSurface::ShowMessage(std::string_view prompt) {
    DoShowMessage(prompt);
    ClearFaults();
}

double DrawingSurface::Number(TextBox box) {
    const std::string text = Text(box);
    try {
        return ToNumber(text, DecimalSeparator());
    } catch (const RunError& error) {
        throw RunError(error.kind(), error.step(), box); // the user must know which box
    }
}

void DrawingSurface::SetNumber(TextBox box, double value) {
    SetText(box, ToText(value, DecimalSeparator()));
}

} // namespace hc
