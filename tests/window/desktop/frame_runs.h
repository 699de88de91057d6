#pragma once

#include <QImage>
#include <algorithm>
#include <vector>

namespace hc {

// For each row of a screenshot, its longest horizontal run of the frame's dark
// red: the x axis shows as one row with a run across the plot.
inline std::vector<int> FrameRuns(const QImage& screenshot) {
    const QImage image = screenshot.convertToFormat(QImage::Format_RGB32);
    std::vector<int> longest(static_cast<std::size_t>(image.height()), 0);
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = image.pixel(x, y) == qRgb(128, 0, 0) ? run + 1 : 0;
            longest[static_cast<std::size_t>(y)] =
                std::max(longest[static_cast<std::size_t>(y)], run);
        }
    }
    return longest;
}

} // namespace hc
