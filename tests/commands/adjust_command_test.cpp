#include "command_fixture.h"
#include "commands/adjust_command.h"
#include "commands/catenary_command.h"
#include "commands/error_report.h"
#include "drawing/demonstrations.h"
#include "model/run_error.h"
#include "support/named_rows.h"
#include "support/raised.h"

#include <gtest/gtest.h>

namespace hc {
namespace {

using AdjustCommandTest = CommandTest;

TEST_F(AdjustCommandTest, AfterTheCatenaryRaisesCAndShowsTheValuesAtTheSweepsEnd) {
    surface.separator = ",";
    CatenaryCommand(sheet, surface);
    surface.calls.clear();

    AdjustCommand(sheet, surface);
    EXPECT_EQ(sheet.C, 0x1.66c226809d494p0);   // 1.4014
    EXPECT_EQ(sheet.YA, 0x1.66c2bc0b3649cp0);  // 1.4014089133618546
    EXPECT_EQ(sheet.WA, 0x1.4790a18336fd9p-8); // 0.004998244697357956
    ASSERT_EQ(surface.Ops(), (std::vector<std::string>{"Text", "SetText", "SetText", "SetText"}));
    EXPECT_EQ(surface.calls[1].box, TextBox::Text9);
    EXPECT_EQ(surface.calls[2].box, TextBox::Text1);
    EXPECT_EQ(surface.calls[3].box, TextBox::Text5);
    EXPECT_EQ(Shown(TextBox::Text1), "1,4014");
    EXPECT_EQ(Shown(TextBox::Text9), "1,40140891336185");
    EXPECT_EQ(Shown(TextBox::Text8), "3,08866944394248"); // the catenary's box stays
    EXPECT_TRUE(surface.Drawing().empty());
}

TEST_F(AdjustCommandTest, PressesRaiseCGeometricallyWhileTheChainIsLonger) {
    CatenaryCommand(sheet, surface);
    for (int press = 0; press < 3; ++press)
        AdjustCommand(sheet, surface);
    EXPECT_EQ(sheet.C, 0x1.6779ed31eb362p0); // ((1.4 · 1.001) · 1.001) · 1.001
}

TEST_F(AdjustCommandTest, ChainNotLongerThanTheArcChangesNothingButL) {
    CatenaryCommand(sheet, surface);
    const Sheet before = sheet;
    const auto texts = surface.texts;
    Type(TextBox::Text6, "0");
    surface.calls.clear();
    AdjustCommand(sheet, surface);
    EXPECT_EQ(sheet.L, 0);
    EXPECT_EQ(sheet.C, before.C);
    EXPECT_EQ(sheet.WA, before.WA);
    EXPECT_EQ(sheet.YA, before.YA);
    EXPECT_EQ(surface.Ops(), (std::vector<std::string>{"Text"}));
}

TEST_F(AdjustCommandTest, BeforeAnyCatenaryFailsInChainYWithCStillZero) {
    const auto error = Raised([&] { AdjustCommand(sheet, surface); });
    ASSERT_TRUE(error) << "no error";
    EXPECT_EQ(error->kind(), ErrorKind::ArithmeticFault);
    EXPECT_EQ(error->step(), Step::ChainYRatio);
    EXPECT_EQ(sheet.C, 0);
    EXPECT_EQ(sheet.L, 3.3);
    EXPECT_EQ(Shown(TextBox::Text9), "Text9");
    EXPECT_EQ(Shown(TextBox::Text1), "1.4");
}

TEST_F(AdjustCommandTest, AfterTheSquareDemonstrationEvaluatesAtItsEnd) {
    CatenaryCommand(sheet, surface);
    PlotSquare(sheet, surface);
    ASSERT_EQ(sheet.X, 0x1.00405p1f); // 2.0019627…
    AdjustCommand(sheet, surface);
    EXPECT_EQ(sheet.YA, 0x1.8bbc52e6a6f77p1);
}

// A command abandoned at a fault can leave a field beyond every number (X
// after a store that overflowed, C raised past the double range). The next
// «Считать» must stop at its first step that meets it, with a report that says
// what to do, and show no «inf» anywhere.
TEST_F(AdjustCommandTest, AfterAnAbandonedPressStopsInsteadOfShowingInfinity) {
    struct Row {
        const char* name;
        TextBox box;
        const char* typed;
        Step step;
        const char* report;
    };
    const Row rows[] = {
        {"XBeyondBinary32", TextBox::Text2, "1e39", Step::ChainYAbscissa,
         "арифметическая ошибка (деление на ноль, недопустимая операция или переполнение), при "
         "вычислении ординаты цепной линии. Число XA слишком велико для абсциссы: |XA| должно "
         "быть не больше 3,4E+38. Исправьте его и постройте график заново кнопкой «Построить "
         "график Морвина»."},
        {"NegativeXBeyondBinary32", TextBox::Text2, "-1e39", Step::ChainYAbscissa,
         "арифметическая ошибка (деление на ноль, недопустимая операция или переполнение), при "
         "вычислении ординаты цепной линии. Число XA слишком велико для абсциссы: |XA| должно "
         "быть не больше 3,4E+38. Исправьте его и постройте график заново кнопкой «Построить "
         "график Морвина»."},
        {"CBeyondTheDoubleRange", TextBox::Text1, "1.797e308", Step::RaiseC,
         "арифметическая ошибка (деление на ноль, недопустимая операция или переполнение), при "
         "увеличении C. C слишком велико, чтобы его увеличить. Введите меньшее C и постройте "
         "график заново кнопкой «Построить график Морвина»."},
    };
    for (const Row& row : rows) {
        Restart();
        Type(row.box, row.typed);
        ASSERT_TRUE(Raised([&] { CatenaryCommand(sheet, surface); })) << row.name;
        Raised([&] { AdjustCommand(sheet, surface); }); // C past the range fails here first
        const auto texts = surface.texts;
        const auto error = Raised([&] { AdjustCommand(sheet, surface); });
        ASSERT_TRUE(error) << row.name;
        EXPECT_EQ(error->kind(), ErrorKind::ArithmeticFault) << row.name;
        EXPECT_EQ(error->step(), row.step) << row.name;
        EXPECT_EQ(surface.texts, texts) << row.name;
        for (const auto& [box, text] : surface.texts)
            EXPECT_EQ(text.find("inf"), std::string::npos) << row.name << ": " << text;
        EXPECT_EQ(DescribeError(*error, "Считать", ","),
                  std::string("Команда «Считать» прервана: ") + row.report +
                      "\n\nВведённые значения сохранены: их можно исправить и повторить.")
            << row.name;
    }
}

// «Считать» takes the ordinate at the last abscissa X. Where a plot stopped at
// a support, X holds that support's number, and the report says so: no box
// or caption of the window is called X.
TEST_F(AdjustCommandTest, AnOverflowAtTheLastAbscissaNamesTheSupportThePlotLeftThere) {
    struct Row {
        const char* name;
        TextBox box;
        const char* typed;
        const char* advice;
    };
    const Row rows[] = {
        {"LeftSupport", TextBox::Text2, "1000",
         "Последняя абсцисса — значение XA, оставленное прерванным построением: отношение |XA|/C "
         "должно быть не больше 709,78. Исправьте XA и постройте график заново кнопкой "
         "«Построить график Морвина»."},
        {"RightSupport", TextBox::Text3, "1000",
         "Последняя абсцисса — значение XB, оставленное прерванным построением: отношение |XB|/C "
         "должно быть не больше 709,78. Исправьте XB и постройте график заново кнопкой "
         "«Построить график Морвина»."},
    };
    for (const Row& row : rows) {
        Restart();
        Type(row.box, row.typed);
        ASSERT_TRUE(Raised([&] { CatenaryCommand(sheet, surface); })) << row.name;
        ASSERT_EQ(sheet.X, 1000.0f) << row.name;
        const auto error = Raised([&] { AdjustCommand(sheet, surface); });
        ASSERT_TRUE(error) << row.name;
        EXPECT_EQ(DescribeError(*error, "Считать", ","),
                  std::string("Команда «Считать» прервана: переполнение: число вышло за "
                              "допустимый диапазон, при возведении в степень. ") +
                      row.advice +
                      "\n\nВведённые значения сохранены: их можно исправить и повторить.")
            << row.name;
    }
}

// Whole sessions as a user types them: a catenary press, then «Считать» pressed
// until the arc length shows a value in which the C library's pow, unlike a
// correctly rounded power, moves digits. Each row was found with glibc's pow and
// its texts checked against a power computed by MPFR alone.
struct SessionRow {
    const char* name;
    const char* c;
    const char* xa;
    const char* xb;
    const char* l;
    int presses;
    const char* text1; // C
    const char* text9; // the ordinate at X
    const char* text5; // the arc length to X
};

class SessionTest : public CommandTest, public testing::WithParamInterface<SessionRow> {};

TEST_P(SessionTest, ShowsTheCorrectlyRoundedDigits) {
    const SessionRow& row = GetParam();
    Type(TextBox::Text1, row.c);
    Type(TextBox::Text2, row.xa);
    Type(TextBox::Text3, row.xb);
    Type(TextBox::Text6, row.l);
    CatenaryCommand(sheet, surface);
    for (int press = 0; press < row.presses; ++press)
        AdjustCommand(sheet, surface);
    EXPECT_EQ(Shown(TextBox::Text1), row.text1);
    EXPECT_EQ(Shown(TextBox::Text9), row.text9);
    EXPECT_EQ(Shown(TextBox::Text5), row.text5);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SessionTest,
    testing::Values(
        // glibc shows 0.00499859178958161 here
        SessionRow{"NearTheVertex", "18.2", "1.6", "16.8", "2.0", 146, "21.0594342519087",
                   "21.0594348451326", "0.00499859178389566"},
        // glibc: 2.65156941646757E-06
        SessionRow{"ThirdDigitOfATinyArc", "3.55", "2.20", "13.30", "5.532", 80, "3.84551536902918",
                   "3.84551536903009", "2.65190435860451E-06"},
        // glibc: 7.15553698466249E-05
        SessionRow{"FewPresses", "2.766", "5.2", "23.36", "12.47", 5, "2.77985768767383",
                   "2.77985768859477", "7.15553636403929E-05"},
        // glibc: 0.00500001576220529
        SessionRow{"ShortSupport", "1.0", "0.03", "26.17", "0.09", 136, "1.14560404176997",
                   "1.14561495306115", "0.0050000157622497"},
        // glibc: 1.48892354927025E-06
        SessionRow{"SecondDigit", "14.18", "2.15", "69.9", "2.29", 11, "14.3367622443859",
                   "14.336762244386", "1.47934837889562E-06"}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace hc
