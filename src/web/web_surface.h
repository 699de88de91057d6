#pragma once

#include "commands/control_table.h"
#include "commands/narration.h"
#include "commands/window_handlers.h"
#include "commands/work_clock.h"
#include "drawing/device_pixels.h"
#include "drawing/drawing_record.h"
#include "drawing/drawing_surface.h"
#include "drawing/legible.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hc {

// The browser page as the handlers' drawing surface: its canvas, its text
// boxes and its modal messages, through the page's script (page_bridge.h).
// Dots and segments are placed in device pixels by the core's DeviceGrid and
// handed to the canvas in one batch: at the end of a press, before a message,
// and whenever the work clock says a long press is to show its work, which
// also lets the page breathe. What is drawn is kept (DrawingRecord), so that a
// canvas made anew, at another size, ratio or theme, is drawn again whole.
class WebSurface : public DrawingSurface {
  public:
    // 1 CSS pixel = 15 twips at 100 % zoom: 96 pixels to the inch.
    static constexpr double kPixelsPerTwip = 1.0 / kTwipsPerPixel;
    // The window's canvas, CSS pixels a side: the window at its widest, and
    // as high. Its drawing lies in the square of that many twips.
    static constexpr int kCanvasTwips = kClearedWidth;
    static constexpr int kWindowCanvasPixels = kDrawingPixels;
    // The form's font, which Print writes in; a point is 20 twips.
    static constexpr double kFontTwips = kFontPoints * 20;

    WebSurface(std::string decimalSeparator, Rgb background, Rgb foreground);

    const std::string& DecimalSeparator() const override { return separator_; }

    // The page's two layouts, each making the canvas anew and drawing on it
    // again what was drawn. Where the window fits: its canvas, 15 twips to
    // the CSS pixel, at `ratio` device pixels to the CSS pixel.
    void ViewWindow(double ratio);
    // Where it does not: the window's whole drawing on a square canvas
    // `deviceSide` device pixels a side.
    void ViewNarrow(double ratio, int deviceSide);
    // A new colour scheme: everything drawn again in its new colours.
    void SetColours(Rgb background, Rgb foreground);

    // A new press: its work starts now.
    void StartPress();
    // The press is over: what it drew, to the canvas; what it changed, said.
    void EndPress();

  protected:
    bool DoCls() override;
    bool DoLine(float x1, float y1, float x2, float y2, Colour colour) override;
    bool DoPSet(float x, float y) override;
    bool DoCircle(float x, float y, float radius, Colour colour) override;
    void DoPrint(std::string_view line) override;
    bool DoSetWidth(float twips) override;
    bool DoSetHeight(float twips) override;
    bool DoText(TextBox box, std::string& text) override;
    bool DoSetText(TextBox box, std::string_view text) override;
    void DoShowMessage(std::string_view prompt) override;

  public:
    // What was drawn and not yet on the canvas, to it.
    void Flush();

  private:
    void View(DeviceGrid grid, double pixelsPerTwip);
    void Draw(const DrawingRecord::Line& line);
    void Draw(const DrawingRecord::Circle& circle);
    void Draw(const DrawingRecord::Print& print);
    void Draw(const DrawingRecord::Dot& dot);
    void Fill(const DeviceRect& rect, Rgb colour);
    double Device(float twips) const { return twips * pixelsPerTwip_ * ratio_; }

    std::string separator_;
    DrawingColours colours_;
    double ratio_ = 1;
    double pixelsPerTwip_ = kPixelsPerTwip; // CSS pixels to the twip
    DeviceGrid grid_;
    DrawingRecord record_{kDrawingEdge};
    Narration narration_;
    float sightWidth_ = 0;              // the client area's width, twips, once the core has set it
    double printTop_ = 0;               // device pixels
    std::vector<std::int32_t> pending_; // left, top, right, bottom, colour; five a rectangle
    WorkClock clock_;
};

} // namespace hc
