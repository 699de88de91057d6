#pragma once

#include <QLineEdit>

namespace hc {

// A text box of the window: it keeps all that is typed or pasted (Qt's
// default cut a paste at 32767 characters), and once the focus leaves it,
// it shows its text from the start. Qt leaves a box scrolled to where the
// cursor was, and a long result tabbed through would show only its last
// digits, which read as another number. A screen reader reads it whole
// (BoxAccessible).
class BoxEdit : public QLineEdit {
  public:
    BoxEdit(const QString& text, QWidget* parent);

    // Where the character at `offset` is shown, in the box's coordinates;
    // null beyond the text.
    QRect CharacterRect(int offset) const;

  protected:
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace hc
