#pragma once

#include "drawing/drawing_surface.h"

#include <array>
#include <string>

namespace hc {

// A surface that draws nothing and only keeps the boxes' texts: what is left
// of a command when the window costs nothing.
class NullSurface : public DrawingSurface {
  public:
    NullSurface();
    const std::string& DecimalSeparator() const override { return separator_; }

  protected:
    bool DoCls() override { return true; }
    bool DoLine(float, float, float, float, Colour) override { return true; }
    bool DoPSet(float, float) override { return true; }
    bool DoCircle(float, float, float, Colour) override { return true; }
    void DoPrint(std::string_view) override {}
    bool DoSetWidth(float) override { return true; }
    bool DoSetHeight(float) override { return true; }
    bool DoText(TextBox box, std::string& text) override;
    bool DoSetText(TextBox box, std::string_view text) override;
    void DoShowMessage(std::string_view) override {}

  private:
    std::array<std::string, 9> texts_;
    std::string separator_ = ".";
};

} // namespace hc
