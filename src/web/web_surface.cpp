#include "web/web_surface.h"

#include "commands/control_table.h"
#include "web/page_bridge.h"

#include <cmath>
#include <cstdlib>
#include <variant>

namespace hc {

WebSurface::WebSurface(std::string decimalSeparator, Rgb background, Rgb foreground)
    : separator_(std::move(decimalSeparator))
    , colours_(background, foreground)
    , grid_(kPixelsPerTwip, 1, kWindowCanvasPixels, kWindowCanvasPixels) {}

void WebSurface::ViewWindow(double ratio) {
    ratio_ = ratio;
    View(DeviceGrid(kPixelsPerTwip, ratio, kWindowCanvasPixels, kWindowCanvasPixels),
         kPixelsPerTwip);
}

void WebSurface::ViewNarrow(double ratio, int deviceSide) {
    ratio_ = ratio;
    const double pixelsPerTwip = deviceSide / ratio / kCanvasTwips;
    View(DeviceGrid::OfDevicePixels(pixelsPerTwip, ratio, deviceSide, deviceSide), pixelsPerTwip);
}

void WebSurface::View(DeviceGrid grid, double pixelsPerTwip) {
    pending_.clear();
    grid_ = grid;
    pixelsPerTwip_ = pixelsPerTwip;
    hc_page_canvas(grid_.deviceWidth(), grid_.deviceHeight(),
                   static_cast<int>(colours_.background()));
    printTop_ = 0;
    record_.Replay([this](const auto& shape) { Draw(shape); });
    Flush();
}

void WebSurface::SetColours(Rgb background, Rgb foreground) {
    colours_ = DrawingColours(background, foreground);
    View(grid_, pixelsPerTwip_);
}

void WebSurface::StartPress() {
    clock_ = WorkClock();
    narration_.Begin(record_.Count());
}

void WebSurface::EndPress() {
    Flush();
    const Narration::Words words = narration_.End(record_.Count());
    if (words.plot)
        hc_page_describe_plot(words.plot->c_str());
    hc_page_announce(words.said.c_str());
}

void WebSurface::Fill(const DeviceRect& rect, Rgb colour) {
    pending_.insert(pending_.end(),
                    {rect.left, rect.top, rect.right, rect.bottom, static_cast<int>(colour)});
}

void WebSurface::Flush() {
    if (pending_.empty())
        return;
    hc_page_fill(pending_.data(), static_cast<int>(pending_.size()));
    pending_.clear();
}

void WebSurface::Draw(const DrawingRecord::Line& line) {
    const Rgb shade = colours_.Line(line.colour);
    if (line.x1 != line.x2 && line.y1 != line.y2) { // never the frame's
        for (const DeviceRect& square : grid_.Slanted(line.x1, line.y1, line.x2, line.y2))
            Fill(square, shade);
    } else if (const auto segment = grid_.Segment(line.x1, line.y1, line.x2, line.y2)) {
        Fill(*segment, shade);
    }
}

void WebSurface::Draw(const DrawingRecord::Circle& circle) {
    Flush();
    hc_page_circle(Device(circle.x), Device(circle.y), Device(circle.radius),
                   static_cast<int>(colours_.Line(circle.colour)), DotPixels(ratio_));
}

void WebSurface::Draw(const DrawingRecord::Print& print) {
    Flush();
    const double size = kFontTwips * pixelsPerTwip_ * ratio_;
    hc_page_print(print.line.c_str(), printTop_, size, static_cast<int>(colours_.foreground()));
    printTop_ += std::ceil(size * 1.25);
}

void WebSurface::Draw(const DrawingRecord::Dot& dot) {
    if (const auto rect = grid_.Dot(dot.x, dot.y))
        Fill(*rect, colours_.foreground());
}

bool WebSurface::DoCls() {
    record_.Clear();
    pending_.clear();
    printTop_ = 0;
    hc_page_canvas(grid_.deviceWidth(), grid_.deviceHeight(),
                   static_cast<int>(colours_.background()));
    return true;
}

bool WebSurface::DoLine(float x1, float y1, float x2, float y2, Colour colour) {
    const DrawingRecord::Line line{x1, y1, x2, y2, RgbOf(colour)};
    record_.Add(line);
    Draw(line);
    return true;
}

bool WebSurface::DoPSet(float x, float y) {
    if (clock_.Step()) {
        Flush();
        hc_page_breathe();
    }
    if (record_.Add(DrawingRecord::Dot{x, y}))
        Draw(DrawingRecord::Dot{x, y});
    return true;
}

bool WebSurface::DoCircle(float x, float y, float radius, Colour colour) {
    const DrawingRecord::Circle circle{x, y, radius, RgbOf(colour)};
    record_.Add(circle);
    Draw(circle);
    return true;
}

void WebSurface::DoPrint(std::string_view line) {
    DrawingRecord::Print print{std::string(line)};
    Draw(print);
    record_.Add(std::move(print));
}

bool WebSurface::DoSetWidth(float twips) {
    hc_page_set_width(twips * kPixelsPerTwip);
    // Beyond the client area's right edge a control is out of sight. A
    // button a wider window brings into sight is said, in tab order: on a
    // phone it appears below the others, where a screen reader would not
    // look for it.
    std::string ids;
    for (const ControlSpec& control : kControls) {
        if (control.left >= twips)
            continue;
        ids += (ids.empty() ? "" : " ") + std::string(control.name);
        if (sightWidth_ > 0 && control.left >= sightWidth_ &&
            std::holds_alternative<ButtonControl>(control.kind))
            narration_.Shown(control.text);
    }
    sightWidth_ = twips;
    hc_page_in_sight(ids.c_str());
    return true;
}

bool WebSurface::DoSetHeight(float twips) {
    hc_page_set_height(twips * kPixelsPerTwip);
    return true;
}

bool WebSurface::DoText(TextBox box, std::string& text) {
    char* read = hc_page_text(std::string(NameOf(box)).c_str());
    text = read;
    std::free(read);
    return true;
}

bool WebSurface::DoSetText(TextBox box, std::string_view text) {
    hc_page_set_text(std::string(NameOf(box)).c_str(), std::string(text).c_str());
    narration_.Wrote(box, text);
    return true;
}

void WebSurface::DoShowMessage(std::string_view prompt) {
    Flush(); // what was drawn so far shows behind the message
    clock_.Pause();
    hc_page_message(std::string(prompt).c_str());
    clock_.Resume();
}

} // namespace hc
