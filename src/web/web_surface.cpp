#include "web/web_surface.h"

#include "web/page_bridge.h"

#include <cstdlib>

namespace hc {

namespace {

Rgb FromBgr(Colour colour) {
    return (colour & 0xFF) << 16 | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

} // namespace

WebSurface::WebSurface(std::string decimalSeparator, double ratio, int width, int height,
                       Rgb background, Rgb foreground)
    : separator_(std::move(decimalSeparator))
    , grid_(kPixelsPerTwip, ratio, width, height)
    , width_(width)
    , height_(height)
    , colours_(background, foreground) {}

void WebSurface::Fill(const DeviceRect& rect, Rgb colour) {
    pending_.insert(pending_.end(),
                    {rect.left, rect.top, rect.right, rect.bottom, static_cast<int>(colour)});
}

void WebSurface::Flush() {
    if (pending_.empty())
        return;
    hc_page_fill(pending_.data(), static_cast<int>(pending_.size() / 5));
    pending_.clear();
}

void WebSurface::SetRatio(double ratio) {
    Flush();
    grid_ = DeviceGrid(kPixelsPerTwip, ratio, width_, height_);
}

void WebSurface::SetColours(Rgb background, Rgb foreground) {
    Flush();
    std::vector<int> pairs;
    for (const auto& [was, becomes] : colours_.Change(background, foreground)) {
        pairs.push_back(static_cast<int>(was));
        pairs.push_back(static_cast<int>(becomes));
    }
    hc_page_recolour(pairs.data(), static_cast<int>(pairs.size() / 2));
}

bool WebSurface::DoCls() {
    pending_.clear();
    hc_page_clear(static_cast<int>(colours_.background()));
    return true;
}

bool WebSurface::DoLine(float x1, float y1, float x2, float y2, Colour colour) {
    const Rgb shade = colours_.Line(FromBgr(colour));
    if (x1 != x2 && y1 != y2) { // never the frame's: the canvas's own line
        Flush();
        hc_page_line(x1 * kPixelsPerTwip, y1 * kPixelsPerTwip, x2 * kPixelsPerTwip,
                     y2 * kPixelsPerTwip, static_cast<int>(shade));
    } else if (const auto segment = grid_.Segment(x1, y1, x2, y2)) {
        Fill(*segment, shade);
    }
    return true;
}

bool WebSurface::DoPSet(float x, float y) {
    if (clock_.Step()) {
        Flush();
        hc_page_breathe();
    }
    if (const auto dot = grid_.Dot(x, y))
        Fill(*dot, colours_.foreground());
    return true;
}

bool WebSurface::DoCircle(float x, float y, float radius, Colour colour) {
    Flush();
    hc_page_circle(x * kPixelsPerTwip, y * kPixelsPerTwip, radius * kPixelsPerTwip,
                   static_cast<int>(colours_.Line(FromBgr(colour))));
    return true;
}

void WebSurface::DoPrint(std::string_view line) {
    Flush();
    hc_page_print(std::string(line).c_str(), static_cast<int>(colours_.foreground()));
}

bool WebSurface::DoSetWidth(float twips) {
    hc_page_set_size(0, twips * kPixelsPerTwip);
    return true;
}

bool WebSurface::DoSetHeight(float twips) {
    hc_page_set_size(1, twips * kPixelsPerTwip);
    return true;
}

bool WebSurface::DoText(TextBox box, std::string& text) {
    char* read = hc_page_text(static_cast<int>(box));
    if (read == nullptr)
        return false;
    text = read;
    std::free(read);
    return true;
}

bool WebSurface::DoSetText(TextBox box, std::string_view text) {
    hc_page_set_text(static_cast<int>(box), std::string(text).c_str());
    return true;
}

void WebSurface::DoShowMessage(std::string_view prompt) {
    Flush(); // what was drawn so far shows behind the message
    clock_.Pause();
    hc_page_ask(std::string(prompt).c_str(), 0);
    clock_.Resume();
}

} // namespace hc
