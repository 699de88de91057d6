#include "form1_fixture.h"
#include "pixels.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>

namespace hc {
namespace {

QRgb Foreground(const Form1& form) {
    return form.palette().color(QPalette::WindowText).rgb();
}

TEST_F(Form1Test, StartsAtSevenThousandByTenThousandTwipsWithTheFrameOnly) {
    EXPECT_NEAR(WidthTwips(), 7000, 15);
    EXPECT_NEAR(HeightTwips(), 10000, 15);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Морвина"));
    const QImage& image = form->canvas().image();
    EXPECT_GT(CountPixels(image, kFrameRed), 0);
    EXPECT_EQ(CountPixels(image, Foreground(*form)), 0);
    // The x axis runs along the bottom of the plot area.
    EXPECT_EQ(PixelAtTwips(image, PixelsPerTwip(), 3000, 8000), kFrameRed);
}

struct ControlRow {
    const char* name;
    const char* text; // as the user sees it
    int left;         // twips
    int top;
    int width;
    int height;
};

TEST_F(Form1Test, ControlsHoldTheirInitialTextsAndPlaces) {
    // Some captions mix Latin and Cyrillic letters on purpose: X, A, Y, W, k and
    // the "e" of "лeвой" are Latin.
    const ControlRow expected[] = {
        {"Text1", "1.4", 1440, 5040, 615, 495},
        {"Label1", "Ордината           С", 360, 5040, 855, 495},
        {"Label2", "XA Расстояние  до левой опоры", 0, 5760, 1335, 495},
        {"Text2", "2", 1440, 5640, 615, 495},
        {"Label3", "Расстояние до правой опоры", 8880, 3600, 1215, 615},
        {"Text3", "2.5", 10200, 3720, 615, 495},
        {"Label4", "Коэфф kY", 9240, 5160, 855, 255},
        {"Text4", "Text4", 10200, 5040, 615, 495},
        {"Command1", "Очистить", 3600, 8280, 1215, 495},
        {"Text5", "", 1440, 8040, 615, 495},
        {"Text6", "3.3", 1440, 7320, 495, 495},
        {"Label5", "Длина WA", 0, 8160, 1215, 255},
        {"Command2", "Command2", 8880, 1320, 1215, 495},
        {"Command3", "Command3", 8880, 1920, 1215, 495},
        {"Command4", "Считать", 9000, 8280, 1215, 495},
        {"Command5", "Построить график", 8880, 2520, 1215, 495},
        {"Command6", "X^3", 8760, 0, 1215, 495},
        {"Command7", "X^2", 8760, 600, 1215, 495},
        {"Command8", "Построить график Морвина", 2280, 8160, 1215, 735},
        {"Text7", "Длина цепи", 120, 7320, 1215, 495},
        {"Command9", "Расчёты", 8880, 7320, 1215, 495},
        {"Text8", "", 1440, 6600, 615, 495},
        {"Label6", "YA  Высота лeвой опоры", 0, 6600, 1215, 495},
        {"Text9", "Text9", 10200, 4440, 615, 495},
        {"Label7", "YA", 9840, 4560, 255, 255},
    };
    const double ppt = PixelsPerTwip();
    for (const ControlRow& row : expected) {
        QWidget* control = form->findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(control, nullptr) << row.name;
        QString text;
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            text = edit->text();
        else if (auto* label = qobject_cast<QLabel*>(control))
            text = label->text();
        else if (auto* button = qobject_cast<QPushButton*>(control))
            text = button->text();
        EXPECT_EQ(text, QString::fromUtf8(row.text)) << row.name;
        EXPECT_NEAR(control->x(), row.left * ppt, 1) << row.name;
        EXPECT_NEAR(control->y(), row.top * ppt, 1) << row.name;
        EXPECT_NEAR(control->width(), row.width * ppt, 1) << row.name;
        EXPECT_NEAR(control->height(), row.height * ppt, 1) << row.name;
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
    const QStringList expected = {
        "Text1",    "Text2",    "Text3",    "Text4",    "Command1", "Text5",
        "Text6",    "Command2", "Command3", "Command4", "Command5", "Command6",
        "Command7", "Command8", "Text7",    "Command9", "Text8",    "Text9",
    };
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(QApplication::focusWidget(), Box("Text1")); // and round again
}

TEST_F(Form1Test, CatenaryPressWritesTheResultsAndDrawsTheCurve) {
    EXPECT_TRUE(Click("Command8").empty());
    EXPECT_EQ(Box("Text8")->text(), QStringLiteral("3.08866944394248"));
    EXPECT_EQ(Box("Text5")->text(), QStringLiteral("2.75315799291358"));
    const QImage& image = form->canvas().image();
    const double ppt = PixelsPerTwip();
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

// What a Persian keyboard types, and a number copied from a Russian text:
// the window hands the boxes' text to the reading rule whole.
TEST_F(Form1Test, BoxesReadDigitsOfAnyScriptAndNoBreakSpaces) {
    form.reset();
    Start(QLocale(QLocale::Persian, QLocale::Iran));
    Type("Text1", QStringLiteral("\u06F1\u066B\u06F4")); // ۱٫۴
    Type("Text2", QStringLiteral("\uFF12"));             // a full-width 2
    Type("Text6", QStringLiteral("\u00A0\u06F3\u066B\u06F3\u202F"));
    EXPECT_TRUE(Click("Command8").empty());
    EXPECT_EQ(Box("Text8")->text(), QStringLiteral("3\u066B08866944394248"));
    EXPECT_EQ(Box("Text5")->text(), QStringLiteral("2\u066B75315799291358"));
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
    EXPECT_EQ(PixelAtTwips(image, PixelsPerTwip(), 7200, 7950), kFrameRed);
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
    EXPECT_EQ(seen[0].text,
              QStringLiteral("Будет построен график с минимально допустимым значением C=0,144"));
    EXPECT_EQ(seen[0].title, QStringLiteral("Морвина"));
    EXPECT_EQ(seen[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(Box("Text1")->text(), QStringLiteral("0.144"));

    Type("Text1", QStringLiteral("1.4"));
    Type("Text6", QStringLiteral("2"));
    seen = Click("Command8");
    ASSERT_EQ(seen.size(), 1U);
    EXPECT_EQ(seen[0].text, QStringLiteral("Длины цепи не хватает перекрыть пролёт"));
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
    const double ppt = PixelsPerTwip();
    EXPECT_GT(CountPixels(image, qRgb(0, 0, 255)), 60) << "no blue circle";
    EXPECT_EQ(PixelAtTwips(image, ppt, 500, 600), form->palette().color(QPalette::Window).rgb())
        << "the circle is not filled";
    EXPECT_GT(printed(), 10) << "nothing printed";
    EXPECT_EQ(Form1::ASD(-3), 81);
}

TEST_F(Form1Test, DrawingSurvivesResizing) {
    Click("Command8");
    const double ppt = PixelsPerTwip();
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

TEST_F(Form1Test, AThemeChangeBetweenPressesRecoloursThePlotAndKeepsTheFrameVisible) {
    Click("Command8");
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    QApplication::setPalette(dark);
    QCoreApplication::processEvents(); // the change reaches the window as an event
    Click("Command7");                 // x², after the switch
    const QImage image = form->canvas().image();
    QApplication::setPalette(light);
    QCoreApplication::processEvents();

    const double ppt = PixelsPerTwip();
    EXPECT_EQ(PixelAtTwips(image, ppt, 6000, 1000), 0xFF202020U) << "background";
    EXPECT_EQ(PixelAtTwips(image, ppt, 2400, 8000 - 800 * 3.0886694439424773), 0xFFE0E0E0U)
        << "a dot of the catenary, drawn before the switch";
    EXPECT_EQ(PixelAtTwips(image, ppt, 4000 + 800 * 2, 8000 - 800 * 4), 0xFFE0E0E0U)
        << "a dot of x², drawn after it";
    // The frame's red, lightened just enough to stand out 3 : 1 from the dark window.
    EXPECT_EQ(PixelAtTwips(image, ppt, 3000, 8000), 0xFFD80000U);
    EXPECT_EQ(CountPixels(image, light.color(QPalette::Window).rgb()), 0);
    EXPECT_EQ(CountPixels(image, light.color(QPalette::WindowText).rgb()), 0);
}

TEST_F(Form1Test, EnterAndKeypadEnterPressTheFocusedButtonWithoutADefaultButton) {
    Button("Command8")->setFocus();
    QTest::keyClick(Button("Command8"), Qt::Key_Return);
    EXPECT_EQ(Box("Text8")->text(), QStringLiteral("3.08866944394248"));
    Button("Command1")->setFocus();
    QTest::keyClick(Button("Command1"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_NEAR(WidthTwips(), 10000, 15);
    for (QPushButton* button : form->findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault() || button->autoDefault())
            << button->objectName().toStdString();
}

TEST_F(Form1Test, ALongCommandShowsTheBusyCursorAndAnOrdinaryOneDoesNot) {
    TestClock clock;
    form.reset();
    Start(QLocale::c(), clock.Reader());
    // Counts the turns of the event loop while a press runs, and the cursor then.
    int turns = 0;
    bool busy = false;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        ++turns;
        busy = busy || WaitCursorShown();
    });
    watch.start();
    Button("Command8")->click(); // the initial texts: 401 dots, not one reading of the clock
    EXPECT_EQ(turns, 0) << "an ordinary press let the window change mid-way";

    Type("Text1", QStringLiteral("200"));
    Type("Text2", QStringLiteral("200"));
    Type("Text6", QStringLiteral("1000000")); // 40000 dots: ten readings
    Button("Command8")->click();
    watch.stop();
    EXPECT_TRUE(busy) << "no busy cursor in " << turns << " turns of the event loop";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy cursor stayed";
}

// Closing the window during a long press ends the press at its next dot
// and the program with it, and no report appears over a window that is gone.
TEST_F(Form1Test, ACloseDuringALongPressEndsItWithoutAMessage) {
    TestClock clock;
    int closedAt = 0;
    clock.onReading = [&] {
        if (closedAt == 0 && WaitCursorShown()) {
            closedAt = clock.readings;
            QTimer::singleShot(0, form.get(), &QWidget::close); // as the window system asks it
        }
    };
    form.reset();
    Start(QLocale::c(), clock.Reader());
    Type("Text1", QStringLiteral("200"));
    Type("Text2", QStringLiteral("200"));
    Type("Text6", QStringLiteral("1000000")); // 40000 dots: ten readings
    const std::vector<SeenMessage> seen = Click("Command8");
    ASSERT_NE(closedAt, 0) << "the press never showed that it worked";
    EXPECT_EQ(clock.readings, closedAt) << "the press ran on after the close";
    EXPECT_TRUE(seen.empty()) << seen.front().text.toStdString();
    EXPECT_FALSE(form->isVisible());
}

// A paste longer than Qt's default limit of a line edit is kept whole.
TEST_F(Form1Test, ABoxKeepsAPasteOfFortyThousandCharacters) {
    QApplication::clipboard()->setText(QString(40000, QLatin1Char('7')));
    Box("Text6")->clear();
    Box("Text6")->paste();
    EXPECT_EQ(Box("Text6")->text().size(), 40000);
}

// A click during a long press is dropped, and so is what it would do to the
// keyboard focus: the press keeps it where it was, on its own button.
TEST_F(Form1Test, AClickDuringALongPressLeavesTheFocusWhereItWas) {
    TestClock clock;
    bool clicked = false;
    bool closing = false;
    clock.onReading = [&] {
        if (!WaitCursorShown() || closing)
            return;
        if (!clicked) {
            // Through the window, as the window system delivers a click.
            QTimer::singleShot(0, form.get(), [&] {
                const QPoint onText2 =
                    Box("Text2")->mapTo(form.get(), Box("Text2")->rect().center());
                QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, onText2);
                clicked = true;
            });
        } else {
            closing = true; // no need to wait for the end
            QTimer::singleShot(0, form.get(), &QWidget::close);
        }
    };
    form.reset();
    Start(QLocale::c(), clock.Reader());
    Type("Text1", QStringLiteral("200"));
    Type("Text2", QStringLiteral("200"));
    Type("Text6", QStringLiteral("1000000")); // 40000 dots: ten readings
    Click("Command8");
    ASSERT_TRUE(clicked) << "the press ended before the click";
    EXPECT_EQ(form->focusWidget(), Button("Command8"))
        << "focus on " << form->focusWidget()->objectName().toStdString();
    EXPECT_EQ(Box("Text2")->text(), QStringLiteral("200"));
}

} // namespace
} // namespace hc

namespace hc {
namespace {

// Tabbing into a box selects its text and scrolls it to the end: a long
// result tabbed through must not stay showing its last digits
// («4394248» of 3,08866944394248), which read as another number.
TEST_F(Form1Test, AResultBoxTabbedThroughShowsItsTextFromTheStart) {
    Click("Command8");
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    for (const char* name : {"Text5", "Text8"}) {
        QLineEdit* box = Box(name);
        box->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(box->cursorPosition(), box->text().size()) << name << ": not at its tail";
        QTest::keyClick(box, Qt::Key_Tab);
        ASSERT_FALSE(box->hasFocus()) << name;
        EXPECT_EQ(box->cursorPosition(), 0) << name;
        EXPECT_FALSE(box->hasSelectedText()) << name;
    }
}

// What a screen reader hears: a frame, not a filler, and each label related
// to the box it captions.
TEST_F(Form1Test, AScreenReaderSeesAFrameWithEachLabelRelatedToItsBox) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);

    const std::pair<const char*, const char*> captions[] = {
        {"Label1", "Text1"}, {"Label2", "Text2"}, {"Label3", "Text3"}, {"Label4", "Text4"},
        {"Label5", "Text5"}, {"Label6", "Text8"}, {"Label7", "Text9"},
    };
    for (const auto& [label, box] : captions) {
        QAccessibleInterface* boxInterface = QAccessible::queryAccessibleInterface(Box(box));
        ASSERT_NE(boxInterface, nullptr) << box;
        QStringList labelledBy;
        for (const auto& [other, relation] : boxInterface->relations(QAccessible::Label))
            labelledBy << other->object()->objectName();
        EXPECT_EQ(labelledBy, QStringList{QString::fromLatin1(label)}) << box;
    }
    EXPECT_EQ(Box("Text8")->accessibleName(), QStringLiteral("YA Высота левой опоры"));
}

// In a message box only its button has the focus; the row it sits in must
// not report it too.
TEST_F(Form1Test, InAMessageBoxOnlyTheButtonReportsTheFocus) {
    Type("Text1", QStringLiteral("0"));
    QStringList focused;
    QTimer look;
    look.setInterval(5);
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        // Offscreen, nothing activates a new window by itself; the focus
        // follows the activation a moment later.
        box->activateWindow();
        if (!QTest::qWaitFor([box] {
                return QApplication::focusWidget() != nullptr &&
                       box->isAncestorOf(QApplication::focusWidget());
            }))
            return;
        for (QWidget* widget : box->findChildren<QWidget*>())
            if (QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
                control != nullptr && control->state().focused)
                focused << QString::fromLatin1(widget->metaObject()->className());
        box->button(QMessageBox::Ok)->click();
    });
    look.start();
    QTest::mouseClick(Button("Command8"), Qt::LeftButton);
    look.stop();
    EXPECT_EQ(focused, QStringList{QStringLiteral("QPushButton")});
}

} // namespace
} // namespace hc
