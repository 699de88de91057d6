#include "window/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

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
