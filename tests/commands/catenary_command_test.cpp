#include "command_fixture.h"
#include "commands/adjust_command.h"
#include "commands/catenary_command.h"
#include "commands/error_report.h"
#include "model/exact_values.h"
#include "model/run_error.h"
#include "support/raised.h"

#include <gtest/gtest.h>

namespace hc {
namespace {

class CatenaryCommandTest : public CommandTest {
  protected:
    // Runs the command, expecting it to fail with `kind`.
    void ExpectFailure(ErrorKind kind) {
        const auto error = Raised([&] { CatenaryCommand(sheet, surface); });
        ASSERT_TRUE(error) << "no error";
        EXPECT_EQ(error->kind(), kind) << error->what();
    }
    std::vector<Dot> CurveDots() const {
        auto dots = surface.Dots();
        dots.erase(dots.begin()); // the corner dot
        return dots;
    }
};

class CatenaryWithInitialTextsTest : public CatenaryCommandTest,
                                     public testing::WithParamInterface<const char*> {};

TEST_P(CatenaryWithInitialTextsTest, ShowsHeightAndArcLengthAndPlotsTheLeftBranch) {
    const std::string separator = GetParam();
    surface.separator = separator;
    CatenaryCommand(sheet, surface);

    EXPECT_TRUE(surface.Messages().empty());
    // Bit for bit: the digits are the same on every platform only if these are.
    EXPECT_EQ(sheet.YA, 0x1.8b598534f197dp1); // 3.0886694439424773
    EXPECT_EQ(sheet.WA, 0x1.60677b2a24753p1); // 2.75315799291358
    EXPECT_EQ(sheet.YB, 0x1.12b1202a96b65p2); // 4.292060891714617
    EXPECT_EQ(sheet.WB, 0x1.03ab0311b193fp2); // 4.057312743452996
    EXPECT_EQ(Shown(TextBox::Text8), "3" + separator + "08866944394248");
    EXPECT_EQ(Shown(TextBox::Text5), "2" + separator + "75315799291358");
    EXPECT_EQ(Shown(TextBox::Text1), "1.4"); // not rewritten
    EXPECT_EQ(sheet.L, 3.3);
    EXPECT_EQ(sheet.K, 800);

    const auto drawing = surface.Drawing();
    ASSERT_FALSE(drawing.empty());
    EXPECT_EQ(drawing.front().numbers, (std::vector<float>{0, 0}));
    const auto dots = CurveDots();
    ASSERT_EQ(dots.size(), 401U);
    // World x −2, −1.5, −1, −0.5 and −1.77e-6 (the last binary32 step short of 0).
    EXPECT_EQ(dots[0], (Dot{2400, 0x1.599108p12f}));
    EXPECT_EQ(dots[100], (Dot{0x1.5dfffcp11f, 0x1.81d3e2p12f}));
    EXPECT_EQ(dots[200], (Dot{0x1.8ffffap11f, 0x1.9b5edcp12f}));
    EXPECT_EQ(dots[300], (Dot{0x1.c1fff6p11f, 0x1.a97cfp12f}));
    EXPECT_EQ(dots[400], (Dot{0x1.f3fff4p11f, 6880}));
    EXPECT_EQ(sheet.X, 0x1.479074p-8f); // 0.0049982…
}

// The default press raises E to some 800 exponents; each one MPFR has to
// decide costs microseconds, so a rounding test that gave up would keep the
// digits and lose the press's speed.
TEST_F(CatenaryCommandTest, TheDefaultPressLeavesNoPowerToMpfr) {
    const auto before = exact::PowerCount();
    CatenaryCommand(sheet, surface);
    EXPECT_EQ(exact::PowerCount() - before, 0U);
}

INSTANTIATE_TEST_SUITE_P(Separators, CatenaryWithInitialTextsTest, testing::Values(".", ","),
                         [](const auto& info) {
                             return std::string(info.param) == "." ? "Point" : "Comma";
                         });

TEST_F(CatenaryCommandTest, CAtItsMinimumIsRaisedWithTheMessage) {
    Type(TextBox::Text1, "0.144");
    CatenaryCommand(sheet, surface);
    EXPECT_EQ(surface.Messages(),
              (std::vector<std::string>{
                  "Будет построен график с минимально допустимым значением C=0,144"}));
    EXPECT_EQ(sheet.C, 0.144);
    EXPECT_EQ(Shown(TextBox::Text1), "0.144");
}

TEST_F(CatenaryCommandTest, MessageComesBeforeCAndItsBoxChange) {
    Type(TextBox::Text1, "0,5"); // a comma ends the number under a decimal-point locale
    double cDuringMessage = -1;
    std::string textDuringMessage;
    surface.onMessage = [&](std::string_view) {
        cDuringMessage = sheet.C;
        textDuringMessage = Shown(TextBox::Text1);
    };
    CatenaryCommand(sheet, surface);
    EXPECT_EQ(cDuringMessage, 0);
    EXPECT_EQ(textDuringMessage, "0,5");
    EXPECT_EQ(sheet.C, 0.144);
    EXPECT_EQ(Shown(TextBox::Text1), "0.144");
    EXPECT_EQ(CurveDots().size(), 401U);
}

TEST_F(CatenaryCommandTest, UnderADecimalCommaTheClampedCReadsBackAsItsMinimum) {
    surface.separator = ",";
    Type(TextBox::Text1, "");
    CatenaryCommand(sheet, surface);
    EXPECT_EQ(Shown(TextBox::Text1), "0,144");
    CatenaryCommand(sheet, surface);
    EXPECT_EQ(surface.Messages().size(), 2U); // 0.144 is not above the minimum
    EXPECT_EQ(sheet.C, 0.144);
}

TEST_F(CatenaryCommandTest, ChainNoLongerThanTheSpanShowsTheMessageAndPlotsNothing) {
    Type(TextBox::Text6, "2");
    CatenaryCommand(sheet, surface);
    EXPECT_EQ(surface.Messages(),
              (std::vector<std::string>{"Длины цепи не хватает перекрыть пролёт"}));
    EXPECT_EQ(surface.Dots(), (std::vector<Dot>{{0, 0}}));
    EXPECT_EQ(Shown(TextBox::Text8), "3.08866944394248");
    EXPECT_EQ(Shown(TextBox::Text5), "2.75315799291358");
    EXPECT_EQ(sheet.X, 2.5f); // left at XB
}

struct RangeRow {
    const char* name;
    const char* xa;
    std::size_t dots;
    float xAfter;
};

class CatenaryRangeTest : public CatenaryCommandTest,
                          public testing::WithParamInterface<RangeRow> {};

TEST_P(CatenaryRangeTest, PlotsOneDotPerBinary32Step) {
    Type(TextBox::Text2, GetParam().xa);
    CatenaryCommand(sheet, surface);
    EXPECT_EQ(CurveDots().size(), GetParam().dots);
    EXPECT_EQ(sheet.X, GetParam().xAfter);
}

INSTANTIATE_TEST_SUITE_P(Rows, CatenaryRangeTest,
                         testing::Values(RangeRow{"TwoAndHalf", "2.5", 500, 0x1.41p-17f},
                                         RangeRow{"Vertex", "0", 1, 0x1.47ae14p-8f},
                                         RangeRow{"NegativeStartsBeyondTheEnd", "-2", 0, 2.0f}),
                         [](const auto& info) { return info.param.name; });

TEST_F(CatenaryCommandTest, VertexDotSitsAtCAboveTheOrigin) {
    Type(TextBox::Text2, "0");
    CatenaryCommand(sheet, surface);
    EXPECT_EQ(CurveDots(), (std::vector<Dot>{{4000, 8000 - 1.4f * 800}}));
}

TEST_F(CatenaryCommandTest, FirstDotBeyondBinary32KeepsTheTextsAndOnlyTheCornerDot) {
    Type(TextBox::Text2, "116");
    Type(TextBox::Text6, "200");
    ExpectFailure(ErrorKind::ArithmeticFault);
    EXPECT_FALSE(Shown(TextBox::Text8).empty());
    EXPECT_FALSE(Shown(TextBox::Text5).empty());
    EXPECT_EQ(surface.Dots(), (std::vector<Dot>{{0, 0}}));
}

TEST_F(CatenaryCommandTest, PowerOverflowAtTheLeftSupportStopsBeforeAnyText) {
    Type(TextBox::Text1, "0");
    Type(TextBox::Text2, "1000");
    ExpectFailure(ErrorKind::Overflow);
    EXPECT_EQ(Shown(TextBox::Text1), "0.144"); // the clamp already happened
    EXPECT_EQ(Shown(TextBox::Text8), "");
}

TEST_F(CatenaryCommandTest, PowerOverflowAtTheRightSupportKeepsTheHeightShown) {
    Type(TextBox::Text3, "1000");
    ExpectFailure(ErrorKind::Overflow);
    EXPECT_EQ(Shown(TextBox::Text8), "3.08866944394248");
    EXPECT_EQ(Shown(TextBox::Text5), "");
}

TEST_F(CatenaryCommandTest, SupportBeyondBinary32IsCaughtInsideChainY) {
    Type(TextBox::Text2, "1e39");
    ExpectFailure(ErrorKind::ArithmeticFault);
    EXPECT_EQ(Shown(TextBox::Text8), "");
}

TEST_F(CatenaryCommandTest, HugeSpanWithAHugeCReportsAStalledLoopInsteadOfHanging) {
    Type(TextBox::Text1, "1000000");
    Type(TextBox::Text2, "200000");
    Type(TextBox::Text6, "300000");
    ExpectFailure(ErrorKind::LoopStalled);
    EXPECT_EQ(CurveDots().size(), 1U);
}

TEST_F(CatenaryCommandTest, AnUnreadableNumberIsReportedWithTheCaptionOfItsBox) {
    Type(TextBox::Text2, "1e400");
    const auto error = Raised([&] { CatenaryCommand(sheet, surface); });
    ASSERT_TRUE(error) << "no error";
    EXPECT_EQ(DescribeError(*error, "Построить график Морвина", ","),
              "Команда «Построить график Морвина» прервана: переполнение: число вышло за "
              "допустимый диапазон, при чтении числа из поля «XA Расстояние до левой опоры»."
              "\n\nВведённые значения сохранены: их можно исправить и повторить.");
}

// Where the worksheet shows why a step failed, the report says what to do.
TEST_F(CatenaryCommandTest, AReportAddsWhatToDoWhereTheWorksheetTellsWhy) {
    struct Row {
        const char* name;
        TextBox box;
        const char* typed;
        void (*command)(Sheet&, DrawingSurface&);
        const char* caption;
        const char* expected;
    };
    const Row rows[] = {
        {"AdjustBeforeAnyPlot", TextBox::Text1, "1.4", AdjustCommand, "Считать",
         "Команда «Считать» прервана: арифметическая ошибка (деление на ноль, недопустимая "
         "операция или переполнение), при вычислении ординаты цепной линии. Сначала постройте "
         "график кнопкой «Построить график Морвина»."},
        {"LeftSupportTooFar", TextBox::Text2, "1000", CatenaryCommand, "Построить график Морвина",
         "Команда «Построить график Морвина» прервана: переполнение: число вышло за допустимый "
         "диапазон, при возведении в степень. Отношение |XA|/C слишком велико: оно должно быть "
         "не больше 709,78."},
        {"RightSupportTooFar", TextBox::Text3, "-1000", CatenaryCommand, "Построить график Морвина",
         "Команда «Построить график Морвина» прервана: переполнение: число вышло за допустимый "
         "диапазон, при возведении в степень. Отношение |XB|/C слишком велико: оно должно быть "
         "не больше 709,78."},
        {"CTooLargeForTheWindow", TextBox::Text1, "1e100", CatenaryCommand,
         "Построить график Морвина",
         "Команда «Построить график Морвина» прервана: арифметическая ошибка (деление на ноль, "
         "недопустимая операция или переполнение), при построении точек графика. Точки графика "
         "не помещаются в окно: C и |XA| должны быть не больше 4,2E+35. Исправьте их и "
         "постройте график заново кнопкой «Построить график Морвина»."},
        {"CTooLargeForTheArc", TextBox::Text1, "1e200", CatenaryCommand, "Построить график Морвина",
         "Команда «Построить график Морвина» прервана: переполнение: число вышло за допустимый "
         "диапазон, при возведении в степень. Высота опоры слишком велика для длины дуги: она "
         "должна быть не больше 1,34E+154. Введите меньшее C, если оно само так велико, или "
         "уменьшите отношения |XA|/C и |XB|/C и постройте график заново кнопкой «Построить "
         "график Морвина»."},
    };
    for (const Row& row : rows) {
        Restart();
        Type(row.box, row.typed);
        const auto error = Raised([&] { row.command(sheet, surface); });
        ASSERT_TRUE(error) << row.name;
        EXPECT_EQ(DescribeError(*error, row.caption, ","),
                  std::string(row.expected) +
                      "\n\nВведённые значения сохранены: их можно исправить и повторить.")
            << row.name;
    }
}

// XA rounds to the largest binary32 value and fits; XB is what overflowed.
// The report names the box whose number failed, and writes its advice as the
// boxes write numbers, so that under a decimal point it can be typed back.
TEST_F(CatenaryCommandTest, AnAbscissaBeyondBinary32IsReportedAsItsOwnSupport) {
    Type(TextBox::Text1, "1e36");
    Type(TextBox::Text2, "3.4028235e38");
    Type(TextBox::Text3, "1e39");
    const auto error = Raised([&] { CatenaryCommand(sheet, surface); });
    ASSERT_TRUE(error) << "no error";
    EXPECT_EQ(DescribeError(*error, "Построить график Морвина", "."),
              "Команда «Построить график Морвина» прервана: арифметическая ошибка (деление на "
              "ноль, недопустимая операция или переполнение), при вычислении ординаты цепной "
              "линии. Число XB слишком велико для абсциссы: |XB| должно быть не больше 3.4E+38. "
              "Исправьте его и постройте график заново кнопкой «Построить график Морвина»."
              "\n\nВведённые значения сохранены: их можно исправить и повторить.");
    EXPECT_FALSE(Shown(TextBox::Text8).empty()) << "the left support's height was shown";
}

} // namespace
} // namespace hc
