#include "window/form1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

int main(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Without a display Qt would abort with a long platform-plugin message.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("hanging-chain: no display to open the window on (DISPLAY is not set); "
                   "start it in a desktop session, or without one as: xvfb-run hanging-chain\n",
                   stderr);
        return 1;
    }
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hanging-chain"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/hanging-chain.png")));

    // Qt's own texts (the OK of message boxes, the text boxes' menus) in the user's language.
    QTranslator qtTranslation;
    if (qtTranslation.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslation);

    hc::Form1 form;
    form.show();
    return QApplication::exec();
}
