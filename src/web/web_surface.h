#pragma once

#include "commands/work_clock.h"
#include "drawing/device_pixels.h"
#include "drawing/drawing_surface.h"
#include "drawing/legible.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hc {

// The browser page as the handlers' drawing surface: its canvas, its text
// boxes and its modal messages, through the page's script (page_library.js).
// Dots and segments are placed in device pixels by the core's DeviceGrid and
// handed to the canvas in one batch: at the end of a press, before a message,
// and whenever the work clock says a long press is to show its work, which
// also lets the page breathe.
class WebSurface : public DrawingSurface {
  public:
    // 1 CSS pixel = 15 twips at 100 % zoom: 96 pixels to the inch.
    static constexpr double kPixelsPerTwip = 1.0 / 15;

    // The canvas is `width` × `height` CSS pixels at `ratio` device pixels
    // each; 15 twips to the CSS pixel. Colours are 0xRRGGBB.
    WebSurface(std::string decimalSeparator, double ratio, int width, int height, Rgb background,
               Rgb foreground);

    const std::string& DecimalSeparator() const override { return separator_; }

    // A new press: its work starts now.
    void StartPress() { clock_ = WorkClock(); }
    // What was drawn and not yet on the canvas, to it.
    void Flush();
    // A zoom or a screen of another ratio: the canvas has been made again.
    void SetRatio(double ratio);
    // A new colour scheme: the canvas's pixels take their new colours.
    void SetColours(Rgb background, Rgb foreground);

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

  private:
    void Fill(const DeviceRect& rect, Rgb colour);

    std::string separator_;
    DeviceGrid grid_;
    int width_;
    int height_;
    DrawingColours colours_;
    std::vector<std::int32_t> pending_; // left, top, right, bottom, colour; five a rectangle
    WorkClock clock_;
};

} // namespace hc
