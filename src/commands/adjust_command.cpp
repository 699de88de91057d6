#include "commands/adjust_command.h"

#include "drawing/drawing_surface.h"
#include "model/fault_status.h"
#include "model/sheet.h"

namespace hc {

void AdjustCommand(Sheet& sheet, DrawingSurface& surface) {
    sheet.L = surface.Number(TextBox::Text6);
    if (!(sheet.L > sheet.WA))
        return;

    // C is stored before its check: a fault leaves it raised.
    sheet.C = fp::Mul(sheet.C, kGrowth);
    FaultCheck(Step::RaiseC);
    // X is wherever the last sweep or evaluation left it.
    sheet.YA = ChainY(sheet, sheet.X, sheet.XHolds);
    surface.SetNumber(TextBox::Text9, sheet.YA);
    sheet.WA = ArcLength(sheet, sheet.YA);
    surface.SetNumber(TextBox::Text1, sheet.C);
    surface.SetNumber(TextBox::Text5, sheet.WA);
}

} // namespace hc
