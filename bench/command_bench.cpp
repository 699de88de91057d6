// What a press costs: the commands on a surface that does nothing (the bare
// arithmetic), and the same presses on the real window, handled and painted.
#include "commands/catenary_command.h"
#include "commands/window_handlers.h"
#include "drawing/demonstrations.h"
#include "model/fault_status.h"
#include "model/sheet.h"
#include "null_surface.h"
#include "window/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>
#include <string_view>

namespace {

using hc::Form1;

using Command = void (*)(hc::Sheet&, hc::DrawingSurface&);

// The command alone, on a surface that costs nothing.
void BM_Bare(benchmark::State& state, Command command) {
    hc::Sheet sheet;
    hc::NullSurface surface;
    hc::ResetSheet(sheet);
    for (auto _ : state) {
        hc::ClearFaults();
        command(sheet, surface);
        benchmark::DoNotOptimize(sheet.X);
    }
}
BENCHMARK_CAPTURE(BM_Bare, Catenary, hc::CatenaryCommand);
BENCHMARK_CAPTURE(BM_Bare, Cube, hc::PlotCube);

// The longest press timed: C = XA = 130000, L = 10⁶ makes 16 million passes,
// two powers of E each. The test run leaves it out (it takes seconds).
constexpr const char* kLongC = "130000";
constexpr const char* kLongL = "1000000";

void BM_BareLongCatenary(benchmark::State& state) {
    hc::Sheet sheet;
    hc::NullSurface surface;
    hc::ResetSheet(sheet);
    for (auto _ : state) {
        surface.SetText(hc::TextBox::Text1, kLongC);
        surface.SetText(hc::TextBox::Text2, kLongC);
        surface.SetText(hc::TextBox::Text6, kLongL);
        hc::CatenaryCommand(sheet, surface);
    }
}
BENCHMARK(BM_BareLongCatenary)->Unit(benchmark::kMillisecond)->Iterations(3);

// A shown window, widened so that every button is on screen.
class Window {
  public:
    Window() {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qFatal("the window was never exposed");
        QCoreApplication::processEvents();
        Press("Command1");
    }
    // A click, handled, then everything it asked to be painted painted.
    void Press(const char* name) {
        form.findChild<QPushButton*>(name)->click();
        Paint();
    }
    void Paint() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    Form1 form{QLocale::c()};
};

// A button pressed again and again; the adjust step runs after one catenary press.
void BM_PressWindow(benchmark::State& state, const char* button) {
    Window window;
    if (std::string_view(button) == "Command4")
        window.Press("Command8");
    for (auto _ : state)
        window.Press(button);
}
BENCHMARK_CAPTURE(BM_PressWindow, Catenary, "Command8");
BENCHMARK_CAPTURE(BM_PressWindow, Cube, "Command6");
BENCHMARK_CAPTURE(BM_PressWindow, Square, "Command7");
BENCHMARK_CAPTURE(BM_PressWindow, Adjust, "Command4");
BENCHMARK_CAPTURE(BM_PressWindow, Clear, "Command1");

// The two halves of a catenary press: the handler, and the painting it asked for.
void BM_CatenaryWindowHandlerOnly(benchmark::State& state) {
    Window window;
    for (auto _ : state) {
        window.form.findChild<QPushButton*>("Command8")->click();
        state.PauseTiming();
        window.Paint();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CatenaryWindowHandlerOnly);

void BM_CatenaryWindowPaintOnly(benchmark::State& state) {
    Window window;
    for (auto _ : state) {
        state.PauseTiming();
        window.form.findChild<QPushButton*>("Command8")->click();
        state.ResumeTiming();
        window.Paint();
    }
}
BENCHMARK(BM_CatenaryWindowPaintOnly);

void BM_FullRepaint(benchmark::State& state) {
    Window window;
    window.Press("Command8");
    for (auto _ : state)
        window.form.repaint();
}
BENCHMARK(BM_FullRepaint);

void BM_PressWindowLongCatenary(benchmark::State& state) {
    Window window;
    for (auto _ : state) {
        window.form.findChild<QLineEdit*>("Text1")->setText(kLongC);
        window.form.findChild<QLineEdit*>("Text2")->setText(kLongC);
        window.form.findChild<QLineEdit*>("Text6")->setText(kLongL);
        window.Press("Command8");
    }
}
BENCHMARK(BM_PressWindowLongCatenary)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
