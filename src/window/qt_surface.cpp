#include "qt_surface.h"

#include "form1.h"
#include "numeric.h"
#include "vector_state.h"

#include <QLineEdit>
#include <QString>

namespace hc {

namespace {

QColor FromBgr(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

// Qt's own code leaves the vector registers dirty; the plotting loop that may
// follow a call into Qt must not pay for that (see ResetVectorState).
bool AfterQt(bool ok) {
    ResetVectorState();
    return ok;
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QtSurface::QtSurface(Form1& form, QLocale locale)
    : form_(form)
    , locale_(std::move(locale)) {}

std::string QtSurface::DecimalSeparator() const {
    return locale_.decimalPoint().toStdString();
}

bool QtSurface::DoCls() {
    return AfterQt(form_.Repaint(form_.canvas().Clear()));
}

bool QtSurface::DoLine(float x1, float y1, float x2, float y2, Colour colour) {
    return AfterQt(form_.Repaint(form_.canvas().Line({x1, y1}, {x2, y2}, FromBgr(colour))));
}

bool QtSurface::DoPSet(float x, float y) {
    return form_.Repaint(form_.canvas().Point({x, y}, form_.ForegroundRgb()));
}

bool QtSurface::DoCircle(float x, float y, float radius, Colour colour) {
    return AfterQt(form_.Repaint(form_.canvas().Circle({x, y}, radius, FromBgr(colour))));
}

void QtSurface::DoPrint(std::span<const PrintItem> items) {
    QStringList parts;
    for (const auto& item : items) {
        if (const auto* number = std::get_if<double>(&item))
            parts << FromUtf8(ToText(*number, DecimalSeparator()));
        else
            parts << FromUtf8(std::get<std::string>(item));
    }
    AfterQt(form_.Repaint(
        form_.canvas().PrintLine(parts.join(' '), form_.font(), form_.ForegroundColour())));
}

bool QtSurface::DoSetWidth(float twips) {
    return AfterQt(form_.SetOuterSize(twips, std::nullopt));
}

bool QtSurface::DoSetHeight(float twips) {
    return AfterQt(form_.SetOuterSize(std::nullopt, twips));
}

bool QtSurface::DoText(TextBox box, std::string& text) {
    const QLineEdit* edit = form_.textBox(box);
    if (edit == nullptr)
        return false;
    text = edit->text().toStdString();
    return AfterQt(true);
}

bool QtSurface::DoSetText(TextBox box, std::string_view text) {
    QLineEdit* edit = form_.textBox(box);
    if (edit == nullptr)
        return false;
    edit->setText(FromUtf8(text));
    edit->setCursorPosition(0); // long numbers show their leading digits
    return AfterQt(true);
}

void QtSurface::DoShowMessage(std::string_view prompt) {
    form_.ShowMessage(FromUtf8(prompt));
}

} // namespace hc
