#pragma once

#include <QString>

class QWidget;

namespace hc {

// Says a press's words to a screen reader, politely, after what the user's
// own key is heard, and shows nothing on the screen. Qt 6.8 and later have
// an announcement for this. Before it, on Windows, the words are a UI
// Automation notification of the window; elsewhere, the name of a
// notification shown for them, which takes no focus and is no tab stop
// (Orca speaks a notification when it shows, and Qt 6.4 sends nothing for
// an alert). The only place that knows which.
class Announcer {
  public:
    explicit Announcer(QWidget& window);

    void Say(const QString& words);

  private:
    QWidget& window_;
    QWidget* notification_ = nullptr; // before Qt 6.8, but on Windows
};

} // namespace hc
