#pragma once

#include "canvas.h"
#include "drawing_surface.h"
#include "qt_surface.h"
#include "sheet.h"

#include <QLocale>
#include <QRegion>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

class QLineEdit;

namespace hc {

// The program's one window: the plot drawn on its own surface, and in front of
// it the text boxes, labels and buttons of the control table. It owns the
// Sheet and runs one handler per event, each to its end.
class Form1 : public QWidget {
    Q_OBJECT

  public:
    explicit Form1(const QLocale& locale = QLocale::system(), QWidget* parent = nullptr);

    const Sheet& sheet() const { return sheet_; }
    Canvas& canvas() { return canvas_; }
    const Canvas& canvas() const { return canvas_; }
    // The outer size of the window, frame included, in twips.
    QSizeF OuterSizeTwips() const;

    // What the drawing surface needs of the window.
    bool Repaint(const Canvas::Result& result);
    QColor ForegroundColour() const { return QColor::fromRgb(foreground_); }
    QRgb ForegroundRgb() const { return foreground_; }
    bool SetOuterSize(std::optional<float> widthTwips, std::optional<float> heightTwips);
    QLineEdit* textBox(TextBox box) const;
    void ShowMessage(const QString& prompt);

    static QString ApplicationTitle();

    // The window's two public operations, which no control invokes: a blue
    // circle with a printed line, and number⁴ through 32-bit integers
    // (RunError(Overflow) past |number| = 215).
    void Primer();
    static std::int32_t ASD(std::int32_t number);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    using Handler = void (*)(Sheet&, DrawingSurface&);

    void BuildControls();
    void Activate();
    void Run(Handler handler, const QString& command);
    QMargins FrameMargins() const;
    void FlushDrawing();

    Sheet sheet_;
    Canvas canvas_;
    QtSurface surface_;
    std::array<QLineEdit*, 9> textBoxes_{};
    // Drawn but not yet asked to be painted: the box being grown by nearby
    // drawing, and the boxes finished earlier.
    QRgb foreground_ = 0; // the palette's text colour, looked up once, not per dot
    QRect dirtyBox_;
    QRegion dirtyRegion_;
    bool activated_ = false;
    bool running_ = false;
};

} // namespace hc
