#pragma once

#include <QColor>
#include <QImage>

namespace hc {

inline constexpr QRgb kFrameRed = 0xFF800000; // QBColor(4), opaque

// How many pixels of the image have exactly this opaque colour.
inline int CountPixels(const QImage& image, QRgb colour) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            count += argb.pixel(x, y) == colour ? 1 : 0;
    return count;
}

// The pixel under a point given in twips, for a canvas at device pixel ratio 1.
inline QRgb PixelAtTwips(const QImage& image, double pixelsPerTwip, double x, double y) {
    return image.convertToFormat(QImage::Format_ARGB32)
        .pixel(static_cast<int>(x * pixelsPerTwip), static_cast<int>(y * pixelsPerTwip));
}

} // namespace hc
