#include "window/box_edit.h"

#include "window/box_accessible.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <limits>

namespace hc {

BoxEdit::BoxEdit(const QString& text, QWidget* parent)
    : QLineEdit(text, parent) {
    // Before anything here can make Qt ask for the box's interface.
    BoxAccessible::Install();
    setMaxLength(std::numeric_limits<int>::max());
}

QRect BoxEdit::CharacterRect(int offset) const {
    const QString shown = text();
    if (offset < 0 || offset >= shown.size())
        return {};
    // Measured from the cursor, which Qt places with the box's scrolling.
    const QFontMetrics metrics(font());
    const QRect cursor = cursorRect();
    const int x = cursor.center().x() + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(cursorPosition()));
    return {x, cursor.top(), metrics.horizontalAdvance(shown.at(offset)), cursor.height()};
}

void BoxEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A menu of the box's own, or another window, takes the focus only for a
    // while: the user comes back to the box where they were.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        setCursorPosition(0);
}

} // namespace hc
