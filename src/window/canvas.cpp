#include "window/canvas.h"

#include "drawing/device_pixels.h"
#include "drawing/legible.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <utility>

namespace hc {

namespace {

constexpr double kTwipsPerInch = 1440;

// As wide as a dot, so that a line has the same width wherever it lies, also
// at fractional ratios.
QPen PlainPen(QColor colour, qreal devicePixelRatio) {
    QPen pen(colour);
    pen.setCosmetic(true);
    pen.setWidth(DotPixels(devicePixelRatio));
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

} // namespace

Canvas::Canvas(double logicalDpi, qreal devicePixelRatio, QRgb background, QRgb foreground)
    : pixelsPerTwip_(logicalDpi / kTwipsPerInch)
    , colours_(background, foreground)
    , ratio_(devicePixelRatio) {}

void Canvas::MakeImage() const {
    if (image_.isNull()) {
        image_ = QImage(size_ * ratio_, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio_);
        image_.fill(Background());
    }
}

const QImage& Canvas::image() const {
    MakeImage();
    return image_;
}

QRect Canvas::TakeUnshown() {
    return std::exchange(unshown_, QRect());
}

void Canvas::PaintOn(QPainter& painter, const QRegion& region) const {
    const QRegion copied = region & drawn_;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // Rectangle by rectangle: clipped to the region's holes, the painter would
    // build a mask of every scan line of the window first.
    const QColor background = QColor::fromRgb(Background());
    for (const QRect& plain : region - copied)
        painter.fillRect(plain, background);
    for (const QRect& drawn : copied) {
        painter.setClipRect(drawn);
        painter.drawImage(QPointF(0, 0), image_);
    }
    painter.restore();
}

void Canvas::Mark(QRect changed) {
    // A plot's hundreds of dots would make a region of hundreds of rectangles,
    // each added at a cost that grows with them: past a few dozen, their
    // bounds serve.
    // (A long press's millions of dots inside those bounds cost QRegion one
    // test each.)
    constexpr int kMostRectangles = 64;
    drawn_ += changed;
    if (drawn_.rectCount() > kMostRectangles)
        drawn_ = drawn_.boundingRect();
    unshown_ |= changed;
}

void Canvas::Cover(QSize size, qreal devicePixelRatio) {
    if (drawn_.isEmpty()) {
        // Nothing to keep: the image is made at its size when first drawn on.
        if (size != size_ || devicePixelRatio != ratio_)
            image_ = QImage();
        size_ = size;
        ratio_ = devicePixelRatio;
        return;
    }
    const QSize current = size_;
    if (current.width() >= size.width() && current.height() >= size.height() &&
        ratio_ == devicePixelRatio)
        return;
    const QSize wanted = size.expandedTo(current);
    QImage grown(wanted * devicePixelRatio, QImage::Format_RGB32);
    grown.setDevicePixelRatio(devicePixelRatio);
    grown.fill(Background());
    if (!image_.isNull() && !image_.size().isEmpty()) {
        QPainter painter(&grown);
        painter.drawImage(QPointF(0, 0), image_);
    }
    image_ = std::move(grown);
    size_ = wanted;
    ratio_ = devicePixelRatio;
}

void Canvas::SetColours(QRgb background, QRgb foreground) {
    if ((background & 0xFFFFFF) == colours_.background() &&
        (foreground & 0xFFFFFF) == colours_.foreground())
        return;
    unshown_ = Bounds();
    std::vector<std::pair<QRgb, QRgb>> shades;
    for (const auto& [was, becomes] : colours_.Change(background, foreground))
        shades.emplace_back(0xFF000000U | was, 0xFF000000U | becomes);
    if (drawn_.isEmpty()) {
        image_ = QImage(); // made again, in the new background, when needed
        return;
    }
    for (int y = 0; y < image_.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = 0; x < image_.width(); ++x)
            for (const auto& [was, becomes] : shades)
                if (line[x] == was) {
                    line[x] = becomes;
                    break;
                }
    }
}

bool Canvas::Clear() {
    // The image is kept: the frame is drawn again at once.
    if (!image_.isNull())
        image_.fill(Background());
    drawn_ = QRegion();
    printPosition_ = {};
    unshown_ = Bounds();
    return true;
}

bool Canvas::Line(QPointF from, QPointF to, QColor colour) {
    const QPointF a = Map(from);
    const QPointF b = Map(to);
    QPainter painter(&Drawable());
    if (!painter.isActive())
        return false;
    painter.setPen(PlainPen(Drawn(colour), ratio_));
    painter.drawLine(a, b);
    Mark(QRectF(a, b).normalized().toAlignedRect().adjusted(-2, -2, 2, 2) & Bounds());
    return true;
}

bool Canvas::Point(QPointF at) {
    const auto square =
        DeviceGrid(pixelsPerTwip_, ratio_, size_.width(), size_.height()).Dot(at.x(), at.y());
    if (!square)
        return true;
    // Plots set hundreds of dots per press: write the pixels straight into the
    // image rather than paying for a QPainter per dot.
    QImage& image = Drawable();
    for (int row = square->top; row < square->bottom; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        std::fill(line + square->left, line + square->right, Foreground());
    }
    // The device-independent pixels the square touches: at fractional ratios
    // it can start in the one before its position's and reach into the next.
    const qreal ratio = ratio_;
    const QRect touched =
        QRectF(square->left / ratio, square->top / ratio, (square->right - square->left) / ratio,
               (square->bottom - square->top) / ratio)
            .toAlignedRect();
    Mark(touched & Bounds());
    return true;
}

bool Canvas::Circle(QPointF centre, double radius, QColor colour) {
    const QPointF c = Map(centre);
    const double r = radius * pixelsPerTwip_;
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    QPainter painter(&Drawable());
    if (!painter.isActive())
        return false;
    // Aliased, like every other line: crisp at any ratio.
    painter.setPen(PlainPen(Drawn(colour), ratio_));
    painter.drawEllipse(box);
    Mark(box.toAlignedRect().adjusted(-2, -2, 2, 2) & Bounds());
    return true;
}

bool Canvas::PrintLine(const QString& text, const QFont& font) {
    QPainter painter(&Drawable());
    if (!painter.isActive())
        return false;
    // Without antialiasing the text is all foreground, so a new theme recolours it whole.
    QFont aliased = font;
    aliased.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(aliased);
    painter.setPen(QColor::fromRgb(Foreground()));
    const QFontMetricsF metrics(font);
    const QPointF baseline = printPosition_ + QPointF(0, metrics.ascent());
    painter.drawText(baseline, text);
    // The glyphs' ink too, which can reach beyond their advance (an italic f).
    const QRectF area =
        QRectF(printPosition_, QSizeF(metrics.horizontalAdvance(text), metrics.height()))
            .united(metrics.boundingRect(text).translated(baseline));
    printPosition_.ry() += metrics.lineSpacing();
    Mark(area.toAlignedRect().adjusted(-1, -1, 1, 1) & Bounds());
    return true;
}

} // namespace hc
