#pragma once

#include <QPushButton>

namespace hc {

// A push button whose caption wraps at word boundaries inside its box, as
// "Построить график Морвина" must on a button 1215 twips wide. Enter presses
// it when it has the focus, as Space does, without making it a default button.
class WrappingButton : public QPushButton {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace hc
