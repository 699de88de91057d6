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

DeviceGrid DeviceGrid::OfDevicePixels(double pixelsPerTwip, double ratio, int deviceWidth,
                                      int deviceHeight) {
    DeviceGrid grid(pixelsPerTwip, ratio, 0, 0);
    grid.width_ = deviceWidth / ratio;
    grid.height_ = deviceHeight / ratio;
    grid.deviceWidth_ = deviceWidth;
    grid.deviceHeight_ = deviceHeight;
    return grid;
}

int DotPixels(double ratio) {
    return std::max(1, Nearest(ratio));
}

std::optional<DeviceRect> DeviceGrid::Dot(double x, double y) const {
    const double px = x * pixelsPerTwip_;
    const double py = y * pixelsPerTwip_;
    // Written so that NaN falls outside too.
    if (!(px >= 0 && px < width_ && py >= 0 && py < height_))
        return std::nullopt;
    const int side = DotPixels(ratio_);
    // Non-negative, so truncation floors. The scaled corner of the dot's
    // device-independent pixel would never reach one device column in five
    // at 1.25.
    const int left = static_cast<int>(px * ratio_);
    const int top = static_cast<int>(py * ratio_);
    return DeviceRect{left, top, std::min(left + side, deviceWidth_),
                      std::min(top + side, deviceHeight_)};
}

std::optional<DeviceRect> DeviceGrid::Segment(double x1, double y1, double x2, double y2) const {
    if (x1 != x2 && y1 != y2)
        return std::nullopt;
    const int side = DotPixels(ratio_);
    // The first of the `side` device pixels a pen centred at device position
    // d sets.
    const auto first = [&](double twips) {
        const double d = twips * pixelsPerTwip_ * ratio_;
        return std::floor(d - (side - 1) / 2.0);
    };
    const double left = first(std::min(x1, x2));
    const double right = first(std::max(x1, x2)) + side;
    const double top = first(std::min(y1, y2));
    const double bottom = first(std::max(y1, y2)) + side;
    // Written so that NaN falls outside too.
    if (!(right > 0 && left < deviceWidth_ && bottom > 0 && top < deviceHeight_))
        return std::nullopt;
    const auto clip = [](double value, int limit) {
        return static_cast<int>(std::clamp(value, 0.0, static_cast<double>(limit)));
    };
    return DeviceRect{clip(left, deviceWidth_), clip(top, deviceHeight_), clip(right, deviceWidth_),
                      clip(bottom, deviceHeight_)};
}

std::vector<DeviceRect> DeviceGrid::Slanted(double x1, double y1, double x2, double y2) const {
    const int side = DotPixels(ratio_);
    const double scale = pixelsPerTwip_ * ratio_;
    const double dx = (x2 - x1) * scale;
    const double dy = (y2 - y1) * scale;
    // Written so that NaN and an infinite length draw nothing.
    const double steps = std::ceil(std::max(std::fabs(dx), std::fabs(dy)));
    std::vector<DeviceRect> squares;
    if (!(steps < 1e6))
        return squares;
    for (int i = 0; i <= static_cast<int>(steps); ++i) {
        const double t = steps > 0 ? i / steps : 0;
        const double left = std::floor(x1 * scale + dx * t - (side - 1) / 2.0);
        const double top = std::floor(y1 * scale + dy * t - (side - 1) / 2.0);
        if (left + side <= 0 || left >= deviceWidth_ || top + side <= 0 || top >= deviceHeight_)
            continue;
        const DeviceRect square{static_cast<int>(std::max(left, 0.0)),
                                static_cast<int>(std::max(top, 0.0)),
                                static_cast<int>(std::min(left + side, 1.0 * deviceWidth_)),
                                static_cast<int>(std::min(top + side, 1.0 * deviceHeight_))};
        if (squares.empty() || !(squares.back() == square))
            squares.push_back(square);
    }
    return squares;
}

} // namespace hc
