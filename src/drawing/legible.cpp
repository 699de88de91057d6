#include "drawing/legible.h"

#include <algorithm>
#include <cmath>

namespace hc {

namespace {

constexpr double kLegibleContrast = 3;

int Red(Rgb colour) {
    return static_cast<int>((colour >> 16) & 0xFF);
}
int Green(Rgb colour) {
    return static_cast<int>((colour >> 8) & 0xFF);
}
int Blue(Rgb colour) {
    return static_cast<int>(colour & 0xFF);
}

// WCAG 2's relative luminance and contrast ratio. The C library's pow: the
// program's correctly rounded power would wake MPFR at start-up for each
// channel's new base, which costs the window half a millisecond and 400 KiB,
// and a last bit moves a shade only at a contrast within 1e-15 of 3 : 1.
double Luminance(Rgb colour) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(Red(colour)) + 0.7152 * linear(Green(colour)) +
           0.0722 * linear(Blue(colour));
}

double Contrast(Rgb a, Rgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Hue, saturation and lightness as the desktop's toolkit (Qt) computes them,
// step for step, in 16-bit channels and binary32: a shade must come out the
// same in both shells.
constexpr int kChannel16 = 0xFFFF;

int Round(float value) {
    return value >= 0.0f ? static_cast<int>(value + 0.5f) : static_cast<int>(value - 0.5f);
}

int To8Bits(int channel16) {
    const unsigned x = static_cast<unsigned>(channel16) + 128;
    return static_cast<int>((x - (x >> 8)) >> 8);
}

struct Hsl {
    int hue;        // degrees, 0..359; -1 for a grey
    int saturation; // 0..255
    int lightness;  // 0..255
};

Hsl ToHsl(Rgb colour) {
    const float r = Red(colour) * 0x101 / float(kChannel16);
    const float g = Green(colour) * 0x101 / float(kChannel16);
    const float b = Blue(colour) * 0x101 / float(kChannel16);
    const float max = std::max({r, g, b});
    const float min = std::min({r, g, b});
    const float delta = max - min;
    const float delta2 = max + min;
    const float lightness = 0.5f * delta2;
    const int lightness16 = Round(lightness * kChannel16);
    if (std::fabs(delta) <= 0.00001f)
        return {-1, 0, To8Bits(lightness16)};
    const int saturation16 = lightness < 0.5f ? Round((delta / delta2) * kChannel16)
                                              : Round((delta / (2.0f - delta2)) * kChannel16);
    const auto same = [](float p, float q) {
        return std::fabs(p - q) * 100000.f <= std::min(std::fabs(p), std::fabs(q));
    };
    float hue = 0;
    if (same(r, max))
        hue = (g - b) / delta;
    else if (same(g, max))
        hue = 2.0f + (b - r) / delta;
    else
        hue = 4.0f + (r - g) / delta;
    hue *= 60.0f;
    if (hue < 0.0f)
        hue += 360.0f;
    return {Round(hue * 100.0f) / 100, To8Bits(saturation16), To8Bits(lightness16)};
}

Rgb FromHsl(Hsl colour) {
    const int lightness16 = colour.lightness * 0x101;
    if (colour.saturation == 0 || colour.hue < 0) {
        const int grey = To8Bits(lightness16);
        return static_cast<Rgb>(grey << 16 | grey << 8 | grey);
    }
    if (lightness16 == 0)
        return 0;
    const float h = static_cast<float>(colour.hue * 100) / 36000.0f;
    const float s = static_cast<float>(colour.saturation * 0x101) / float(kChannel16);
    const float l = static_cast<float>(lightness16) / float(kChannel16);
    const float temp2 = l < 0.5f ? l * (1.0f + s) : l + s - (l * s);
    const float temp1 = (2.0f * l) - temp2;
    float temp3[3] = {h + (1.0f / 3.0f), h, h - (1.0f / 3.0f)};
    int channels[3] = {};
    for (int i = 0; i != 3; ++i) {
        if (temp3[i] < 0.0f)
            temp3[i] += 1.0f;
        else if (temp3[i] > 1.0f)
            temp3[i] -= 1.0f;
        const float sixtemp3 = temp3[i] * 6.0f;
        int channel16 = 0;
        if (sixtemp3 < 1.0f)
            channel16 = Round((temp1 + (temp2 - temp1) * sixtemp3) * kChannel16);
        else if ((temp3[i] * 2.0f) < 1.0f)
            channel16 = Round(temp2 * kChannel16);
        else if ((temp3[i] * 3.0f) < 2.0f)
            channel16 =
                Round((temp1 + (temp2 - temp1) * (2.0f / 3.0f - temp3[i]) * 6.0f) * kChannel16);
        else
            channel16 = Round(temp1 * kChannel16);
        channels[i] = To8Bits(channel16 == 1 ? 0 : channel16);
    }
    return static_cast<Rgb>(channels[0] << 16 | channels[1] << 8 | channels[2]);
}

} // namespace

Rgb Legible(Rgb colour, Rgb background) {
    colour &= 0xFFFFFF;
    background &= 0xFFFFFF;
    if (Contrast(colour, background) >= kLegibleContrast)
        return colour;
    // The same hue and saturation, lightness moved away from the background's
    // one step at a time, so that the change is the least that is enough.
    const Hsl asked = ToHsl(colour);
    // Below 0.18 white stands out from the background more than black does.
    const bool darkBackground = Luminance(background) < 0.18;
    for (const int direction : {darkBackground ? 1 : -1, darkBackground ? -1 : 1}) {
        for (int lightness = asked.lightness + direction; lightness >= 0 && lightness <= 255;
             lightness += direction) {
            const Rgb shade = FromHsl({asked.hue, asked.saturation, lightness});
            if (Contrast(shade, background) >= kLegibleContrast)
                return shade;
        }
    }
    return colour; // black and white both stand out from any background: never reached
}

DrawingColours::DrawingColours(Rgb background, Rgb foreground)
    : background_(background & 0xFFFFFF)
    , foreground_(foreground & 0xFFFFFF) {}

Rgb DrawingColours::Line(Rgb colour) {
    colour &= 0xFFFFFF;
    if (std::find(lines_.begin(), lines_.end(), colour) == lines_.end())
        lines_.push_back(colour);
    return Legible(colour, background_);
}

std::vector<std::pair<Rgb, Rgb>> DrawingColours::Change(Rgb background, Rgb foreground) {
    background &= 0xFFFFFF;
    foreground &= 0xFFFFFF;
    std::vector<std::pair<Rgb, Rgb>> shades = {{background_, background},
                                               {foreground_, foreground}};
    for (const Rgb asked : lines_) {
        const Rgb was = Legible(asked, background_);
        const Rgb becomes = Legible(asked, background);
        if (was != becomes)
            shades.emplace_back(was, becomes);
    }
    background_ = background;
    foreground_ = foreground;
    return shades;
}

} // namespace hc
