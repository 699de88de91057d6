#include "drawing/device_pixels.h"

#include <algorithm>
#include <cmath>

namespace hc {

namespace {

// To the nearest, halves up: how a surface of a fractional device size is
// made (Qt's QSize · ratio, a browser's canvas of its device-pixel box).
int Nearest(double value) {
    return static_cast<int>(std::floor(value + 0.5));
}

} // namespace

DeviceGrid::DeviceGrid(double pixelsPerTwip, double ratio, int width, int height)
    : pixelsPerTwip_(pixelsPerTwip)
    , ratio_(ratio)
    , width_(width)
    , height_(height)
    , deviceWidth_(Nearest(width * ratio))
    , deviceHeight_(Nearest(height * ratio)) {}

std::optional<DeviceRect> DeviceGrid::Dot(double x, double y) const {
    const double px = x * pixelsPerTwip_;
    const double py = y * pixelsPerTwip_;
    // Written so that NaN falls outside too.
    if (!(px >= 0 && px < width_ && py >= 0 && py < height_))
        return std::nullopt;
    const int side = std::max(1, Nearest(ratio_));
    // Non-negative, so truncation floors. The scaled corner of the dot's
    // device-independent pixel would never reach one device column in five
    // at 1.25.
    const int left = static_cast<int>(px * ratio_);
    const int top = static_cast<int>(py * ratio_);
    return DeviceRect{left, top, std::min(left + side, deviceWidth_),
                      std::min(top + side, deviceHeight_)};
}

} // namespace hc
