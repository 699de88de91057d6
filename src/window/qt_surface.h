#pragma once

#include "drawing_surface.h"

#include <QLocale>

namespace hc {

class Form1;

// The drawing surface of the real window: Form1's canvas, size, text boxes and
// modal messages.
class QtSurface : public DrawingSurface {
  public:
    QtSurface(Form1& form, QLocale locale);

    std::string DecimalSeparator() const override;

  protected:
    bool DoCls() override;
    bool DoLine(float x1, float y1, float x2, float y2, Colour colour) override;
    bool DoPSet(float x, float y) override;
    bool DoCircle(float x, float y, float radius, Colour colour) override;
    void DoPrint(std::span<const PrintItem> items) override;
    bool DoSetWidth(float twips) override;
    bool DoSetHeight(float twips) override;
    bool DoText(TextBox box, std::string& text) override;
    bool DoSetText(TextBox box, std::string_view text) override;
    void DoShowMessage(std::string_view prompt) override;

  private:
    Form1& form_;
    QLocale locale_;
};

} // namespace hc
