#include "window/window_icon.h"

#include <QApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <array>
#include <map>

namespace hc {

namespace {

// Device-independent pixels; the build draws each, and its double for a
// ratio of 2 (src/window/CMakeLists.txt).
constexpr std::array kWindowSizes{HANGING_CHAIN_WINDOW_ICON_SIZES};

QString DrawnFile(int side) {
    return QStringLiteral(":/icons/hanging-chain-%1.png").arg(side);
}

class DrawnSizesEngine : public QIconEngine {
  public:
    // A window's icon is only ever asked for in the normal mode and state.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::max(size.width(), size.height());
        if (side <= 0)
            return {};
        // The size drawn for the request, or the smallest one drawn larger,
        // scaled down; the largest, scaled up, beyond them all.
        int drawn = 2 * kWindowSizes.back();
        for (const int window : kWindowSizes)
            for (const int candidate : {window, 2 * window})
                if (candidate >= side && candidate < drawn)
                    drawn = candidate;
        QImage image = Drawn(drawn);
        if (drawn != side)
            image = image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return QPixmap::fromImage(std::move(image));
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : kWindowSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine* clone() const override { return new DrawnSizesEngine(*this); }
    QString key() const override { return QStringLiteral("DrawnSizesEngine"); }

  private:
    const QImage& Drawn(int side) {
        auto [at, added] = read_.try_emplace(side);
        if (added) {
            // The format named and guessing off: a reader that guesses asks
            // every image plugin first, loading each (and libjpeg with one).
            QImageReader reader(DrawnFile(side), "png");
            reader.setAutoDetectImageFormat(false);
            at->second = reader.read();
        }
        return at->second;
    }

    std::map<int, QImage> read_;
};

// Waits for the first frame of any window, then behind everything queued by
// then (the frame's own flush among it); owned by the application, which
// ends it if no window is ever painted.
class IconAfterFirstFrame : public QObject {
  public:
    IconAfterFirstFrame()
        : QObject(QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QCoreApplication::postEvent(this, new QEvent(kGive), Qt::LowEventPriority);
        }
        return false;
    }

    bool event(QEvent* event) override {
        if (event->type() != kGive)
            return QObject::event(event);
        QApplication::setWindowIcon(WindowIcon());
        deleteLater();
        return true;
    }

  private:
    static constexpr QEvent::Type kGive = QEvent::User;
};

} // namespace

QIcon WindowIcon() {
    return QIcon(new DrawnSizesEngine);
}

void GiveWindowIconAfterFirstFrame() {
    new IconAfterFirstFrame;
}

} // namespace hc
