#include "commands/run_command.h"

#include "commands/error_report.h"
#include "drawing/drawing_surface.h"
#include "model/fault_status.h"
#include "model/run_error.h"

#include <exception>

namespace hc {

std::optional<std::string> RunCommand(Handler handler, Sheet& sheet, DrawingSurface& surface,
                                      std::string_view command) {
    ClearFaults();
    std::optional<std::string> report;
    try {
        handler(sheet, surface);
    } catch (const RunError& error) {
        report = DescribeError(error, command, surface.DecimalSeparator());
    } catch (const std::exception& error) {
        report = "Команда «" + std::string(command) + "» прервана: внутренняя ошибка (" +
                 error.what() + ").";
    }
    ClearFaults();
    return report;
}

} // namespace hc
