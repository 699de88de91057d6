#pragma once

#include "commands/control_table.h"
#include "commands/narration.h"
#include "drawing/drawing_record.h"
#include "drawing/drawing_surface.h"
#include "model/sheet.h"
#include "window/announcer.h"
#include "window/canvas.h"
#include "window/handler_run.h"
#include "window/outer_size_keeper.h"

#include <QLocale>
#include <QMessageBox>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

class QLineEdit;

namespace hc {

class PlotDescription;

// The program's one window: the plot drawn on its own surface, and in front of
// it the text boxes, labels and buttons of the control table. It owns the
// Sheet and runs one handler per event, each to its end (HandlerRun). It is
// the handlers' drawing surface itself, privately: nothing outside draws on it.
// After each press a screen reader hears what the page's live region says
// (Narration), and the plot is described as the page's canvas is.
class Form1 : public QWidget, private DrawingSurface {
    Q_OBJECT

  public:
    // `now` times the handlers' work, by which a long one shows that it
    // works and lets the window system in (WorkClock's clock by default).
    explicit Form1(const QLocale& locale = QLocale::system(), WorkClock::Now now = {},
                   QWidget* parent = nullptr);

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
    const std::string& DecimalSeparator() const override { return decimalSeparator_; }
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
    void Run(Handler handler, std::string_view command);
    void Ask(QMessageBox::Icon icon, std::string_view text);
    void TakeIn(WindowChanges changes);
    QLineEdit* Box(TextBox box) const { return textBoxes_[static_cast<std::size_t>(box) - 1]; }

    Sheet sheet_;
    Canvas canvas_;
    OuterSizeKeeper outerSize_;
    HandlerRun run_;
    const std::string decimalSeparator_;
    std::array<QLineEdit*, 9> textBoxes_{};
    // What is drawn, counted for the plot's description, and a press's words.
    DrawingRecord record_{kDrawingEdge};
    Narration narration_;
    Announcer announcer_{*this};
    PlotDescription* plot_ = nullptr;
    bool activated_ = false;
};

} // namespace hc
