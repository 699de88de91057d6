#pragma once

#include <optional>
#include <vector>

namespace hc {

// A rectangle of device pixels, the right and bottom edges excluded.
struct DeviceRect {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const DeviceRect&) const = default;
};

// The side of a dot and the width of a line in device pixels at `ratio`
// device pixels to the device-independent pixel: the ratio rounded, at least
// one, so that a dot or a line has the same whole width wherever it lies.
int DotPixels(double ratio);

// Where a drawing in twips falls in the device pixels of one shell's surface:
// `pixelsPerTwip` device-independent pixels to the twip, `ratio` device pixels
// to the device-independent pixel, and the surface `width` × `height`
// device-independent pixels. One mapping, with no rounding to a grid of whole
// device-independent pixels, which at a ratio of 1.25 would leave every fifth
// device column empty.
class DeviceGrid {
  public:
    DeviceGrid(double pixelsPerTwip, double ratio, int width, int height);
    // A surface of `deviceWidth` × `deviceHeight` device pixels, whatever
    // fraction of a device-independent pixel that leaves.
    static DeviceGrid OfDevicePixels(double pixelsPerTwip, double ratio, int deviceWidth,
                                     int deviceHeight);

    // The surface's size in device pixels.
    int deviceWidth() const { return deviceWidth_; }
    int deviceHeight() const { return deviceHeight_; }

    // The square a dot at (x, y) twips sets: round(ratio) device pixels a
    // side (at least one), so that every dot is the same whole square at any
    // ratio, from the device pixel under its exact position, clipped to the
    // surface; nothing when the dot lies outside it (or is not a number).
    std::optional<DeviceRect> Dot(double x, double y) const;
    // The device pixels of a horizontal or vertical segment from (x1, y1) to
    // (x2, y2) twips, both ends included, as wide as a dot and centred on its
    // line, clipped to the surface: crisp at any ratio, for a shell with no
    // line of its own that is. Nothing for a slanted segment or one wholly
    // outside.
    std::optional<DeviceRect> Segment(double x1, double y1, double x2, double y2) const;
    // The device pixels of a slanted segment, as squares as wide as a dot
    // centred on it at every device pixel along its longer extent, clipped to
    // the surface: for a shell with no line of its own.
    std::vector<DeviceRect> Slanted(double x1, double y1, double x2, double y2) const;

  private:
    double pixelsPerTwip_;
    double ratio_;
    double width_; // device-independent pixels
    double height_;
    int deviceWidth_;
    int deviceHeight_;
};

} // namespace hc
