// Starts a window and quits as soon as it has been painted: `form` is the
// program's window with its frame drawn, `label` the floor of any Qt window
// with text, a QWidget showing one QLabel. Both live in this one binary, built
// and linked the same way, so that only the window differs.
#include "window/form1.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Quits after the first paint of `window` for which `ready` holds.
class QuitAfterPaint : public QObject {
  public:
    QuitAfterPaint(QWidget& window, std::function<bool()> ready)
        : window_(window)
        , ready_(std::move(ready)) {
        window_.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && ready_())
            QTimer::singleShot(0, qApp, &QCoreApplication::quit); // after this frame is flushed
        return false;
    }

  private:
    QWidget& window_;
    std::function<bool()> ready_;
};

} // namespace

int main(int argc, char* argv[]) {
    const bool form = argc == 2 && std::strcmp(argv[1], "form") == 0;
    const bool label = argc == 2 && std::strcmp(argv[1], "label") == 0;
    if (!form && !label) {
        std::fputs("usage: startup_probe form|label\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    std::unique_ptr<QuitAfterPaint> quit;
    if (form) {
        auto* main = new hc::Form1;
        window.reset(main);
        quit = std::make_unique<QuitAfterPaint>(*main, [main] { return main->sheet().PlotW != 0; });
    } else {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(new QLabel(QStringLiteral("Морвина"), window.get()));
        // As large as the program's window (7000 × 10000 twips), so that both
        // pay for the same backing store.
        const double pixelsPerTwip = window->logicalDpiX() / 1440.0;
        window->resize(qRound(7000 * pixelsPerTwip), qRound(10000 * pixelsPerTwip));
        quit = std::make_unique<QuitAfterPaint>(*window, [] { return true; });
    }
    window->show();
    return QApplication::exec();
}
