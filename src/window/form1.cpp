#include "window/form1.h"

#include "drawing/primer.h"
#include "window/box_edit.h"
#include "window/plot_description.h"
#include "window/wrapping_button.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <utility>
#include <vector>

namespace hc {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor FromBgr(Colour colour) {
    return QColor::fromRgb(RgbOf(colour));
}

// A screen reader takes a plain widget for a filler inside some window; the
// program's window is a frame of its own, as a main window is.
QAccessibleInterface* FrameForForm1(const QString&, QObject* object) {
    if (auto* form = qobject_cast<Form1*>(object))
        return new QAccessibleWidget(form, QAccessible::Window);
    return nullptr;
}

} // namespace

Form1::Form1(const QLocale& locale, WorkClock::Now now, QWidget* parent)
    : QWidget(parent)
    , canvas_(logicalDpiX(), devicePixelRatioF(), palette().color(QPalette::Window).rgb(),
              palette().color(QPalette::WindowText).rgb())
    , outerSize_(*this, canvas_.pixelsPerTwip())
    , run_(*this, canvas_, std::move(now))
    , decimalSeparator_(locale.decimalPoint().toStdString()) {
    static const bool frameForScreenReaders = (QAccessible::installFactory(FrameForForm1), true);
    Q_UNUSED(frameForScreenReaders);
    setWindowTitle(FromUtf8(kFormCaption));
    setAttribute(Qt::WA_OpaquePaintEvent); // the canvas covers the whole window
    QFont captions = font();
    captions.setPointSizeF(kFontPoints);
    setFont(captions);
    outerSize_.ResizeClient(QSize(qRound(canvas_.ToPixels(kDesignedClientWidth)),
                                  qRound(canvas_.ToPixels(kDesignedClientHeight))));
    BuildControls();
    canvas_.Cover(size(), devicePixelRatioF());
}

void Form1::BuildControls() {
    // First, so that every control lies in front of it.
    plot_ = new PlotDescription(
        QRect(0, 0, qRound(canvas_.ToPixels(kDrawingEdge)), qRound(canvas_.ToPixels(kDrawingEdge))),
        this);
    plot_->Describe(FromUtf8(DescribePlot(record_.Count())));
    QWidget* previous = nullptr;
    std::vector<std::pair<QLabel*, TextBox>> captions; // a box may come after its label
    for (const ControlSpec& entry : kControls) {
        const QString text = FromUtf8(entry.text);
        QWidget* control = std::visit(
            [&](const auto& kind) -> QWidget* {
                using Kind = std::decay_t<decltype(kind)>;
                if constexpr (std::is_same_v<Kind, BoxControl>) {
                    auto* edit = new BoxEdit(text, this);
                    edit->setAccessibleName(FromUtf8(kind.caption));
                    textBoxes_[static_cast<std::size_t>(kind.box) - 1] = edit;
                    return edit;
                } else if constexpr (std::is_same_v<Kind, LabelControl>) {
                    auto* label = new QLabel(text, this);
                    label->setTextFormat(Qt::PlainText);
                    label->setWordWrap(true);
                    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                    label->setAutoFillBackground(true); // hides the drawing behind it
                    captions.emplace_back(label, kind.box);
                    return label;
                } else {
                    auto* button = new WrappingButton(text, this);
                    button->setAutoDefault(false);
                    if (const Handler handler = kind.handler)
                        connect(button, &QPushButton::clicked, this,
                                [this, handler, command = entry.text] { Run(handler, command); });
                    return button;
                }
            },
            entry.kind);
        control->setObjectName(FromUtf8(entry.name));
        control->setGeometry(
            qRound(canvas_.ToPixels(entry.left)), qRound(canvas_.ToPixels(entry.top)),
            qRound(canvas_.ToPixels(entry.width)), qRound(canvas_.ToPixels(entry.height)));
        if (control->focusPolicy() != Qt::NoFocus) {
            if (previous != nullptr)
                setTabOrder(previous, control);
            previous = control;
        }
    }
    // What relates a label to its box for a screen reader, which says the
    // two names once where they are alike: the label is named by its box's
    // caption, not by its spaced text.
    for (const auto& [label, box] : captions) {
        label->setBuddy(Box(box));
        label->setAccessibleName(Box(box)->accessibleName());
    }
    Box(TextBox::Text1)->setFocus();
}

void Form1::Primer() {
    Run([](Sheet&, DrawingSurface& surface) { hc::Primer(surface); }, "Primer");
}

std::int32_t Form1::ASD(std::int32_t number) {
    return hc::ASD(number);
}

QSizeF Form1::OuterSizeTwips() const {
    return outerSize_.Twips();
}

bool Form1::DoCls() {
    record_.Clear();
    return canvas_.Clear();
}

bool Form1::DoLine(float x1, float y1, float x2, float y2, Colour colour) {
    record_.Add(DrawingRecord::Line{x1, y1, x2, y2, RgbOf(colour)});
    return canvas_.Line({x1, y1}, {x2, y2}, FromBgr(colour));
}

bool Form1::DoPSet(float x, float y) {
    run_.Step(); // handlers draw only from Run
    record_.Add(DrawingRecord::Dot{x, y});
    return canvas_.Point({x, y});
}

bool Form1::DoCircle(float x, float y, float radius, Colour colour) {
    record_.Add(DrawingRecord::Circle{x, y, radius, RgbOf(colour)});
    return canvas_.Circle({x, y}, radius, FromBgr(colour));
}

void Form1::DoPrint(std::string_view line) {
    record_.Add(DrawingRecord::Print{std::string(line)});
    canvas_.PrintLine(FromUtf8(line), font());
}

bool Form1::DoSetWidth(float twips) {
    outerSize_.Ask(twips, std::nullopt);
    return true;
}

bool Form1::DoSetHeight(float twips) {
    outerSize_.Ask(std::nullopt, twips);
    return true;
}

bool Form1::DoText(TextBox box, std::string& text) {
    text = Box(box)->text().toStdString();
    return true;
}

bool Form1::DoSetText(TextBox box, std::string_view text) {
    QLineEdit* edit = Box(box);
    edit->setText(FromUtf8(text));
    edit->setCursorPosition(0); // long numbers show their leading digits
    narration_.Wrote(box, text);
    return true;
}

void Form1::DoShowMessage(std::string_view prompt) {
    Ask(QMessageBox::NoIcon, prompt);
}

void Form1::Ask(QMessageBox::Icon icon, std::string_view text) {
    QMessageBox box(icon, FromUtf8(kFormCaption), FromUtf8(text), QMessageBox::Ok, this);
    // Qt makes the row of buttons the focus proxy of its first button, and a
    // screen reader then hears two controls in focus: only the button has it.
    if (auto* buttons = box.findChild<QDialogButtonBox*>())
        buttons->setFocusProxy(nullptr);
    run_.AskUser(box);
}

void Form1::paintEvent(QPaintEvent* event) {
    if (canvas_.devicePixelRatio() != devicePixelRatioF())
        canvas_.Cover(size(), devicePixelRatioF());
    QPainter painter(this);
    canvas_.PaintOn(painter, event->region());
}

void Form1::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    TakeIn({.frame = true});
}

void Form1::resizeEvent(QResizeEvent* event) {
    canvas_.Cover(size(), devicePixelRatioF());
    QWidget::resizeEvent(event);
    TakeIn({.frame = true});
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first show is the activation: not every platform activates a new
    // window (X11 without a window manager never does). It runs once the show
    // is done, when the platform knows the window's decorations.
    if (!activated_)
        QMetaObject::invokeMethod(this, [this] { TakeIn({.shown = true}); }, Qt::QueuedConnection);
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        TakeIn({.theme = true});
}

// What the window system changed, now, or once the running handler has ended.
void Form1::TakeIn(WindowChanges changes) {
    if (run_.Hold(changes))
        return;
    if (changes.theme) {
        canvas_.SetColours(palette().color(QPalette::Window).rgb(),
                           palette().color(QPalette::WindowText).rgb());
        update(canvas_.TakeUnshown());
    }
    if (changes.frame)
        outerSize_.Follow();
    if (changes.shown && !activated_ && isVisible()) {
        activated_ = true;
        Run(ActivateHandler, kActivationCaption);
    }
}

void Form1::Run(Handler handler, std::string_view command) {
    const auto ended = run_.Run([&] {
        narration_.Begin(record_.Count());
        if (const auto report = RunCommand(handler, sheet_, *this, command))
            Ask(QMessageBox::Critical, *report);
    });
    if (!ended)
        return;
    if (ended->closeAsked) {
        close();
        return;
    }
    const Narration::Words words = narration_.End(record_.Count());
    if (words.plot)
        plot_->Describe(FromUtf8(*words.plot));
    announcer_.Say(FromUtf8(words.said));
    TakeIn(ended->held);
}

} // namespace hc
