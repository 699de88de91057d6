// What a screen reader gets from the window through Qt's accessibility: the
// boxes' whole texts and the plot's text alternative. These run wherever the
// window does, under wine too; the words said after a press need a screen
// reader's bus to be sent at all, and the AT-SPI and Orca tests
// (tests/window/desktop) hear them.
#include "form1_fixture.h"

#include <QAccessible>
#include <QStringList>

namespace hc {
namespace {

class ScreenReaderTest : public Form1Test {
  protected:
    QAccessibleInterface* Of(QObject* object) const {
        return QAccessible::queryAccessibleInterface(object);
    }

    // The box's text as a screen reader reads it: run by run of attributes,
    // as Orca does, from the start to the end.
    QString ReadByRuns(const char* name) {
        QAccessibleTextInterface* text = Of(Box(name))->textInterface();
        QString read;
        for (int offset = 0; offset < text->characterCount();) {
            int start = -1;
            int end = -1;
            text->attributes(offset, &start, &end);
            if (start > offset || end <= offset)
                return read +
                       QStringLiteral("<no run at %1: %2..%3>").arg(offset).arg(start).arg(end);
            read += text->text(offset, end);
            offset = end;
        }
        return read;
    }

    QString Plot() const {
        for (int i = 0; i < Of(form.get())->childCount(); ++i)
            if (QAccessibleInterface* child = Of(form.get())->child(i);
                child->role() == QAccessible::Graphic)
                return child->text(QAccessible::Name);
        return QStringLiteral("<no image>");
    }
};

// Each box is read whole by a screen reader that reads run by run, and names
// itself by its caption, before and after a press writes it. The label that
// shows a caption names itself the same: Orca 48 says a box's label and its
// name both when they differ, and «Ордината           С» (the label's text)
// differs enough from «Ордината С» to be heard twice.
TEST_F(ScreenReaderTest, EveryBoxIsReadWholeByItsCaption) {
    struct Row {
        const char* box;
        const char* name;
        const char* text;
    };
    const auto check = [this](const Row& row) {
        EXPECT_EQ(Of(Box(row.box))->role(), QAccessible::EditableText) << row.box;
        EXPECT_EQ(Of(Box(row.box))->text(QAccessible::Name), QString::fromUtf8(row.name))
            << row.box;
        EXPECT_EQ(ReadByRuns(row.box), QString::fromUtf8(row.text)) << row.box;
        for (const auto& [label, relation] : Of(Box(row.box))->relations(QAccessible::Label))
            EXPECT_EQ(label->text(QAccessible::Name), QString::fromUtf8(row.name)) << row.box;
    };
    for (const Row& row : std::initializer_list<Row>{
             {"Text1", "Ордината С", "1.4"},
             {"Text2", "XA Расстояние до левой опоры", "2"},
             {"Text3", "Расстояние до правой опоры", "2.5"},
             {"Text4", "Коэфф kY", "Text4"},
             {"Text5", "Длина WA", ""},
             {"Text6", "Длина цепи", "3.3"},
             {"Text7", "Подпись: длина цепи", "Длина цепи"},
             {"Text8", "YA Высота левой опоры", ""},
             {"Text9", "YA", "Text9"},
         })
        check(row);
    Click("Command8");
    check({"Text8", "YA Высота левой опоры", "3.08866944394248"});
    check({"Text5", "Длина WA", "2.75315799291358"});
    Click("Command4");
    check({"Text9", "YA", "1.40140891336185"});
    check({"Text1", "Ордината С", "1.4014"});
}

// A word read by a screen reader's word command is the whole number.
TEST_F(ScreenReaderTest, ABoxsNumberIsOneWordAndOneLine) {
    Click("Command8");
    QAccessibleTextInterface* text = Of(Box("Text8"))->textInterface();
    int start = -1;
    int end = -1;
    EXPECT_EQ(text->textAtOffset(15, QAccessible::LineBoundary, &start, &end),
              QStringLiteral("3.08866944394248"));
    EXPECT_EQ(std::pair(start, end), std::pair(0, 16));
    EXPECT_EQ(text->textAtOffset(0, QAccessible::CharBoundary, &start, &end), QStringLiteral("3"));
}

// The plot's text alternative follows every press, as the page's canvas's does.
TEST_F(ScreenReaderTest, ThePlotSaysWhatItShows) {
    EXPECT_EQ(Plot(), QString::fromUtf8("График: оси с делениями"));
    Click("Command8");
    EXPECT_EQ(Plot(), QString::fromUtf8("График: оси с делениями, 402 точки"));
    Click("Command1");
    EXPECT_EQ(Plot(), QString::fromUtf8("График: оси с делениями"));
    form->Primer();
    EXPECT_EQ(Plot(), QString::fromUtf8("График: оси с делениями, 1 круг, 1 надпись"));
}

// What speaks for the window takes no focus: the tab order is the controls'.
TEST_F(ScreenReaderTest, NothingThatSpeaksTakesTheFocus) {
    QStringList order;
    QWidget* at = Box("Text1");
    do {
        order << at->objectName();
        at = at->nextInFocusChain();
        while (at->focusPolicy() == Qt::NoFocus)
            at = at->nextInFocusChain();
    } while (at != Box("Text1"));
    EXPECT_EQ(order.join(' '), QStringLiteral("Text1 Text2 Text3 Text4 Command1 Text5 Text6 "
                                              "Command2 Command3 Command4 Command5 Command6 "
                                              "Command7 Command8 Text7 Command9 Text8 Text9"));
}

} // namespace
} // namespace hc
