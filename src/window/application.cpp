#include "window/application.h"

#include "window/window_icon.h"

#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace hc {

namespace {

// What Qt says while its platform starts, held back until it has started:
// when it cannot, the program's own line replaces all of it.
struct HeldMessage {
    QtMsgType type;
    const char* category; // Qt's categories are string literals
    QString text;
};
std::vector<HeldMessage> held;
QtMessageHandler previousHandler = nullptr;

[[maybe_unused]] bool WaylandTried() {
    return std::any_of(held.begin(), held.end(), [](const HeldMessage& message) {
        return message.text.startsWith(QLatin1String("Failed to create wl_display"));
    });
}

[[maybe_unused]] [[noreturn]] void NoDisplay() {
    const auto named = [](const char* variable) {
        const QByteArray value = qgetenv(variable);
        return value.isEmpty() ? std::string() : variable + ("=" + value.toStdString());
    };
    // The variable of the window system Qt tried: Wayland's when its plugin
    // found no compositor, else X11's.
    const char* variable = WaylandTried() ? "WAYLAND_DISPLAY" : "DISPLAY";
    const std::string display = named(variable);
    const std::string why =
        display.empty() ? std::string(variable) + " is not set" : "nothing answers at " + display;
    std::fprintf(stderr,
                 "hanging-chain: no display to open the window on (%s); start it in a desktop "
                 "session, or without one as: xvfb-run hanging-chain\n",
                 why.c_str());
    std::fflush(stderr);
    // Qt is half-started: end here, with no destructors run over it.
    std::_Exit(1);
}

// Whether Qt's platform plugin was there but found no display to talk to (as
// opposed to a plugin that is missing, broken or unknown).
[[maybe_unused]] bool NoDisplayAnswered() {
    return std::any_of(held.begin(), held.end(), [](const HeldMessage& message) {
        return message.text.startsWith(QLatin1String("could not connect to display")) ||
               message.text.startsWith(QLatin1String("Failed to create wl_display"));
    });
}

// Any other failure to start: Qt's own account of it, in two lines at most.
[[maybe_unused]] [[noreturn]] void CouldNotStart(const QString& fatal) {
    QString what = fatal.section(QLatin1Char('\n'), 0, 0);
    for (const HeldMessage& message : held)
        if (message.category != nullptr && std::strcmp(message.category, "qt.qpa.plugin") == 0) {
            what = message.text;
            break;
        }
    std::fprintf(stderr, "hanging-chain: the window system could not be started: %s\n",
                 qPrintable(what));
    const qsizetype available = fatal.indexOf(QLatin1String("Available platform plugins"));
    if (available >= 0)
        std::fprintf(stderr, "hanging-chain: %s\n", qPrintable(fatal.mid(available).trimmed()));
    std::fflush(stderr);
    std::_Exit(1);
}

[[maybe_unused]] void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        if (NoDisplayAnswered())
            NoDisplay();
        CouldNotStart(text);
    }
    held.push_back({type, context.category, text});
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fputs("Usage: hanging-chain [--help | --version]\n"
                       "A worksheet for the hanging-chain (catenary) problem, in one window (its\n"
                       "interface is in Russian).\n"
                       "\n"
                       "  -h, --help     show this help and exit\n"
                       "  --version      show the version and exit\n"
                       "\n"
                       "Without a display it says so and exits; run it as\n"
                       "xvfb-run hanging-chain to use a virtual one.\n",
                       stdout);
            return 0;
        }
        if (argument == "--version") {
            std::fputs("hanging-chain " HANGING_CHAIN_VERSION "\n", stdout);
            return 0;
        }
    }
    return std::nullopt;
}

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    previousHandler = qInstallMessageHandler(Hold); // X11 and Wayland can be out of reach
#endif
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : held)
        qt_message_output(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category),
                          message.text);
    held.clear();

    // With no font that has Cyrillic letters, every caption and message is
    // drawn as empty boxes; the program still works, but says why.
    if (QFontDatabase::families(QFontDatabase::Cyrillic).isEmpty())
        std::fputs("hanging-chain: no font with Cyrillic letters was found, so the captions and "
                   "messages show as empty boxes; install one, such as DejaVu Sans (Debian's "
                   "fonts-dejavu-core)\n",
                   stderr);

    QApplication::setApplicationName(QStringLiteral("hanging-chain"));
    // The desktop file names the installed icons that menus, docks and
    // Wayland's task bars show; the window carries its own for the rest.
    QGuiApplication::setDesktopFileName(QStringLiteral("hanging-chain"));
    GiveWindowIconAfterFirstFrame();

    // Qt's own texts (the OK of message boxes, the text boxes' menus) in the
    // user's language: from the system's Qt, or built into the program where
    // it ships with Qt inside.
#ifdef Q_OS_WIN
    const QString translations = QStringLiteral(":/translations");
#else
    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
    auto* qtTranslation = new QTranslator(app.get());
    if (qtTranslation->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                            translations))
        QApplication::installTranslator(qtTranslation);
    return app;
}

} // namespace hc
