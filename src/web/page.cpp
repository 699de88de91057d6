// The page's WebAssembly side: the worksheet and the surface, and the one
// call that runs a handler, as the desktop window has them. These functions
// are the page's exports, declared in page_bridge.h.
#include "commands/control_table.h"
#include "commands/run_command.h"
#include "commands/window_handlers.h"
#include "drawing/primer.h"
#include "model/sheet.h"
#include "web/page_bridge.h"
#include "web/web_surface.h"

#include <memory>

namespace hc {
namespace {

struct Page {
    Sheet sheet;
    WebSurface surface;
};
std::unique_ptr<Page> page;

void Run(Handler handler, std::string_view command) {
    page->surface.StartPress();
    const auto report = RunCommand(handler, page->sheet, page->surface, command);
    page->surface.Flush();
    if (report)
        hc_page_error(report->c_str());
    page->surface.EndPress();
}

} // namespace
} // namespace hc

extern "C" {

// The decimal separator of the browser's language; the page's colours,
// 0xRRGGBB. A layout (hc_view_window, hc_view_narrow) makes the canvas next.
void hc_start(const char* decimalSeparator, int background, int foreground) {
    hc::page = std::make_unique<hc::Page>(
        hc::Page{{},
                 hc::WebSurface(decimalSeparator, static_cast<hc::Rgb>(background),
                                static_cast<hc::Rgb>(foreground))});
}

void hc_view_window(double ratio) {
    hc::page->surface.ViewWindow(ratio);
}

void hc_view_narrow(double ratio, int deviceSide) {
    hc::page->surface.ViewNarrow(ratio, deviceSide);
}

void hc_set_colours(int background, int foreground) {
    hc::page->surface.SetColours(static_cast<hc::Rgb>(background),
                                 static_cast<hc::Rgb>(foreground));
}

void hc_activate() {
    hc::Run(hc::ActivateHandler, hc::kActivationCaption);
}

// A click on the control of that row of the control table.
void hc_press(int control) {
    if (control < 0 || control >= static_cast<int>(hc::kControls.size()))
        return;
    const hc::ControlSpec& row = hc::kControls[static_cast<std::size_t>(control)];
    if (const auto* button = std::get_if<hc::ButtonControl>(&row.kind); button && button->handler)
        hc::Run(button->handler, row.text);
}

// The window's public operation that no control invokes, as the desktop's
// Form1 has it: a circle and a line of text on the drawing.
void hc_primer() {
    hc::Run([](hc::Sheet&, hc::DrawingSurface& surface) { hc::Primer(surface); }, "Primer");
}
}
