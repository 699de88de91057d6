#include "window/form1.h"

#include "drawing/primer.h"
#include "model/fault_status.h"
#include "model/run_error.h"
#include "window/error_report.h"
#include "window/wrapping_button.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <exception>
#include <limits>

namespace hc {

namespace {

constexpr double kCaptionPointSize = 7;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor FromBgr(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

} // namespace

Form1::Form1(const QLocale& locale, QWidget* parent)
    : QWidget(parent)
    , canvas_(logicalDpiX(), devicePixelRatioF(), palette().color(QPalette::Window).rgb(),
              palette().color(QPalette::WindowText).rgb())
    , outerSize_(*this, canvas_.pixelsPerTwip())
    , run_(*this, *this)
    , decimalSeparator_(locale.decimalPoint().toStdString()) {
    setWindowTitle(FromUtf8(kFormCaption));
    setAttribute(Qt::WA_OpaquePaintEvent); // the canvas covers the whole window
    QFont captions = font();
    captions.setPointSizeF(kCaptionPointSize);
    setFont(captions);
    outerSize_.ResizeClient(QSize(qRound(canvas_.ToPixels(kDesignedClientWidth)),
                                  qRound(canvas_.ToPixels(kDesignedClientHeight))));
    BuildControls();
    canvas_.Cover(size(), devicePixelRatioF());
}

void Form1::BuildControls() {
    QWidget* previous = nullptr;
    for (const ControlSpec& entry : kControls) {
        const QString text = FromUtf8(entry.text);
        QWidget* control = std::visit(
            [&](const auto& kind) -> QWidget* {
                using Kind = std::decay_t<decltype(kind)>;
                if constexpr (std::is_same_v<Kind, BoxControl>) {
                    auto* edit = new QLineEdit(text, this);
                    // A box keeps all that is typed or pasted, as one with no
                    // limit would (Qt's default cuts at 32767 characters).
                    edit->setMaxLength(std::numeric_limits<int>::max());
                    edit->setAccessibleName(FromUtf8(kind.caption));
                    textBoxes_[static_cast<std::size_t>(kind.box) - 1] = edit;
                    return edit;
                } else if constexpr (std::is_same_v<Kind, LabelControl>) {
                    auto* label = new QLabel(text, this);
                    label->setTextFormat(Qt::PlainText);
                    label->setWordWrap(true);
                    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                    label->setAutoFillBackground(true); // hides the drawing behind it
                    return label;
                } else {
                    auto* button = new WrappingButton(text, this);
                    button->setAutoDefault(false);
                    if (const Handler handler = kind.handler)
                        connect(button, &QPushButton::clicked, this,
                                [this, handler, text] { Run(handler, text); });
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
    Box(TextBox::Text1)->setFocus();
}

void Form1::Primer() {
    Run([](Sheet&, DrawingSurface& surface) { hc::Primer(surface); }, QStringLiteral("Primer"));
}

std::int32_t Form1::ASD(std::int32_t number) {
    return hc::ASD(number);
}

QSizeF Form1::OuterSizeTwips() const {
    return outerSize_.Twips();
}

bool Form1::Drawn(const Canvas::Result& result) {
    changed_ |= result.changed;
    return result.ok;
}

void Form1::ShowDrawing() {
    if (!changed_.isEmpty())
        update(changed_);
    changed_ = {};
}

bool Form1::DoCls() {
    return Drawn(canvas_.Clear());
}

bool Form1::DoLine(float x1, float y1, float x2, float y2, Colour colour) {
    return Drawn(canvas_.Line({x1, y1}, {x2, y2}, FromBgr(colour)));
}

bool Form1::DoPSet(float x, float y) {
    run_.Step(); // handlers draw only from Run
    return Drawn(canvas_.Point({x, y}));
}

bool Form1::DoCircle(float x, float y, float radius, Colour colour) {
    return Drawn(canvas_.Circle({x, y}, radius, FromBgr(colour)));
}

void Form1::DoPrint(std::string_view line) {
    Drawn(canvas_.PrintLine(FromUtf8(line), font()));
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
    return true;
}

void Form1::DoShowMessage(std::string_view prompt) {
    ShowDrawing(); // what was drawn so far shows behind the message
    QMessageBox box(QMessageBox::NoIcon, FromUtf8(kFormCaption), FromUtf8(prompt), QMessageBox::Ok,
                    this);
    run_.AskUser([&box] { box.exec(); });
}

void Form1::paintEvent(QPaintEvent* event) {
    if (canvas_.devicePixelRatio() != devicePixelRatioF())
        canvas_.Cover(size(), devicePixelRatioF());
    QPainter painter(this);
    canvas_.PaintOn(painter, event->region());
}

void Form1::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    run_.Changed(WindowChange::Frame);
}

void Form1::resizeEvent(QResizeEvent* event) {
    canvas_.Cover(size(), devicePixelRatioF());
    QWidget::resizeEvent(event);
    run_.Changed(WindowChange::Frame);
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first show is the activation: not every platform activates a new
    // window (X11 without a window manager never does). It runs once the show
    // is done, when the platform knows the window's decorations.
    if (!activated_)
        QMetaObject::invokeMethod(
            this, [this] { run_.Changed(WindowChange::Shown); }, Qt::QueuedConnection);
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        run_.Changed(WindowChange::Theme);
}

void Form1::TakeIn(WindowChange change) {
    switch (change) {
    case WindowChange::Frame:
        outerSize_.Follow();
        break;
    case WindowChange::Theme:
        Recolour();
        break;
    case WindowChange::Shown:
        if (!activated_ && isVisible()) {
            activated_ = true;
            Run(ActivateHandler, tr("открытие окна"));
        }
        break;
    }
}

void Form1::Recolour() {
    Drawn(canvas_.SetColours(palette().color(QPalette::Window).rgb(),
                             palette().color(QPalette::WindowText).rgb()));
    ShowDrawing();
}

void Form1::Run(Handler handler, const QString& command) {
    run_.Run([&] {
        // A handler starts from a clean fault status, even after one that was abandoned.
        ClearFaults();
        QString report;
        try {
            handler(sheet_, *this);
        } catch (const RunError& error) {
            report = QString::fromStdString(DescribeError(error, command.toStdString(), sheet_));
        } catch (const std::exception& error) {
            report = tr("Команда «%1» прервана: внутренняя ошибка (%2).")
                         .arg(command, QString::fromLocal8Bit(error.what()));
        }
        ClearFaults();
        ShowDrawing();
        if (!report.isEmpty() && !run_.Closing()) {
            QMessageBox box(QMessageBox::Critical, FromUtf8(kFormCaption), report, QMessageBox::Ok,
                            this);
            run_.AskUser([&box] { box.exec(); });
        }
    });
}

} // namespace hc
