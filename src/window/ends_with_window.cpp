#include "window/ends_with_window.h"

#include <QCoreApplication>
#include <QWidget>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <xcb/xcb.h>
#endif

namespace hc {

EndsWithWindow::EndsWithWindow(const QWidget& window)
    : window_(window) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

EndsWithWindow::~EndsWithWindow() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool EndsWithWindow::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Qt asks the server for the window's structure events, DestroyNotify among
    // them; the top bit of the type marks an event another client sent.
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY)
        return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (window_.internalWinId() != 0 && destroyed->window == window_.internalWinId())
        QCoreApplication::exit(0);
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false;
}

} // namespace hc
