#include "window/outer_size_keeper.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace hc {

OuterSizeKeeper::OuterSizeKeeper(QWidget& window, double pixelsPerTwip)
    : window_(window)
    , pixelsPerTwip_(pixelsPerTwip) {}

void OuterSizeKeeper::ResizeClient(QSize client) {
    if (!Asked(client)) {
        constexpr std::size_t kRemembered = 16;
        if (asked_.size() == kRemembered)
            asked_.erase(asked_.begin());
        asked_.push_back(client);
    }
    window_.resize(client);
}

void OuterSizeKeeper::Ask(std::optional<float> widthTwips, std::optional<float> heightTwips) {
    if (widthTwips)
        width_ = widthTwips;
    if (heightTwips)
        height_ = heightTwips;
    Apply();
}

void OuterSizeKeeper::Follow() {
    if (!width_ && !height_)
        return;
    if (!Asked(window_.size())) {
        width_.reset(); // the user's size stands
        height_.reset();
    } else if (Frame() != appliedFrame_) {
        Apply();
    }
}

QSizeF OuterSizeKeeper::Twips() const {
    return QSizeF(window_.frameGeometry().size()) / pixelsPerTwip_;
}

QMargins OuterSizeKeeper::Frame() const {
    const QRect outer = window_.frameGeometry();
    const QRect inner = window_.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void OuterSizeKeeper::Apply() {
    const QMargins frame = Frame();
    QSize client = window_.size();
    if (width_)
        client.setWidth(static_cast<int>(std::lround(*width_ * pixelsPerTwip_)) - frame.left() -
                        frame.right());
    if (height_)
        client.setHeight(static_cast<int>(std::lround(*height_ * pixelsPerTwip_)) - frame.top() -
                         frame.bottom());
    appliedFrame_ = frame;
    ResizeClient(client);
}

bool OuterSizeKeeper::Asked(QSize client) const {
    return std::any_of(asked_.begin(), asked_.end(), [client](QSize asked) {
        return std::abs(asked.width() - client.width()) <= 1 &&
               std::abs(asked.height() - client.height()) <= 1;
    });
}

} // namespace hc
