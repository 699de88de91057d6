#pragma once

#include "drawing/legible.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <vector>

class QPainter;

namespace hc {

// The window's drawing, kept in an image at the device pixel ratio so that it
// survives being covered, resized and uncovered, and stays crisp on high-DPI
// screens. Coordinates come in twips and are mapped to device-independent
// pixels with the screen's logical DPI.
//
// Each drawing call reports whether it could draw; something wholly outside
// the image changes nothing and is no failure. What the calls changed waits
// to be shown (TakeUnshown).
class Canvas {
  public:
    // The image is opaque, `background` where nothing is drawn, so that painting
    // the window is a plain copy rather than a blend. Dots and printed text come
    // in `foreground`.
    Canvas(double logicalDpi, qreal devicePixelRatio, QRgb background, QRgb foreground);

    double pixelsPerTwip() const { return pixelsPerTwip_; }
    double ToPixels(double twips) const { return twips * pixelsPerTwip_; }

    // Grows the image to cover `size` (device-independent pixels), keeping
    // what is drawn; it never shrinks, so a narrowed window loses nothing.
    // Until something is drawn there is no image, only its size: a window
    // resized while it starts would otherwise make, fill and copy a full
    // image at every step (megabytes at a ratio of 2).
    void Cover(QSize size, qreal devicePixelRatio);
    qreal devicePixelRatio() const { return ratio_; }
    const QImage& image() const; // made, blank, when first asked for
    // Paints `region` of the drawing (device-independent pixels) at the
    // painter's origin: copied from the image where something is drawn, filled
    // with the background elsewhere, so that showing a window with a few lines
    // on it does not copy megabytes of background.
    void PaintOn(QPainter& painter, const QRegion& region) const;

    // A new theme: what was drawn in the old background and foreground takes the
    // new ones; the other colours (the frame, Primer's circle) stay, as far as
    // the new background lets them be seen (Legible, drawing/legible.h).
    void SetColours(QRgb background, QRgb foreground);

    bool Clear();
    bool Line(QPointF from, QPointF to, QColor colour); // twips
    bool Point(QPointF at);                             // twips, in the foreground
    bool Circle(QPointF centre, double radius, QColor colour);
    // Writes a line of text in the foreground at the print position, then moves
    // it to the next line.
    bool PrintLine(const QString& text, const QFont& font);

    // The part of the window (device-independent pixels) drawn on since it
    // was last taken, to be painted; it starts again empty.
    QRect TakeUnshown();

  private:
    QPointF Map(QPointF twips) const { return twips * pixelsPerTwip_; }
    // A line's colour on the current background, remembered for a new theme.
    QColor Drawn(QColor colour) { return QColor::fromRgb(colours_.Line(colour.rgb())); }
    QRgb Background() const { return 0xFF000000U | colours_.background(); }
    QRgb Foreground() const { return 0xFF000000U | colours_.foreground(); }
    QRect Bounds() const { return QRect(QPoint(0, 0), size_); }
    void MakeImage() const;
    QImage& Drawable() {
        MakeImage();
        return image_;
    }
    void Mark(QRect changed);

    double pixelsPerTwip_;
    DrawingColours colours_;
    mutable QImage image_; // null until drawn on or asked for
    QSize size_;           // of the drawing, in device-independent pixels
    qreal ratio_;
    // Covers every pixel not in the background; empty, there is nothing to
    // keep when the image grows.
    QRegion drawn_;
    QRect unshown_;
    QPointF printPosition_; // device-independent pixels
};

} // namespace hc
