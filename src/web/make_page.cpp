// Writes the page from its template and the control table: the 25 controls
// at their twip positions (15 twips to the CSS pixel), with their ids,
// captions and texts, in tab order; the form's caption as its title; the
// program's icon inside the page. The page is static, so that it shows at
// once, before its WebAssembly loads, and asks for nothing else.
//   make_page TEMPLATE ICON OUTPUT
#include "commands/control_table.h"
#include "model/compat.h"
#include "web/web_surface.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace {

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string Pixels(int twips) {
    char number[32];
    const auto written = hc::compat::ToCharsGeneral(number, number + sizeof number,
                                                    twips * hc::WebSurface::kPixelsPerTwip, 6);
    return std::string(number, written.ptr) + "px";
}

std::string Place(const hc::ControlSpec& control) {
    return " style=\"left:" + Pixels(control.left) + ";top:" + Pixels(control.top) +
           ";width:" + Pixels(control.width) + ";height:" + Pixels(control.height) + "\"";
}

std::string BoxId(hc::TextBox box) {
    return "Text" + std::to_string(static_cast<int>(box));
}

// The focus starts in the first box, as in the desktop's window.
std::string Control(const hc::ControlSpec& control, std::size_t row) {
    const bool first = row == 0;
    const std::string id = "id=\"" + std::string(control.name) + "\"" + (first ? " autofocus" : "");
    return std::visit(
        [&](const auto& kind) -> std::string {
            using Kind = std::decay_t<decltype(kind)>;
            if constexpr (std::is_same_v<Kind, hc::BoxControl>) {
                return "<input " + id + " type=\"text\" value=\"" + Escaped(control.text) +
                       "\" aria-label=\"" + Escaped(kind.caption) +
                       "\" autocomplete=\"off\" spellcheck=\"false\"" + Place(control) + ">";
            } else if constexpr (std::is_same_v<Kind, hc::LabelControl>) {
                return "<label " + id + " for=\"" + BoxId(kind.box) + "\"" + Place(control) + ">" +
                       Escaped(control.text) + "</label>";
            } else {
                const std::string press =
                    kind.handler ? " data-press=\"" + std::to_string(row) + "\"" : "";
                return "<button " + id + " type=\"button\"" + press + Place(control) + ">" +
                       Escaped(control.text) + "</button>";
            }
        },
        control.kind);
}

std::string Read(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in)
        throw std::runtime_error(std::string("cannot read ") + path);
    return text;
}

// An SVG as a data URL: what a URL may not hold raw, escaped; spaces kept.
std::string DataUrl(std::string_view svg) {
    std::string url = "data:image/svg+xml,";
    for (const char c : svg) {
        if (c == '\n')
            continue;
        if (c == '%' || c == '#' || c == '<' || c == '>' || c == '"') {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
            url += escaped;
        } else {
            url += c;
        }
    }
    return url;
}

void Replace(std::string& text, std::string_view placeholder, const std::string& value) {
    for (auto at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: make_page TEMPLATE ICON OUTPUT\n", stderr);
        return 2;
    }
    try {
        std::string page = Read(argv[1]);
        std::string controls;
        for (std::size_t row = 0; row < hc::kControls.size(); ++row)
            controls += "    " + Control(hc::kControls[row], row) + "\n";
        Replace(page, "@CONTROLS@", controls);
        Replace(page, "@CAPTION@", Escaped(hc::kFormCaption));
        Replace(page, "@WIDTH@", Pixels(hc::kDesignedClientWidth));
        Replace(page, "@HEIGHT@", Pixels(hc::kDesignedClientHeight));
        Replace(page, "@ICON@", Escaped(DataUrl(Read(argv[2]))));
        std::ofstream out(argv[3], std::ios::binary);
        out << page;
        if (!out)
            throw std::runtime_error(std::string("cannot write ") + argv[3]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_page: %s\n", error.what());
        return 1;
    }
    return 0;
}
