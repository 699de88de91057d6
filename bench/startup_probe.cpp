// Starts a window and quits as soon as it has been painted: `form` is the
// program as main starts it (its application object and translations, its
// window with the frame drawn; its icon follows the first frame); `widgets` the same 25
// controls, texts and places in a plain window on a plain QApplication, with none of the program's
// logic, the budget's floor; `image` those controls over an image the size of the window, made and
// filled; `label` the floor of any Qt window with text, a QWidget showing one QLabel. All live in
// this one binary, built and linked the same way, so that only the window differs.
#include "commands/control_table.h"
#include "window/application.h"
#include "window/form1.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

// A plain window that, when first painted, makes an image of its own size at
// the screen's ratio and fills it: what keeping a drawing in an image costs
// before anything is drawn in it, with none of the program's logic.
class WithImage : public QWidget {
  protected:
    void paintEvent(QPaintEvent* event) override {
        if (image_.isNull()) {
            image_ = QImage(size() * devicePixelRatioF(), QImage::Format_RGB32);
            image_.fill(palette().window().color());
        }
        QWidget::paintEvent(event);
    }

  private:
    QImage image_;
};

// The program's controls at their places, with their texts, and nothing else;
// over an image as large as the window with `withImage`.
std::unique_ptr<QWidget> PlainControls(bool withImage) {
    auto window = withImage ? std::make_unique<WithImage>() : std::make_unique<QWidget>();
    window->setWindowTitle(QString::fromUtf8(hc::kFormCaption.data()));
    const double pixelsPerTwip = window->logicalDpiX() / 1440.0;
    QFont captions = window->font();
    captions.setPointSizeF(7);
    window->setFont(captions);
    for (const hc::ControlSpec& entry : hc::kControls) {
        const QString text =
            QString::fromUtf8(entry.text.data(), static_cast<qsizetype>(entry.text.size()));
        QWidget* control = std::visit(
            [&](const auto& kind) -> QWidget* {
                using Kind = std::decay_t<decltype(kind)>;
                if constexpr (std::is_same_v<Kind, hc::BoxControl>)
                    return new QLineEdit(text, window.get());
                else if constexpr (std::is_same_v<Kind, hc::LabelControl>) {
                    auto* label = new QLabel(text, window.get());
                    label->setWordWrap(true);
                    return label;
                } else
                    return new QPushButton(text, window.get());
            },
            entry.kind);
        control->setGeometry(qRound(entry.left * pixelsPerTwip), qRound(entry.top * pixelsPerTwip),
                             qRound(entry.width * pixelsPerTwip),
                             qRound(entry.height * pixelsPerTwip));
    }
    // As large as the program's window once it is activated (7000 × 10000
    // twips, all of it client area with no window manager), so that both pay
    // for the same backing store.
    window->resize(qRound(7000 * pixelsPerTwip), qRound(10000 * pixelsPerTwip));
    return window;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool form = argc == 2 && std::strcmp(argv[1], "form") == 0;
    const bool widgets = argc == 2 && std::strcmp(argv[1], "widgets") == 0;
    const bool image = argc == 2 && std::strcmp(argv[1], "image") == 0;
    const bool label = argc == 2 && std::strcmp(argv[1], "label") == 0;
    if (!form && !widgets && !image && !label) {
        std::fputs("usage: startup_probe form|widgets|image|label\n", stderr);
        return 2;
    }
    std::unique_ptr<QApplication> app;
    if (form)
        app = hc::StartApplication(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);
    std::unique_ptr<QWidget> window;
    std::unique_ptr<QuitAfterPaint> quit;
    if (widgets || image) {
        window = PlainControls(image);
        quit = std::make_unique<QuitAfterPaint>(*window, [] { return true; });
    } else if (form) {
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
