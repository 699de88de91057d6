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

// The sizes rsvg-convert draws (src/window/CMakeLists.txt), each for itself.
constexpr std::array kDrawnSizes{16, 24, 32, 48, 64, 96, 128, 256};
// What a window offers, in device-independent pixels; larger ones only serve
// menus and docks, which take the installed icons.
constexpr std::array kWindowSizes{16, 24, 32, 48, 64};

class DrawnSizesEngine : public QIconEngine {
  public:
    // A window's icon is only ever asked for in the normal mode and state.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::max(size.width(), size.height());
        if (side <= 0)
            return {};
        // The smallest drawn size that covers the request, scaled down only
        // where no size was drawn for it.
        const auto covering = std::lower_bound(kDrawnSizes.begin(), kDrawnSizes.end(), side);
        const int drawn = covering == kDrawnSizes.end() ? kDrawnSizes.back() : *covering;
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
            QImageReader reader(QStringLiteral(":/icons/hanging-chain-%1.png").arg(side), "png");
            reader.setAutoDetectImageFormat(false);
            at->second = reader.read();
        }
        return at->second;
    }

    std::map<int, QImage> read_;
};

// Watches for the first frame of any window, then waits behind everything else
// queued by then.
class IconAfterFirstFrame : public QObject {
  public:
    // Owned by the application, which ends it if no window is ever painted.
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
