// The page's WebAssembly side: the worksheet and the surface, and the one
// call that runs a handler, as the desktop window has them.
#include "commands/control_table.h"
#include "commands/run_command.h"
#include "commands/window_handlers.h"
#include "model/sheet.h"
#include "web/page_bridge.h"
#include "web/web_surface.h"

#include <emscripten/emscripten.h>
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
        hc_page_ask(report->c_str(), 1);
}

} // namespace
} // namespace hc

extern "C" {

// The canvas is `width` × `height` CSS pixels at `ratio` device pixels each;
// colours are 0xRRGGBB.
EMSCRIPTEN_KEEPALIVE void hc_start(const char* decimalSeparator, double ratio, int width,
                                   int height, int background, int foreground) {
    hc::page = std::make_unique<hc::Page>(hc::Page{
        {},
        hc::WebSurface(decimalSeparator, ratio, width, height, static_cast<hc::Rgb>(background),
                       static_cast<hc::Rgb>(foreground))});
}

// How many device pixels `cssPixels` cover at `ratio`: the canvas's size.
EMSCRIPTEN_KEEPALIVE int hc_device_pixels(double ratio, int cssPixels) {
    return hc::DeviceGrid(hc::WebSurface::kPixelsPerTwip, ratio, cssPixels, cssPixels)
        .deviceWidth();
}

EMSCRIPTEN_KEEPALIVE void hc_activate() {
    hc::Run(hc::ActivateHandler, hc::kActivationCaption);
}

// A click on the control of that row of the control table.
EMSCRIPTEN_KEEPALIVE void hc_press(int control) {
    if (control < 0 || control >= static_cast<int>(hc::kControls.size()))
        return;
    const hc::ControlSpec& row = hc::kControls[static_cast<std::size_t>(control)];
    if (const auto* button = std::get_if<hc::ButtonControl>(&row.kind); button && button->handler)
        hc::Run(button->handler, row.text);
}

EMSCRIPTEN_KEEPALIVE void hc_set_ratio(double ratio) {
    hc::page->surface.SetRatio(ratio);
}

EMSCRIPTEN_KEEPALIVE void hc_set_colours(int background, int foreground) {
    hc::page->surface.SetColours(static_cast<hc::Rgb>(background),
                                 static_cast<hc::Rgb>(foreground));
}
}
