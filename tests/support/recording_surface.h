#pragma once

#include "drawing/drawing_surface.h"
#include "model/run_error.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace hc {

struct Dot {
    float x;
    float y;
    bool operator==(const Dot&) const = default;
};

struct Segment {
    float x1;
    float y1;
    float x2;
    float y2;
    Colour colour;
    bool operator==(const Segment&) const = default;
};

// One call on the surface, with its arguments exactly as they were passed.
struct Call {
    std::string op; // "Cls", "Line", "PSet", "Circle", "Print", "Width", "Height",
                    // "Text", "SetText", "ShowMessage"
    std::vector<float> numbers;
    Colour colour = 0;
    std::optional<TextBox> box;
    std::string text;
};

// A DrawingSurface that keeps every call, holds the text boxes' texts, and can
// be told to fail one operation.
class RecordingSurface : public DrawingSurface {
  public:
    std::vector<Call> calls;
    std::map<TextBox, std::string> texts;
    std::string separator = ".";
    std::optional<Step> failing; // the operation whose calls report failure
    std::function<void(std::string_view)> onMessage;

    const std::string& DecimalSeparator() const override { return separator; }

    // What the surface shows: the drawing calls since the last Cls.
    std::vector<Call> Drawing() const;
    std::vector<Dot> Dots() const;
    std::vector<Segment> Lines() const;
    std::vector<std::string> Messages() const;
    // Names of every call, in order.
    std::vector<std::string> Ops() const;

  protected:
    bool DoCls() override;
    bool DoLine(float x1, float y1, float x2, float y2, Colour colour) override;
    bool DoPSet(float x, float y) override;
    bool DoCircle(float x, float y, float radius, Colour colour) override;
    void DoPrint(std::string_view line) override;
    bool DoSetWidth(float twips) override;
    bool DoSetHeight(float twips) override;
    bool DoText(TextBox box, std::string& text) override;
    bool DoSetText(TextBox box, std::string_view text) override;
    void DoShowMessage(std::string_view prompt) override;

  private:
    bool Record(Step step, Call call);
};

} // namespace hc
