#pragma once

#include "drawing/drawing_surface.h"
#include "model/sheet.h"
#include "window/canvas.h"
#include "window/control_table.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QLineEdit;

namespace hc {

// The program's one window: the plot drawn on its own surface, and in front of
// it the text boxes, labels and buttons of the control table. It owns the
// Sheet and runs one handler per event, each to its end. It is the handlers'
// drawing surface itself, privately: nothing outside draws on it.
class Form1 : public QWidget, private DrawingSurface {
    Q_OBJECT

  public:
    explicit Form1(const QLocale& locale = QLocale::system(), QWidget* parent = nullptr);

    // The window's two public operations, which no control invokes: a blue
    // circle with a printed line, and number⁴ through 32-bit integers
    // (RunError(Overflow) past |number| = 215).
    void Primer();
    static std::int32_t ASD(std::int32_t number);

    // What the tests read: the worksheet, the drawing, and the outer size of
    // the window (frame included) in twips.
    const Sheet& sheet() const { return sheet_; }
    const Canvas& canvas() const { return canvas_; }
    QSizeF OuterSizeTwips() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    std::string DecimalSeparator() const override;
    bool DoCls() override;
    bool DoLine(float x1, float y1, float x2, float y2, Colour colour) override;
    bool DoPSet(float x, float y) override;
    bool DoCircle(float x, float y, float radius, Colour colour) override;
    void DoPrint(std::string_view line) override;
    bool DoSetWidth(float twips) override;
    bool DoSetHeight(float twips) override;
    bool DoText(TextBox box, std::string& text) override;
    bool DoSetText(TextBox box, std::string_view text) override;
    void DoShowMessage(std::string_view prompt) override;

    void BuildControls();
    void Activate();
    void Run(Handler handler, const QString& command);
    bool Drawn(const Canvas::Result& result);
    void ShowDrawing();
    void KeepResponsive();
    QLineEdit* Box(TextBox box) const { return textBoxes_[static_cast<std::size_t>(box) - 1]; }
    QMargins FrameMargins() const;
    bool SetOuterSize(std::optional<float> widthTwips, std::optional<float> heightTwips);
    bool ApplyOuterSize();
    void FollowFrame();
    void Resize(QSize client);

    Sheet sheet_;
    Canvas canvas_;
    QLocale locale_;
    std::array<QLineEdit*, 9> textBoxes_{};
    QRect changed_; // drawn since the handler started, not yet asked to be painted
    // The outer size the handlers last asked for, in twips, and the frame it
    // was applied with. A window manager frames a new window only after it is
    // shown, so the size is applied again once the frame is known, unless the
    // user has resized the window since. The window manager reports the sizes
    // the program asked for, late, so only a size never asked for is the user's.
    std::optional<float> outerWidth_;
    std::optional<float> outerHeight_;
    QMargins appliedFrame_;
    std::vector<QSize> askedSizes_;
    // A handler that runs long shows the busy cursor and lets the window repaint.
    QElapsedTimer handlerClock_;
    qint64 lastPump_ = 0;
    unsigned dotsSet_ = 0;
    bool busy_ = false;
    bool activated_ = false;
    bool running_ = false;
};

} // namespace hc
