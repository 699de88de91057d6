#include "error_report.h"

#include "run_error.h"

#include <array>
#include <utility>

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

std::string OperationText(std::string_view operation) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 14> kOperations = {{
        {"ChainY", "при вычислении ординаты цепной линии"},
        {"ArcLength", "при вычислении длины дуги"},
        {"PowerOf", "при возведении в степень"},
        {"ToNumber", "при чтении числа из поля"},
        {"Sweep", "при построении точек графика"},
        {"loop step", "при переходе к следующей точке графика"},
        {"DrawFrame", "при рисовании осей"},
        {"K", "при вычислении масштаба"},
        {"CatenaryCommand", "при расчёте цепной линии"},
        {"AdjustCommand", "при увеличении C"},
        {"Increment16", "в целочисленной операции"},
        {"Multiply32", "в целочисленной операции"},
        {"RoundToInt32", "в целочисленной операции"},
        {"QBColor", "при выборе цвета"},
    }};
    for (const auto& [name, text] : kOperations)
        if (name == operation)
            return std::string(text);
    return "в операции «" + std::string(operation) + "»";
}

} // namespace

std::string DescribeError(const RunError& error, std::string_view command) {
    return "Команда «" + std::string(command) +
           "» прервана: " + std::string(KindText(error.kind())) + ", " +
           OperationText(error.operation()) +
           ".\n\nВведённые значения сохранены: их можно исправить и повторить.";
}

} // namespace hc
