#include "catenary_command.h"

#include "drawing_surface.h"
#include "fault_status.h"
#include "numeric.h"
#include "sheet.h"
#include "sweep.h"

#include <cmath>

namespace hc {

void CatenaryCommand(Sheet& sheet, DrawingSurface& surface) {
    const std::string separator = surface.DecimalSeparator();
    sheet.XA = ToNumber(surface.Text(TextBox::Text2), separator);
    sheet.XB = ToNumber(surface.Text(TextBox::Text3), separator);
    sheet.C = ToNumber(surface.Text(TextBox::Text1), separator);

    // Strict: C equal to the minimum is raised to it all the same, with the message.
    if (!(sheet.C > kMinimumC)) {
        surface.ShowMessage(kMinimumCMessage);
        sheet.C = kMinimumC;
        surface.SetText(TextBox::Text1, ToText(sheet.C, separator));
    }

    surface.PSet(0, 0);

    sheet.X = fp::ToSingle(sheet.XA);
    sheet.YA = ChainY(sheet, sheet.X);
    surface.SetText(TextBox::Text8, ToText(sheet.YA, separator));

    sheet.X = fp::ToSingle(sheet.XB);
    sheet.YB = ChainY(sheet, sheet.X);

    sheet.WA = ArcLength(sheet, sheet.YA);
    surface.SetText(TextBox::Text5, ToText(sheet.WA, separator));
    sheet.WB = ArcLength(sheet, sheet.YB);

    sheet.L = ToNumber(surface.Text(TextBox::Text6), separator);
    const double span = std::fabs(sheet.XA);
    FaultCheck("CatenaryCommand");
    if (!(span < sheet.L)) {
        surface.ShowMessage(kShortChainMessage);
        return;
    }

    sheet.K = fp::Div(sheet.PlotW, 10);
    FaultCheck("CatenaryCommand");
    // Only the left branch, from the support to the vertex; a negative XA
    // starts beyond the end and plots nothing.
    const double start = -sheet.XA;
    FaultCheck("CatenaryCommand");
    sheet.X = fp::ToSingle(start);
    Sweep(
        sheet, surface, [&sheet](float x) { return ChainY(sheet, x); }, sheet.X, 0, kChainStep);
}

} // namespace hc
