#pragma once

#include "commands/adjust_command.h"
#include "commands/catenary_command.h"
#include "commands/run_command.h"
#include "commands/window_handlers.h"
#include "drawing/demonstrations.h"
#include "model/text_box.h"

#include <array>
#include <string_view>
#include <variant>

namespace hc {

inline constexpr std::string_view kFormCaption = "Морвина";
// The designed client area, twips.
inline constexpr int kDesignedClientWidth = 7425;
inline constexpr int kDesignedClientHeight = 9270;
// The form's font, points: its captions, boxes and buttons, and what Print
// writes on the drawing.
inline constexpr double kFontPoints = 7;

// A text box: which one, and its caption as a screen reader and an error
// report say it (spaces collapsed, the Latin look-alike in "лeвой" made Cyrillic).
struct BoxControl {
    TextBox box;
    std::string_view caption;
};
// A label and the box it captions, which a screen reader names it with.
struct LabelControl {
    TextBox box;
};
// A button and what its click runs; none for the buttons that do nothing.
struct ButtonControl {
    Handler handler = nullptr;
};
using ControlKind = std::variant<BoxControl, LabelControl, ButtonControl>;

// One control of Form1, in tab order. Positions and sizes in twips.
struct ControlSpec {
    std::string_view name; // the control's object name
    ControlKind kind;
    std::string_view text; // caption or initial text, as the user sees it
    int left;
    int top;
    int width;
    int height;
};

// Some captions mix Latin and Cyrillic letters (X, A, Y, W, k and the "e" of
// "лeвой" are Latin; the last letter of Label1 is Cyrillic): keep them as they are.
inline constexpr std::array<ControlSpec, 25> kControls = {{
    {"Text1", BoxControl{TextBox::Text1, "Ордината С"}, "1.4", 1440, 5040, 615, 495},
    {"Label1", LabelControl{TextBox::Text1}, "Ордината           С", 360, 5040, 855, 495},
    {"Label2", LabelControl{TextBox::Text2}, "XA Расстояние  до левой опоры", 0, 5760, 1335, 495},
    {"Text2", BoxControl{TextBox::Text2, "XA Расстояние до левой опоры"}, "2", 1440, 5640, 615,
     495},
    {"Label3", LabelControl{TextBox::Text3}, "Расстояние до правой опоры", 8880, 3600, 1215, 615},
    {"Text3", BoxControl{TextBox::Text3, "Расстояние до правой опоры"}, "2.5", 10200, 3720, 615,
     495},
    {"Label4", LabelControl{TextBox::Text4}, "Коэфф kY", 9240, 5160, 855, 255},
    {"Text4", BoxControl{TextBox::Text4, "Коэфф kY"}, "Text4", 10200, 5040, 615, 495},
    {"Command1", ButtonControl{ClearCommand}, "Очистить", 3600, 8280, 1215, 495},
    {"Text5", BoxControl{TextBox::Text5, "Длина WA"}, "", 1440, 8040, 615, 495},
    {"Text6", BoxControl{TextBox::Text6, "Длина цепи"}, "3.3", 1440, 7320, 495, 495},
    {"Label5", LabelControl{TextBox::Text5}, "Длина WA", 0, 8160, 1215, 255},
    {"Command2", ButtonControl{}, "Command2", 8880, 1320, 1215, 495},
    {"Command3", ButtonControl{}, "Command3", 8880, 1920, 1215, 495},
    {"Command4", ButtonControl{AdjustCommand}, "Считать", 9000, 8280, 1215, 495},
    {"Command5", ButtonControl{}, "Построить график", 8880, 2520, 1215, 495},
    {"Command6", ButtonControl{PlotCube}, "X^3", 8760, 0, 1215, 495},
    {"Command7", ButtonControl{PlotSquare}, "X^2", 8760, 600, 1215, 495},
    {"Command8", ButtonControl{CatenaryCommand}, "Построить график Морвина", 2280, 8160, 1215, 735},
    {"Text7", BoxControl{TextBox::Text7, "Подпись: длина цепи"}, "Длина цепи", 120, 7320, 1215,
     495},
    {"Command9", ButtonControl{}, "Расчёты", 8880, 7320, 1215, 495},
    {"Text8", BoxControl{TextBox::Text8, "YA Высота левой опоры"}, "", 1440, 6600, 615, 495},
    {"Label6", LabelControl{TextBox::Text8}, "YA  Высота лeвой опоры", 0, 6600, 1215, 495},
    {"Text9", BoxControl{TextBox::Text9, "YA"}, "Text9", 10200, 4440, 615, 495},
    {"Label7", LabelControl{TextBox::Text9}, "YA", 9840, 4560, 255, 255},
}};

// Whether the row is that text box's. (By the variant's index, not get_if:
// with AddressSanitizer GCC takes no pointer test for a constant.)
constexpr bool IsRowOf(const ControlSpec& control, TextBox box) {
    return std::holds_alternative<BoxControl>(control.kind) &&
           std::get<BoxControl>(control.kind).box == box;
}

// The row of a text box; every box has one (below).
constexpr const ControlSpec& RowOf(TextBox box) {
    for (const ControlSpec& control : kControls)
        if (IsRowOf(control, box))
            return control;
    return kControls.front();
}

constexpr bool EveryBoxHasItsRow() {
    for (int box = static_cast<int>(TextBox::Text1); box <= static_cast<int>(TextBox::Text9); ++box)
        if (!IsRowOf(RowOf(static_cast<TextBox>(box)), static_cast<TextBox>(box)))
            return false;
    return true;
}
static_assert(EveryBoxHasItsRow());

// The caption of a text box, from its row of the table.
constexpr std::string_view CaptionOf(TextBox box) {
    return std::get<BoxControl>(RowOf(box).kind).caption;
}

// The name of a text box's control ("Text1"), from its row of the table.
constexpr std::string_view NameOf(TextBox box) {
    return RowOf(box).name;
}

} // namespace hc
