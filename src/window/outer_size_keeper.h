#pragma once

#include <QMargins>
#include <QSize>
#include <QSizeF>
#include <optional>
#include <vector>

class QWidget;

namespace hc {

// Keeps a window at the outer size, frame included, that the program asked
// for: whenever the window manager's frame differs from the one the size was
// applied with, it applies it again, until the user resizes the window.
//
// A window manager frames a window only after it is shown and reports the
// sizes the program asked for late, sometimes a pixel off at a fractional
// scale; so a size is the user's only when it is more than a pixel from every
// size asked for lately.
class OuterSizeKeeper {
  public:
    OuterSizeKeeper(QWidget& window, double pixelsPerTwip);

    // The client area's own size, as designed (no frame to follow).
    void ResizeClient(QSize client);
    // Either side or both, in twips; the other keeps what was asked before.
    void Ask(std::optional<float> widthTwips, std::optional<float> heightTwips);
    // After the window has moved or been resized.
    void Follow();
    // The outer size the window has now.
    QSizeF Twips() const;

  private:
    QMargins Frame() const;
    void Apply();
    bool Asked(QSize client) const;

    QWidget& window_;
    double pixelsPerTwip_;
    std::optional<float> width_;
    std::optional<float> height_;
    QMargins appliedFrame_;
    std::vector<QSize> asked_; // the last client sizes asked for, oldest first
};

} // namespace hc
