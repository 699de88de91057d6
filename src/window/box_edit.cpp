#include "window/box_edit.h"

#include <QFocusEvent>
#include <limits>

namespace hc {

BoxEdit::BoxEdit(const QString& text, QWidget* parent)
    : QLineEdit(text, parent) {
    setMaxLength(std::numeric_limits<int>::max());
}

void BoxEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A menu of the box's own, or another window, takes the focus only for a
    // while: the user comes back to the box where they were.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        setCursorPosition(0);
}

} // namespace hc
