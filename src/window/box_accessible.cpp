#include "window/box_accessible.h"

#include "window/box_edit.h"

#include <QLineEdit>

namespace hc {

namespace {

QAccessibleInterface* ForBoxEdit(const QString&, QObject* object) {
    if (auto* edit = dynamic_cast<BoxEdit*>(object))
        return new BoxAccessible(edit);
    return nullptr;
}

} // namespace

BoxAccessible::BoxAccessible(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

void BoxAccessible::Install() {
    // Qt asks the factories installed last first, its own for QLineEdit among them.
    static const bool installed = (QAccessible::installFactory(ForBoxEdit), true);
    Q_UNUSED(installed);
}

QLineEdit* BoxAccessible::edit() const {
    return static_cast<QLineEdit*>(object());
}

void* BoxAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString BoxAccessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Value && !edit()->text().isEmpty())
        return edit()->text();
    return QAccessibleWidget::text(type);
}

void BoxAccessible::setText(QAccessible::Text type, const QString& text) {
    if (type == QAccessible::Value)
        edit()->setText(text);
    else
        QAccessibleWidget::setText(type, text);
}

QAccessible::State BoxAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = edit()->isReadOnly();
    state.editable = !edit()->isReadOnly();
    state.selectableText = true;
    return state;
}

void BoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && edit()->hasSelectedText()) {
        *startOffset = edit()->selectionStart();
        *endOffset = edit()->selectionEnd();
    }
}

int BoxAccessible::selectionCount() const {
    return edit()->hasSelectedText() ? 1 : 0;
}

void BoxAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void BoxAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        edit()->deselect();
}

void BoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0)
        edit()->setSelection(startOffset, endOffset - startOffset);
}

int BoxAccessible::cursorPosition() const {
    return edit()->cursorPosition();
}

void BoxAccessible::setCursorPosition(int position) {
    edit()->setCursorPosition(position);
}

QString BoxAccessible::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset)
        return {};
    return edit()->text().mid(startOffset, endOffset - startOffset);
}

// -2 is the cursor's offset to the text interfaces.
QString BoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const {
    return QAccessibleTextInterface::textBeforeOffset(offset == -2 ? cursorPosition() : offset,
                                                      boundaryType, startOffset, endOffset);
}

QString BoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                       int* startOffset, int* endOffset) const {
    return QAccessibleTextInterface::textAfterOffset(offset == -2 ? cursorPosition() : offset,
                                                     boundaryType, startOffset, endOffset);
}

QString BoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                    int* startOffset, int* endOffset) const {
    return QAccessibleTextInterface::textAtOffset(offset == -2 ? cursorPosition() : offset,
                                                  boundaryType, startOffset, endOffset);
}

int BoxAccessible::characterCount() const {
    return static_cast<int>(edit()->text().size());
}

QRect BoxAccessible::characterRect(int offset) const {
    const QRect rect = static_cast<const BoxEdit*>(edit())->CharacterRect(offset);
    return rect.isNull() ? rect : rect.translated(edit()->mapToGlobal(QPoint(0, 0)));
}

int BoxAccessible::offsetAtPoint(const QPoint& point) const {
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void BoxAccessible::scrollToSubstring(int startIndex, int endIndex) {
    edit()->setCursorPosition(endIndex);
    edit()->setCursorPosition(startIndex);
}

// A box's text has one look throughout: one run, from its start to its end.
QString BoxAccessible::attributes(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void BoxAccessible::deleteText(int startOffset, int endOffset) {
    edit()->setText(edit()->text().remove(startOffset, endOffset - startOffset));
}

void BoxAccessible::insertText(int offset, const QString& text) {
    edit()->setText(edit()->text().insert(offset, text));
}

void BoxAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
}

} // namespace hc
