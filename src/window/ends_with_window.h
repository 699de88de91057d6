#pragma once

#include <QAbstractNativeEventFilter>

class QWidget;

namespace hc {

// Ends the program when the window system destroys its window from outside
// (on X11, xdotool windowclose or a client that destroys the window): with
// the window gone the user could never close the program, which would run on
// unseen. Elsewhere no other program can destroy the window, and this does
// nothing.
class EndsWithWindow : public QAbstractNativeEventFilter {
  public:
    explicit EndsWithWindow(const QWidget& window);
    ~EndsWithWindow() override;
    EndsWithWindow(const EndsWithWindow&) = delete;
    EndsWithWindow& operator=(const EndsWithWindow&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    const QWidget& window_;
};

} // namespace hc
