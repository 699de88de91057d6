#pragma once

#include "model/fault_status.h"
#include "model/sheet.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

namespace hc {

// A sheet and a surface as the window has them after start-up: plot constants
// set, the boxes holding their initial texts, no calls recorded yet.
class CommandTest : public testing::Test {
  protected:
    void SetUp() override {
        ClearFaults();
        ResetSheet(sheet);
        surface.texts = {
            {TextBox::Text1, "1.4"},        {TextBox::Text2, "2"}, {TextBox::Text3, "2.5"},
            {TextBox::Text4, "Text4"},      {TextBox::Text5, ""},  {TextBox::Text6, "3.3"},
            {TextBox::Text7, "Длина цепи"}, {TextBox::Text8, ""},  {TextBox::Text9, "Text9"},
        };
    }

    // A fresh window for the next row of a table: every field zero again.
    void Restart() {
        sheet = Sheet{};
        SetUp();
    }
    void Type(TextBox box, std::string text) { surface.texts[box] = std::move(text); }
    const std::string& Shown(TextBox box) { return surface.texts[box]; }

    Sheet sheet;
    RecordingSurface surface;
};

} // namespace hc
