#pragma once

#include <QWidget>

namespace hc {

// The drawing as a screen reader knows it: an image over the plot, named by
// what it shows ("График: оси с делениями, 402 точки"). It draws nothing,
// takes no focus and lets every click through to the window.
class PlotDescription : public QWidget {
  public:
    PlotDescription(const QRect& plot, QWidget* window);

    void Describe(const QString& description) { setAccessibleName(description); }
};

} // namespace hc
