#include "support/recording_surface.h"

namespace hc {

bool RecordingSurface::Record(Step step, Call call) {
    const bool ok = failing != step;
    calls.push_back(std::move(call));
    return ok;
}

bool RecordingSurface::DoCls() {
    return Record(Step::Cls, {"Cls", {}, 0, {}, {}});
}

bool RecordingSurface::DoLine(float x1, float y1, float x2, float y2, Colour colour) {
    return Record(Step::Line, {"Line", {x1, y1, x2, y2}, colour, {}, {}});
}

bool RecordingSurface::DoPSet(float x, float y) {
    return Record(Step::PSet, {"PSet", {x, y}, 0, {}, {}});
}

bool RecordingSurface::DoCircle(float x, float y, float radius, Colour colour) {
    return Record(Step::Circle, {"Circle", {x, y, radius}, colour, {}, {}});
}

void RecordingSurface::DoPrint(std::string_view line) {
    calls.push_back({"Print", {}, 0, {}, std::string(line)});
}

bool RecordingSurface::DoSetWidth(float twips) {
    return Record(Step::Width, {"Width", {twips}, 0, {}, {}});
}

bool RecordingSurface::DoSetHeight(float twips) {
    return Record(Step::Height, {"Height", {twips}, 0, {}, {}});
}

bool RecordingSurface::DoText(TextBox box, std::string& text) {
    text = texts[box];
    return Record(Step::GetText, {"Text", {}, 0, box, text});
}

bool RecordingSurface::DoSetText(TextBox box, std::string_view text) {
    const bool ok = Record(Step::SetText, {"SetText", {}, 0, box, std::string(text)});
    if (ok)
        texts[box] = text;
    return ok;
}

void RecordingSurface::DoShowMessage(std::string_view prompt) {
    calls.push_back({"ShowMessage", {}, 0, {}, std::string(prompt)});
    if (onMessage)
        onMessage(prompt);
}

std::vector<Call> RecordingSurface::Drawing() const {
    std::vector<Call> drawing;
    for (const auto& call : calls) {
        if (call.op == "Cls")
            drawing.clear();
        else if (call.op == "Line" || call.op == "PSet" || call.op == "Circle" ||
                 call.op == "Print")
            drawing.push_back(call);
    }
    return drawing;
}

std::vector<Dot> RecordingSurface::Dots() const {
    std::vector<Dot> dots;
    for (const auto& call : calls)
        if (call.op == "PSet")
            dots.push_back({call.numbers[0], call.numbers[1]});
    return dots;
}

std::vector<Segment> RecordingSurface::Lines() const {
    std::vector<Segment> lines;
    for (const auto& call : calls)
        if (call.op == "Line")
            lines.push_back(
                {call.numbers[0], call.numbers[1], call.numbers[2], call.numbers[3], call.colour});
    return lines;
}

std::vector<std::string> RecordingSurface::Messages() const {
    std::vector<std::string> messages;
    for (const auto& call : calls)
        if (call.op == "ShowMessage")
            messages.push_back(call.text);
    return messages;
}

std::vector<std::string> RecordingSurface::Ops() const {
    std::vector<std::string> ops;
    for (const auto& call : calls)
        ops.push_back(call.op);
    return ops;
}

} // namespace hc
