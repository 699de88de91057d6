#pragma once

#include "model/text_box.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace hc {

// 0x00BBGGRR, as the window platform counts colours.
using Colour = std::uint32_t;

// The entry of the 16-colour palette; entry 4 is dark red (128, 0, 0).
Colour QBColor(int index);

using PrintItem = std::variant<double, std::string>;

// Everything the logic asks of the window: drawing on its client area in
// twips (origin top-left, y downward), its size, its text boxes and modal
// messages. The logic is written against this interface only, so a real
// window and a recording surface in the tests serve it alike.
//
// Each public operation forwards to its implementation; a failed status
// raises RunError(ObjectCallFailed) naming the operation, and every operation
// clears the floating-point fault status afterwards.
class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    void Cls();
    void Line(float x1, float y1, float x2, float y2, Colour colour);
    void PSet(float x, float y); // in the foreground colour
    void Circle(float x, float y, float radius, Colour colour);
    // Numbers as ToText writes them for the user's locale, items separated by a space.
    void Print(std::span<const PrintItem> items);
    void SetWidth(float twips); // outer size of the window
    void SetHeight(float twips);
    std::string Text(TextBox box);
    void SetText(TextBox box, std::string_view text);
    void ShowMessage(std::string_view prompt); // returns once dismissed

    // The number at the start of the box's text (ToNumber), with either "." or
    // the locale's separator; one beyond the double range raises
    // RunError(Overflow) naming the box.
    double Number(TextBox box);
    // Writes the number as ToText does, with the locale's decimal separator.
    void SetNumber(TextBox box, double value);

    // The decimal separator of the user's locale, for the text boxes' numbers;
    // fixed for the surface's life.
    virtual const std::string& DecimalSeparator() const = 0;

  protected:
    DrawingSurface() = default;
    DrawingSurface(const DrawingSurface&) = default;
    DrawingSurface& operator=(const DrawingSurface&) = default;

    // Each returns false when the platform reports failure.
    virtual bool DoCls() = 0;
    virtual bool DoLine(float x1, float y1, float x2, float y2, Colour colour) = 0;
    virtual bool DoPSet(float x, float y) = 0;
    virtual bool DoCircle(float x, float y, float radius, Colour colour) = 0;
    virtual void DoPrint(std::string_view line) = 0;
    virtual bool DoSetWidth(float twips) = 0;
    virtual bool DoSetHeight(float twips) = 0;
    virtual bool DoText(TextBox box, std::string& text) = 0;
    virtual bool DoSetText(TextBox box, std::string_view text) = 0;
    virtual void DoShowMessage(std::string_view prompt) = 0;
};

} // namespace hc
