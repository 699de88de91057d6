#include "commands/error_report.h"

#include "commands/advice_limits.h"
#include "commands/control_table.h"
#include "model/numeric.h"
#include "model/run_error.h"

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
    case Step::ArcLengthPower:
        return "при возведении в степень";
    case Step::ChainYAbscissa:
    case Step::ChainYRatio:
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

// The support whose box the abscissa came from; none for a plotted one.
std::string_view SupportOf(Abscissa abscissa) {
    switch (abscissa) {
    case Abscissa::Plotted:
        return {};
    case Abscissa::XA:
    case Abscissa::LeftAtXA:
        return "XA";
    case Abscissa::XB:
    case Abscissa::LeftAtXB:
        return "XB";
    }
    return {};
}

bool LeftByAStoppedPlot(Abscissa abscissa) {
    return abscissa == Abscissa::LeftAtXA || abscissa == Abscissa::LeftAtXB;
}

constexpr std::string_view kPlotAgain =
    "постройте график заново кнопкой «Построить график Морвина»";

// What the user can do, where the error itself tells why its step failed.
std::string Advice(const RunError& error, std::string_view separator) {
    const auto number = [separator](double value) { return ToText(value, separator); };
    const std::string_view support = error.abscissa() ? SupportOf(*error.abscissa()) : "";
    const std::string plotAgain(kPlotAgain);
    switch (error.step()) {
    case Step::ChainYRatio:
        // Only C divides the abscissa, and C is 0 until the first plot reads it.
        return " Сначала постройте график кнопкой «Построить график Морвина».";
    case Step::ChainYAbscissa:
        if (support.empty())
            return {};
        return " Число " + std::string(support) + " слишком велико для абсциссы: |" +
               std::string(support) + "| должно быть не больше " + number(kAdviceLimits.abscissa) +
               ". Исправьте его и " + plotAgain + ".";
    case Step::ChainYPower:
        if (error.kind() != ErrorKind::Overflow || support.empty())
            return {};
        if (LeftByAStoppedPlot(*error.abscissa()))
            return " Последняя абсцисса — значение " + std::string(support) +
                   ", оставленное прерванным построением: отношение |" + std::string(support) +
                   "|/C должно быть не больше " + number(kAdviceLimits.ratio) + ". Исправьте " +
                   std::string(support) + " и " + plotAgain + ".";
        return " Отношение |" + std::string(support) +
               "|/C слишком велико: оно должно быть не больше " + number(kAdviceLimits.ratio) + ".";
    case Step::ArcLengthPower:
        if (error.kind() != ErrorKind::Overflow)
            return {};
        // The height is at least C, and C·ch(x/C) grows as fast as e^(x/C).
        return " Высота опоры слишком велика для длины дуги: она должна быть не больше " +
               number(kAdviceLimits.height) +
               ". Введите меньшее C, если оно само так велико, или уменьшите отношения |XA|/C и "
               "|XB|/C и " +
               plotAgain + ".";
    case Step::RaiseC:
        return " C слишком велико, чтобы его увеличить. Введите меньшее C и " + plotAgain + ".";
    case Step::Sweep:
        return " Точки графика не помещаются в окно: C и |XA| должны быть не больше " +
               number(kAdviceLimits.plotted) + ". Исправьте их и " + plotAgain + ".";
    default:
        return {};
    }
}

} // namespace

std::string DescribeError(const RunError& error, std::string_view command,
                          std::string_view decimalSeparator) {
    std::string where(StepText(error.step()));
    if (const auto box = error.box())
        where += " «" + std::string(CaptionOf(*box)) + "»";
    return "Команда «" + std::string(command) +
           "» прервана: " + std::string(KindText(error.kind())) + ", " + where + "." +
           Advice(error, decimalSeparator) +
           "\n\nВведённые значения сохранены: их можно исправить и повторить.";
}

} // namespace hc
