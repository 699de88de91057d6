#include "window/error_report.h"

#include "model/run_error.h"
#include "model/sheet.h"
#include "window/control_table.h"

#include <cmath>
#include <limits>
#include <string>

namespace hc {

namespace {

std::string_view KindText(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::ArithmeticFault:
        return "арифметическая ошибка (деление на ноль, недопустимая операция или переполнение)";
    case ErrorKind::Overflow:
        return "переполнение: число вышло за допустимый диапазон";
    case ErrorKind::InvalidArgument:
        return "недопустимый аргумент: для такого значения нет вещественного результата";
    case ErrorKind::ObjectCallFailed:
        return "не удалась операция окна";
    case ErrorKind::LoopStalled:
        return "шаг построения слишком мал для такой абсциссы: график не может продвинуться";
    }
    return "ошибка";
}

std::string_view StepText(Step step) {
    switch (step) {
    case Step::ReadNumber:
        return "при чтении числа из поля";
    case Step::Power:
    case Step::ChainYPower:
    case Step::ChainYPowerAtXA:
    case Step::ChainYPowerAtXB:
    case Step::ArcLengthPower:
        return "при возведении в степень";
    case Step::ChainY:
        return "при вычислении ординаты цепной линии";
    case Step::ArcLength:
        return "при вычислении длины дуги";
    case Step::Scale:
        return "при вычислении масштаба";
    case Step::Span:
        return "при расчёте цепной линии";
    case Step::RaiseC:
        return "при увеличении C";
    case Step::Sweep:
        return "при построении точек графика";
    case Step::LoopStep:
        return "при переходе к следующей точке графика";
    case Step::Frame:
        return "при рисовании осей";
    case Step::TickCounter:
    case Step::Product32:
    case Step::ToInt32:
        return "в целочисленной операции";
    case Step::Palette:
        return "при выборе цвета";
    case Step::Cls:
        return "при очистке окна";
    case Step::Line:
        return "при рисовании линии";
    case Step::PSet:
        return "при рисовании точки";
    case Step::Circle:
        return "при рисовании окружности";
    case Step::Width:
        return "при изменении ширины окна";
    case Step::Height:
        return "при изменении высоты окна";
    case Step::GetText:
        return "при чтении поля";
    case Step::SetText:
        return "при записи в поле";
    }
    return "";
}

// What the user can do, where the worksheet shows why the step failed.
std::string Advice(const RunError& error, const Sheet& sheet) {
    // C stays 0 until the first plot reads it.
    if (error.step() == Step::ChainY && sheet.C == 0)
        return " Сначала постройте график кнопкой «Построить график Морвина».";
    // X beyond binary32 can only have come from XA or XB: a sweep moves it towards 0.
    if (error.step() == Step::ChainY && !std::isfinite(sheet.X)) {
        const char* support = std::fabs(sheet.XA) > std::numeric_limits<float>::max() ? "XA" : "XB";
        return std::string(" Число ") + support + " слишком велико для абсциссы: |" + support +
               "| должно быть не больше 3,4E+38. Исправьте его и постройте график заново "
               "кнопкой «Построить график Морвина».";
    }
    if (error.step() == Step::RaiseC)
        return " C слишком велико, чтобы его увеличить. Введите меньшее C и постройте график "
               "заново кнопкой «Построить график Морвина».";
    const auto ratio = [](const char* quotient) {
        return std::string(" Отношение ") + quotient +
               " слишком велико: оно должно быть не больше 709,78.";
    };
    if (error.kind() == ErrorKind::Overflow) {
        switch (error.step()) {
        case Step::ChainYPowerAtXA:
            return ratio("|XA|/C");
        case Step::ChainYPowerAtXB:
            return ratio("|XB|/C");
        case Step::ChainYPower:
            return ratio("|X|/C");
        case Step::ArcLengthPower:
            // The height is at least C, and C·ch(x/C) grows as fast as e^(x/C).
            return " Высота опоры слишком велика для длины дуги: она должна быть не больше "
                   "1,34E+154. Введите меньшее C, если оно само так велико, или уменьшите "
                   "отношения |XA|/C и |XB|/C и постройте график заново кнопкой «Построить "
                   "график Морвина».";
        default:
            break;
        }
    }
    // A dot's place in the window is its ordinate and abscissa times the scale
    // (800) as a binary32 number.
    if (error.step() == Step::Sweep)
        return " Точки графика не помещаются в окно: C и |XA| должны быть не больше 4,2E+35. "
               "Исправьте их и постройте график заново кнопкой «Построить график Морвина».";
    return {};
}

} // namespace

std::string DescribeError(const RunError& error, std::string_view command, const Sheet& sheet) {
    std::string where(StepText(error.step()));
    if (const auto box = error.box())
        where += " «" + std::string(CaptionOf(*box)) + "»";
    return "Команда «" + std::string(command) +
           "» прервана: " + std::string(KindText(error.kind())) + ", " + where + "." +
           Advice(error, sheet) +
           "\n\nВведённые значения сохранены: их можно исправить и повторить.";
}

} // namespace hc
