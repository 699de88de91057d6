#pragma once

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

enum class TextBox { Text1 = 1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9 };

// "Text1" … "Text9": the control's name in the window.
std::string_view ControlName(TextBox box);

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
    void Print(std::span<const PrintItem> items);
    void SetWidth(float twips); // outer size of the window
    void SetHeight(float twips);
    std::string Text(TextBox box);
    void SetText(TextBox box, std::string_view text);
    void ShowMessage(std::string_view prompt); // returns once dismissed

    // The decimal separator of the user's locale, for the text boxes' numbers.
    virtual std::string DecimalSeparator() const = 0;

  protected:
    DrawingSurface() = default;
    DrawingSurface(const DrawingSurface&) = default;
    DrawingSurface& operator=(const DrawingSurface&) = default;

    // Each returns false when the platform reports failure.
    virtual bool DoCls() = 0;
    virtual bool DoLine(float x1, float y1, float x2, float y2, Colour colour) = 0;
    virtual bool DoPSet(float x, float y) = 0;
    virtual bool DoCircle(float x, float y, float radius, Colour colour) = 0;
    virtual void DoPrint(std::span<const PrintItem> items) = 0;
    virtual bool DoSetWidth(float twips) = 0;
    virtual bool DoSetHeight(float twips) = 0;
    virtual bool DoText(TextBox box, std::string& text) = 0;
    virtual bool DoSetText(TextBox box, std::string_view text) = 0;
    virtual void DoShowMessage(std::string_view prompt) = 0;
};

} // namespace hc
