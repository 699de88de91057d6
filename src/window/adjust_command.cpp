#include "adjust_command.h"

#include "drawing_surface.h"
#include "fault_status.h"
#include "numeric.h"
#include "sheet.h"

namespace hc {

void AdjustCommand(Sheet& sheet, DrawingSurface& surface) {
    const std::string separator = surface.DecimalSeparator();
    sheet.L = ToNumber(surface.Text(TextBox::Text6), separator);
    if (!(sheet.L > sheet.WA))
        return;

    // C is stored before its check: a fault leaves it raised.
    sheet.C = fp::Mul(sheet.C, kGrowth);
    FaultCheck("AdjustCommand");
    // X is wherever the last sweep or evaluation left it.
    sheet.YA = ChainY(sheet, sheet.X);
    surface.SetText(TextBox::Text9, ToText(sheet.YA, separator));
    sheet.WA = ArcLength(sheet, sheet.YA);
    surface.SetText(TextBox::Text1, ToText(sheet.C, separator));
    surface.SetText(TextBox::Text5, ToText(sheet.WA, separator));
}

} // namespace hc
