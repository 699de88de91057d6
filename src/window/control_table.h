#pragma once

#include <array>
#include <string_view>

namespace hc {

inline constexpr std::string_view kFormCaption = "Морвина";
// The designed client area, twips.
inline constexpr int kDesignedClientWidth = 7425;
inline constexpr int kDesignedClientHeight = 9270;

enum class ControlKind { TextBox, Label, Button };

// One control of Form1, in tab order. Positions and sizes in twips.
struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    std::string_view text; // caption or initial text, as the user sees it
    int left;
    int top;
    int width;
    int height;
    // What a screen reader says for a text box: its caption, spaces collapsed
    // and the Latin look-alike letters of the captions written in Cyrillic.
    std::string_view accessibleName = {};
};

// Some captions mix Latin and Cyrillic letters (X, A, Y, W, k and the "e" of
// "лeвой" are Latin; the last letter of Label1 is Cyrillic): keep them as they are.
inline constexpr std::array<ControlSpec, 25> kControls = {{
    {"Text1", ControlKind::TextBox, "1.4", 1440, 5040, 615, 495, "Ордината С"},
    {"Label1", ControlKind::Label, "Ордината           С", 360, 5040, 855, 495},
    {"Label2", ControlKind::Label, "XA Расстояние  до левой опоры", 0, 5760, 1335, 495},
    {"Text2", ControlKind::TextBox, "2", 1440, 5640, 615, 495, "XA Расстояние до левой опоры"},
    {"Label3", ControlKind::Label, "Расстояние до правой опоры", 8880, 3600, 1215, 615},
    {"Text3", ControlKind::TextBox, "2.5", 10200, 3720, 615, 495, "Расстояние до правой опоры"},
    {"Label4", ControlKind::Label, "Коэфф kY", 9240, 5160, 855, 255},
    {"Text4", ControlKind::TextBox, "Text4", 10200, 5040, 615, 495, "Коэфф kY"},
    {"Command1", ControlKind::Button, "Очистить", 3600, 8280, 1215, 495},
    {"Text5", ControlKind::TextBox, "", 1440, 8040, 615, 495, "Длина WA"},
    {"Text6", ControlKind::TextBox, "3.3", 1440, 7320, 495, 495, "Длина цепи"},
    {"Label5", ControlKind::Label, "Длина WA", 0, 8160, 1215, 255},
    {"Command2", ControlKind::Button, "Command2", 8880, 1320, 1215, 495},
    {"Command3", ControlKind::Button, "Command3", 8880, 1920, 1215, 495},
    {"Command4", ControlKind::Button, "Считать", 9000, 8280, 1215, 495},
    {"Command5", ControlKind::Button, "Построить график", 8880, 2520, 1215, 495},
    {"Command6", ControlKind::Button, "X^3", 8760, 0, 1215, 495},
    {"Command7", ControlKind::Button, "X^2", 8760, 600, 1215, 495},
    {"Command8", ControlKind::Button, "Построить график Морвина", 2280, 8160, 1215, 735},
    {"Text7", ControlKind::TextBox, "Длина цепи", 120, 7320, 1215, 495, "Подпись: длина цепи"},
    {"Command9", ControlKind::Button, "Расчёты", 8880, 7320, 1215, 495},
    {"Text8", ControlKind::TextBox, "", 1440, 6600, 615, 495, "YA Высота левой опоры"},
    {"Label6", ControlKind::Label, "YA  Высота лeвой опоры", 0, 6600, 1215, 495},
    {"Text9", ControlKind::TextBox, "Text9", 10200, 4440, 615, 495, "YA"},
    {"Label7", ControlKind::Label, "YA", 9840, 4560, 255, 255},
}};

} // namespace hc
