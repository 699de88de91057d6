#include "window/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0) && defined(Q_OS_WIN)
#include <uiautomationcore.h>
#include <windows.h>
#endif

namespace hc {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

Announcer::Announcer(QWidget& window)
    : window_(window) {}

void Announcer::Say(const QString& words) {
    if (words.isEmpty())
        return;
    QAccessibleAnnouncementEvent event(&window_, words);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
}

#elif defined(Q_OS_WIN)

// Qt 6.4's UI Automation bridge passes on no alert, notification or shown
// object: the words go to Windows's screen readers as Qt 6.8's do, a UI
// Automation notification of the window (NotificationKind_Other,
// NotificationProcessing_All: after what is being said). MinGW's headers and
// libraries have neither function, and Windows before 10 1709 lacks the
// second; there the words are not said.

namespace {

using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
using RaiseNotificationEvent = HRESULT(WINAPI*)(IRawElementProviderSimple*, int kind,
                                                int processing, BSTR text, BSTR activity);
constexpr int kNotificationKindOther = 4;
constexpr int kNotificationProcessingAll = 2;

template <class Function> Function Find(HMODULE library, const char* name) {
    if (library == nullptr)
        return nullptr;
    // Through the generic function type, which GCC lets any function become.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

} // namespace

Announcer::Announcer(QWidget& window)
    : window_(window) {}

void Announcer::Say(const QString& words) {
    static const HMODULE library = LoadLibraryW(L"uiautomationcore.dll");
    static const auto hostProvider = Find<HostProviderFromHwnd>(library, "UiaHostProviderFromHwnd");
    static const auto raise = Find<RaiseNotificationEvent>(library, "UiaRaiseNotificationEvent");
    if (words.isEmpty() || hostProvider == nullptr || raise == nullptr)
        return;
    IRawElementProviderSimple* provider = nullptr;
    if (FAILED(hostProvider(reinterpret_cast<HWND>(window_.winId()), &provider)) ||
        provider == nullptr)
        return;
    BSTR text = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(words.utf16()),
                                  static_cast<UINT>(words.size()));
    BSTR activity = SysAllocString(L"hanging-chain");
    raise(provider, kNotificationKindOther, kNotificationProcessingAll, text, activity);
    SysFreeString(activity);
    SysFreeString(text);
    provider->Release();
}

#else

namespace {

// A widget of no size that a screen reader takes for a notification.
class Notification : public QWidget {
  public:
    explicit Notification(QWidget* parent)
        : QWidget(parent) {
        static const bool installed = (QAccessible::installFactory(ForNotification), true);
        Q_UNUSED(installed);
        setObjectName(QStringLiteral("Announcement"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
        hide();
    }

  private:
    static QAccessibleInterface* ForNotification(const QString&, QObject* object) {
        if (auto* notification = dynamic_cast<Notification*>(object))
            return new QAccessibleWidget(notification, QAccessible::Notification);
        return nullptr;
    }
};

} // namespace

Announcer::Announcer(QWidget& window)
    : window_(window)
    , notification_(new Notification(&window)) {}

void Announcer::Say(const QString& words) {
    if (words.isEmpty())
        return;
    // Hidden first, so that the same words after another press are said again.
    notification_->hide();
    notification_->setAccessibleName(words);
    notification_->show();
}

#endif

} // namespace hc
