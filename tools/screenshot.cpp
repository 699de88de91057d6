// Renders the window after a press of "Построить график Морвина", offscreen,
// into the PNG named on the command line: the README's screenshot.
#include "window/form1.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fputs("usage: screenshot OUTPUT.png\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    hc::Form1 form(QLocale(QLocale::Russian, QLocale::Russia));
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    QTest::qWait(50); // the activation handler runs right after the first show
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command8")), Qt::LeftButton);
    return form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
