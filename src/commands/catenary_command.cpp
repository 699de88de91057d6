#include "commands/catenary_command.h"

#include "drawing/drawing_surface.h"
#include "drawing/sweep.h"
#include "model/fault_status.h"
#include "model/sheet.h"

#include <cmath>

namespace hc {

void CatenaryCommand(Sheet& sheet, DrawingSurface& surface) {
    sheet.XA = surface.Number(TextBox::Text2);
    sheet.XB = surface.Number(TextBox::Text3);
    sheet.C = surface.Number(TextBox::Text1);

    // Strict: C equal to the minimum is raised to it all the same, with the message.
    if (!(sheet.C > kMinimumC)) {
        surface.ShowMessage(kMinimumCMessage);
        sheet.C = kMinimumC;
        surface.SetNumber(TextBox::Text1, sheet.C);
    }

    surface.PSet(0, 0);

    sheet.X = fp::ToSingle(sheet.XA);
    sheet.XHolds = Abscissa::LeftAtXA;
    sheet.YA = ChainY(sheet, sheet.X, Abscissa::XA);
    surface.SetNumber(TextBox::Text8, sheet.YA);

    sheet.X = fp::ToSingle(sheet.XB);
    sheet.XHolds = Abscissa::LeftAtXB;
    sheet.YB = ChainY(sheet, sheet.X, Abscissa::XB);

    sheet.WA = ArcLength(sheet, sheet.YA);
    surface.SetNumber(TextBox::Text5, sheet.WA);
    sheet.WB = ArcLength(sheet, sheet.YB);

    sheet.L = surface.Number(TextBox::Text6);
    const double span = std::fabs(sheet.XA);
    FaultCheck(Step::Span);
    if (!(span < sheet.L)) {
        surface.ShowMessage(kShortChainMessage);
        return;
    }

    sheet.K = fp::Div(sheet.PlotW, kPlotUnits);
    FaultCheck(Step::Scale);
    // Only the left branch, from the support to the vertex; a negative XA
    // starts beyond the end and plots nothing.
    const double start = -sheet.XA;
    FaultCheck(Step::Span);
    sheet.X = fp::ToSingle(start);
    Sweep(sheet, surface, [&sheet](float x) { return ChainY(sheet, x); }, sheet.X, 0, kChainStep);
}

} // namespace hc
