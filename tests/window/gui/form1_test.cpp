#include "catenary_command.h"
#include "control_table.h"
#include "form1_fixture.h"
#include "pixels.h"

#include <QLabel>

namespace hc {
namespace {

QRgb Foreground(const Form1& form) {
    return form.ForegroundColour().rgba();
}

TEST_F(Form1Test, StartsAtSevenThousandByTenThousandTwipsWithTheFrameOnly) {
    EXPECT_NEAR(WidthTwips(), 7000, 15);
    EXPECT_NEAR(HeightTwips(), 10000, 15);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Морвина"));
    const QImage& image = form->canvas().image();
    EXPECT_GT(CountPixels(image, kFrameRed), 0);
    EXPECT_EQ(CountPixels(image, Foreground(*form)), 0);
    // The x axis runs along the bottom of the plot area.
    EXPECT_EQ(PixelAtTwips(image, form->canvas().pixelsPerTwip(), 3000, 8000), kFrameRed);
}

TEST_F(Form1Test, ControlsHoldTheirInitialTextsAndPlaces) {
    const double ppt = form->canvas().pixelsPerTwip();
    for (const ControlSpec& entry : kControls) {
        const QString name = QString::fromUtf8(entry.name.data(), entry.name.size());
        QWidget* control = form->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << entry.name;
        QString text;
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            text = edit->text();
        else if (auto* label = qobject_cast<QLabel*>(control))
            text = label->text();
        else if (auto* button = qobject_cast<QPushButton*>(control))
            text = button->text();
        EXPECT_EQ(text.toStdString(), entry.text) << entry.name;
        EXPECT_NEAR(control->x(), entry.left * ppt, 1) << entry.name;
        EXPECT_NEAR(control->y(), entry.top * ppt, 1) << entry.name;
        EXPECT_NEAR(control->width(), entry.width * ppt, 1) << entry.name;
    }
}

TEST_F(Form1Test, TextBoxesCarryTheirCaptionsForScreenReaders) {
    EXPECT_EQ(Box("Text1")->accessibleName(), QStringLiteral("Ордината С"));
    EXPECT_EQ(Box("Text6")->accessibleName(), QStringLiteral("Длина цепи"));
    for (int i = 1; i <= 9; ++i)
        EXPECT_FALSE(Box(qPrintable(QStringLiteral("Text%1").arg(i)))->accessibleName().isEmpty());
}

TEST_F(Form1Test, FocusStartsInText1AndTabFollowsTheTableSkippingLabels) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_EQ(QApplication::focusWidget(), Box("Text1"));
    QStringList visited;
    for (const ControlSpec& entry : kControls) {
        if (entry.kind == ControlKind::Label)
            continue;
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList expected;
    for (const ControlSpec& entry : kControls)
        if (entry.kind != ControlKind::Label)
            expected << QString::fromUtf8(entry.name.data(), entry.name.size());
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(QApplication::focusWidget(), Box("Text1")); // and round again
}

TEST_F(Form1Test, CatenaryPressWritesTheResultsAndDrawsTheCurve) {
    EXPECT_TRUE(Click("Command8").empty());
    EXPECT_EQ(Box("Text8")->text(), QStringLiteral("3.08866944394248"));
    EXPECT_EQ(Box("Text5")->text(), QStringLiteral("2.75315799291358"));
    const QImage& image = form->canvas().image();
    const double ppt = form->canvas().pixelsPerTwip();
    // The first dot at world x = −2 and the last at the vertex.
    EXPECT_EQ(PixelAtTwips(image, ppt, 2400, 8000 - 800 * 3.0886694439424773), Foreground(*form));
    EXPECT_EQ(PixelAtTwips(image, ppt, 3999, 8000 - 800 * 1.4), Foreground(*form));
    EXPECT_GT(CountPixels(image, Foreground(*form)), 100);
}

TEST_F(Form1Test, UnderARussianLocaleResultsUseADecimalComma) {
    form.reset();
    Start(QLocale(QLocale::Russian, QLocale::Russia));
    Click("Command8");
    EXPECT_EQ(Box("Text8")->text(), QStringLiteral("3,08866944394248"));
}

TEST_F(Form1Test, ClearAfterAPlotRedrawsTheFrameWidensTheWindowAndKeepsC) {
    Click("Command8");
    Click("Command1");
    const QImage& image = form->canvas().image();
    EXPECT_EQ(CountPixels(image, Foreground(*form)), 0);
    EXPECT_GT(CountPixels(image, kFrameRed), 0);
    EXPECT_NEAR(WidthTwips(), 10000, 15);
    EXPECT_NEAR(HeightTwips(), 10000, 15);
    EXPECT_EQ(form->sheet().C, 1.4);
    EXPECT_EQ(Box("Text8")->text(), QStringLiteral("3.08866944394248"));
    // Now the ticks beyond 7000 twips are on the surface too.
    EXPECT_EQ(PixelAtTwips(image, form->canvas().pixelsPerTwip(), 7200, 7950), kFrameRed);
}

TEST_F(Form1Test, DeadButtonsChangeNothing) {
    Click("Command1"); // widen, so that every button can be reached
    Click("Command8");
    const QImage before = form->canvas().image().copy();
    const Sheet sheet = form->sheet();
    QStringList texts;
    for (int i = 1; i <= 9; ++i)
        texts << Box(qPrintable(QStringLiteral("Text%1").arg(i)))->text();

    for (const char* name : {"Command2", "Command3", "Command5", "Command9"})
        EXPECT_TRUE(Click(name).empty()) << name;

    EXPECT_EQ(form->canvas().image(), before);
    EXPECT_EQ(form->sheet().C, sheet.C);
    EXPECT_EQ(form->sheet().X, sheet.X);
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(Box(qPrintable(QStringLiteral("Text%1").arg(i)))->text(), texts[i - 1]);
}

TEST_F(Form1Test, MessagesShowTheirExactTextsInAPlainBox) {
    Type("Text1", QStringLiteral("0.144"));
    auto seen = Click("Command8");
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].text.toStdString(), kMinimumCMessage);
    EXPECT_EQ(seen[0].title, QStringLiteral("Морвина"));
    EXPECT_EQ(seen[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(Box("Text1")->text(), QStringLiteral("0.144"));

    Type("Text1", QStringLiteral("1.4"));
    Type("Text6", QStringLiteral("2"));
    seen = Click("Command8");
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].text.toStdString(), kShortChainMessage);
}

TEST_F(Form1Test, AnErrorIsReportedAndTheProgramGoesOnWithEverythingTyped) {
    Click("Command1"); // widen, so that "Считать" can be reached
    Type("Text2", QStringLiteral("7"));
    const auto seen = Click("Command4"); // before any plot: C is 0
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(seen[0].text.contains(QStringLiteral("Считать"))) << seen[0].text.toStdString();
    EXPECT_TRUE(seen[0].text.contains(QStringLiteral("арифметическая ошибка")));
    EXPECT_TRUE(seen[0].text.contains(QStringLiteral("ординаты"))) << "where it arose";
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Box("Text2")->text(), QStringLiteral("7"));
    EXPECT_EQ(Box("Text9")->text(), QStringLiteral("Text9"));

    // The next command starts clean and works.
    Type("Text2", QStringLiteral("2"));
    EXPECT_TRUE(Click("Command8").empty());
    EXPECT_EQ(Box("Text8")->text(), QStringLiteral("3.08866944394248"));
    EXPECT_TRUE(Click("Command4").empty());
    EXPECT_EQ(Box("Text1")->text(), QStringLiteral("1.4014"));
}

TEST_F(Form1Test, ActivationHandlerRunsOnceEvenWhenActivationComesAgain) {
    Click("Command1"); // the window is now 10000 twips wide; activation would narrow it
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QEvent activation(QEvent::ActivationChange);
    QApplication::sendEvent(form.get(), &activation);
    QCoreApplication::processEvents();
    EXPECT_NEAR(WidthTwips(), 10000, 15);
}

TEST_F(Form1Test, PrimerDrawsItsBlueCircleAndPrintsOnTheWindow) {
    // Dark pixels in the strip where printing starts, at the top-left corner.
    const auto printed = [this] {
        const QImage strip = form->canvas().image().copy(0, 0, 100, 16);
        int dark = 0;
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 0; x < strip.width(); ++x)
                dark += qGray(strip.pixel(x, y)) < 128 ? 1 : 0;
        return dark;
    };
    ASSERT_EQ(printed(), 0);
    form->Primer();
    const QImage& image = form->canvas().image();
    const double ppt = form->canvas().pixelsPerTwip();
    EXPECT_GT(CountPixels(image, qRgb(0, 0, 255)), 60) << "no blue circle";
    EXPECT_EQ(PixelAtTwips(image, ppt, 500, 600), form->palette().color(QPalette::Window).rgb())
        << "the circle is not filled";
    EXPECT_GT(printed(), 10) << "nothing printed";
    EXPECT_EQ(Form1::ASD(-3), 81);
}

TEST_F(Form1Test, DrawingSurvivesResizing) {
    Click("Command8");
    const double ppt = form->canvas().pixelsPerTwip();
    form->resize(100, 100);
    QCoreApplication::processEvents();
    form->resize(700, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(PixelAtTwips(form->canvas().image(), ppt, 2400, 8000 - 800 * 3.0886694439424773),
              Foreground(*form));
    // And it is what the window paints.
    const QImage shown = form->grab().toImage();
    EXPECT_EQ(PixelAtTwips(shown, ppt, 2400, 8000 - 800 * 3.0886694439424773), Foreground(*form));
}

} // namespace
} // namespace hc
