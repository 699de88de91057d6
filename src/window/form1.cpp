#include "form1.h"

#include "adjust_command.h"
#include "catenary_command.h"
#include "control_table.h"
#include "demonstrations.h"
#include "error_report.h"
#include "fault_status.h"
#include "primer.h"
#include "run_error.h"
#include "vector_state.h"
#include "window_handlers.h"
#include "wrapping_button.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <exception>

namespace hc {

namespace {

constexpr double kCaptionPointSize = 7;

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Form1::Form1(const QLocale& locale, QWidget* parent)
    : QWidget(parent)
    , canvas_(logicalDpiX(), devicePixelRatioF(), palette().color(QPalette::Window))
    , surface_(*this, locale) {
    setWindowTitle(FromUtf8(kFormCaption));
    setAttribute(Qt::WA_OpaquePaintEvent); // the canvas covers the whole window
    foreground_ = palette().color(QPalette::WindowText).rgb();
    QFont captions = font();
    captions.setPointSizeF(kCaptionPointSize);
    setFont(captions);
    resize(qRound(canvas_.ToPixels(kDesignedClientWidth)),
           qRound(canvas_.ToPixels(kDesignedClientHeight)));
    BuildControls();
    canvas_.Cover(size(), devicePixelRatioF());
}

void Form1::BuildControls() {
    const auto place = [this](const ControlSpec& entry) {
        return QRect(qRound(canvas_.ToPixels(entry.left)), qRound(canvas_.ToPixels(entry.top)),
                     qRound(canvas_.ToPixels(entry.width)), qRound(canvas_.ToPixels(entry.height)));
    };
    const std::pair<std::string_view, Handler> bindings[] = {
        {"Command1", ClearCommand}, {"Command4", AdjustCommand},   {"Command6", PlotCube},
        {"Command7", PlotSquare},   {"Command8", CatenaryCommand},
    };

    QWidget* previous = nullptr;
    for (const ControlSpec& entry : kControls) {
        QWidget* control = nullptr;
        const QString text = FromUtf8(entry.text);
        switch (entry.kind) {
        case ControlKind::TextBox: {
            auto* edit = new QLineEdit(text, this);
            edit->setAccessibleName(FromUtf8(entry.accessibleName));
            const int index = entry.name.back() - '1';
            textBoxes_[static_cast<std::size_t>(index)] = edit;
            control = edit;
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(text, this);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setAutoFillBackground(true); // hides the drawing behind it, as a label box does
            control = label;
            break;
        }
        case ControlKind::Button: {
            auto* button = new WrappingButton(text, this);
            button->setAutoDefault(false);
            for (const auto& [name, handler] : bindings) {
                if (name == entry.name) {
                    connect(button, &QPushButton::clicked, this,
                            [this, handler = handler, text] { Run(handler, text); });
                }
            }
            control = button;
            break;
        }
        }
        control->setObjectName(FromUtf8(entry.name));
        control->setGeometry(place(entry));
        if (control->focusPolicy() != Qt::NoFocus) {
            if (previous != nullptr)
                setTabOrder(previous, control);
            previous = control;
        }
    }
    textBoxes_[0]->setFocus();
}

QString Form1::ApplicationTitle() {
    return FromUtf8(kFormCaption);
}

void Form1::Primer() {
    Run([](Sheet&, DrawingSurface& surface) { hc::Primer(surface); }, QStringLiteral("Primer"));
}

std::int32_t Form1::ASD(std::int32_t number) {
    return hc::ASD(number);
}

QMargins Form1::FrameMargins() const {
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

QSizeF Form1::OuterSizeTwips() const {
    return QSizeF(frameGeometry().size()) / canvas_.pixelsPerTwip();
}

bool Form1::SetOuterSize(std::optional<float> widthTwips, std::optional<float> heightTwips) {
    const QMargins margins = FrameMargins();
    QSize client = size();
    const auto clientPixels = [this](float twips, int frame) -> std::optional<int> {
        const double pixels = canvas_.ToPixels(twips) - frame;
        if (!std::isfinite(pixels) || pixels < 1 || pixels > QWIDGETSIZE_MAX)
            return std::nullopt;
        return static_cast<int>(std::lround(pixels));
    };
    if (widthTwips) {
        const auto width = clientPixels(*widthTwips, margins.left() + margins.right());
        if (!width)
            return false;
        client.setWidth(*width);
    }
    if (heightTwips) {
        const auto height = clientPixels(*heightTwips, margins.top() + margins.bottom());
        if (!height)
            return false;
        client.setHeight(*height);
    }
    resize(client);
    return true;
}

bool Form1::Repaint(const Canvas::Result& result) {
    // One update per handler, not one per dot: the repaint manager's region
    // bookkeeping would cost more than the dots themselves. A dot far from the
    // box being grown (the corner dot before a curve) starts a new box, so that
    // the controls between them are not repainted for nothing.
    constexpr int kNear = 32;
    const QRect& changed = result.changed;
    if (changed.isEmpty())
        return result.ok;
    if (dirtyBox_.isEmpty()) {
        dirtyBox_ = changed;
    } else if (changed.left() > dirtyBox_.right() + kNear ||
               changed.right() < dirtyBox_.left() - kNear ||
               changed.top() > dirtyBox_.bottom() + kNear ||
               changed.bottom() < dirtyBox_.top() - kNear) {
        dirtyRegion_ += dirtyBox_;
        dirtyBox_ = changed;
    } else {
        dirtyBox_.setCoords(std::min(dirtyBox_.left(), changed.left()),
                            std::min(dirtyBox_.top(), changed.top()),
                            std::max(dirtyBox_.right(), changed.right()),
                            std::max(dirtyBox_.bottom(), changed.bottom()));
    }
    return result.ok;
}

void Form1::FlushDrawing() {
    const QRegion dirty = dirtyRegion_ + dirtyBox_;
    if (!dirty.isEmpty())
        update(dirty);
    dirtyBox_ = {};
    dirtyRegion_ = {};
}

QLineEdit* Form1::textBox(TextBox box) const {
    return textBoxes_[static_cast<std::size_t>(box) - 1];
}

void Form1::ShowMessage(const QString& prompt) {
    FlushDrawing(); // what was drawn so far shows behind the message
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), prompt, QMessageBox::Ok, this);
    box.exec();
}

void Form1::paintEvent(QPaintEvent* event) {
    if (canvas_.image().devicePixelRatio() != devicePixelRatioF())
        canvas_.Cover(size(), devicePixelRatioF());
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPointF(0, 0), canvas_.image());
}

void Form1::resizeEvent(QResizeEvent* event) {
    canvas_.Cover(size(), devicePixelRatioF());
    QWidget::resizeEvent(event);
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Not every platform activates a new window (X11 without a window manager
    // never does), so the first show also asks for the activation handler.
    if (!activated_)
        QMetaObject::invokeMethod(this, &Form1::Activate, Qt::QueuedConnection);
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        foreground_ = palette().color(QPalette::WindowText).rgb();
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Activate();
}

void Form1::Activate() {
    if (activated_)
        return;
    if (running_) { // a handler is waiting on a message box: activate after it
        QTimer::singleShot(10, this, &Form1::Activate);
        return;
    }
    activated_ = true;
    Run(ActivateHandler, tr("открытие окна"));
}

void Form1::Run(Handler handler, const QString& command) {
    if (running_)
        return;
    running_ = true;
    QString report;
    // A handler starts from a clean fault status, even after one that was abandoned.
    ClearFaults();
    ResetVectorState();
    try {
        handler(sheet_, surface_);
    } catch (const RunError& error) {
        report = QString::fromStdString(DescribeError(error, command.toStdString()));
    } catch (const std::exception& error) {
        report = tr("Команда «%1» прервана: внутренняя ошибка (%2).")
                     .arg(command, QString::fromLocal8Bit(error.what()));
    }
    ClearFaults();
    FlushDrawing();
    if (!report.isEmpty()) {
        QMessageBox box(QMessageBox::Critical, ApplicationTitle(), report, QMessageBox::Ok, this);
        box.exec();
    }
    running_ = false;
}

} // namespace hc
