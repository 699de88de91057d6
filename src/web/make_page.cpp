// Writes the page from its templates and the control table: index.html with
// the 25 controls, their ids, captions and texts, in tab order, and the form's
// caption as its title, the program's icon inside it; page.css with each
// control at its twip position (15 twips to the CSS pixel) and the narrow
// layout; the web app manifest. The page is static, so that it shows at once,
// before its WebAssembly loads, and its styles are a file of their own, so
// that its Content-Security-Policy allows no inline style.
//   make_page SOURCE_DIR ICON SITE_DIR
#include "commands/control_table.h"
#include "commands/narration.h"
#include "commands/window_handlers.h"
#include "model/compat.h"
#include "web/web_surface.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace {

// What search engines and installers say of the page.
constexpr std::string_view kDescription =
    "Задача о висящей цепи: по параметру C цепной линии, расстояниям до опор и длине цепи — "
    "высота левой опоры, длина дуги и график цепной линии.";

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

// A JSON string's contents.
std::string JsonEscaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

std::string Number(double value) {
    char number[32];
    const auto written = hc::compat::ToCharsGeneral(number, number + sizeof number, value, 6);
    return std::string(number, written.ptr);
}

std::string Pixels(double twips) {
    return Number(twips * hc::WebSurface::kPixelsPerTwip) + "px";
}

// The row of the table a box is in.
std::size_t RowOfBox(hc::TextBox box) {
    return static_cast<std::size_t>(&hc::RowOf(box) - hc::kControls.data());
}

// Where a control comes in the narrow layout, which sets the controls down
// the screen in their tab order: a box or a button at twice its row, a
// caption just before its box.
int CaptionOrder(std::size_t boxRow) {
    return static_cast<int>(2 * boxRow) - 1;
}
int Order(const hc::ControlSpec& control, std::size_t row) {
    if (const auto* label = std::get_if<hc::LabelControl>(&control.kind))
        return CaptionOrder(RowOfBox(label->box));
    return static_cast<int>(2 * row);
}

// Its place in the window; its row of the table, by which the narrow layout
// sets the controls beyond the window's edge apart; and its order there.
std::string Place(const hc::ControlSpec& control, std::size_t row) {
    return "#" + std::string(control.name) + " { left: " + Pixels(control.left) +
           "; top: " + Pixels(control.top) + "; width: " + Pixels(control.width) +
           "; height: " + Pixels(control.height) + "; --row: " + std::to_string(row) +
           "; --order: " + std::to_string(Order(control, row)) + "; }\n";
}

// A box the window captions with no label of its own (the chain's length,
// whose caption is a box, and that box) is given its caption beside it in the
// narrow layout, where tab order takes the two apart. The window has two
// such boxes and the form two generated boxes to show them in. The caption
// is drawn for the eye alone: the box is named by it already.
std::string Captions() {
    std::vector<std::size_t> unlabelled;
    for (std::size_t row = 0; row < hc::kControls.size(); ++row) {
        const auto* box = std::get_if<hc::BoxControl>(&hc::kControls[row].kind);
        if (!box)
            continue;
        bool labelled = false;
        for (const hc::ControlSpec& control : hc::kControls)
            if (const auto* label = std::get_if<hc::LabelControl>(&control.kind))
                labelled = labelled || label->box == box->box;
        if (!labelled)
            unlabelled.push_back(row);
    }
    constexpr std::array<std::string_view, 2> kSlots = {"#Form1::before", "#Form1::after"};
    if (unlabelled.size() > kSlots.size())
        throw std::runtime_error("more boxes without a label than the narrow layout can caption");
    std::string rules;
    for (std::size_t i = 0; i < unlabelled.size(); ++i) {
        const std::size_t row = unlabelled[i];
        const auto& box = std::get<hc::BoxControl>(hc::kControls[row].kind);
        rules += "N " + std::string(kSlots[i]) + " { content: \"" + JsonEscaped(box.caption) +
                 "\" / \"\"; order: " + std::to_string(CaptionOrder(row)) + "; }\n";
    }
    return rules;
}

// Out of sight in the activated window, until the script says otherwise.
std::string Beyond(const hc::ControlSpec& control) {
    return control.left >= hc::kActivatedWidth ? " class=\"beyond\"" : "";
}

// The focus starts in the first box, as in the desktop's window.
std::string Control(const hc::ControlSpec& control, std::size_t row) {
    const bool first = row == 0;
    const std::string id =
        "id=\"" + std::string(control.name) + "\"" + Beyond(control) + (first ? " autofocus" : "");
    return std::visit(
        [&](const auto& kind) -> std::string {
            using Kind = std::decay_t<decltype(kind)>;
            if constexpr (std::is_same_v<Kind, hc::BoxControl>) {
                // A number's keyboard on a phone would have no sign, separator
                // or exponent: the full one, with text as typed.
                return "<input " + id + " type=\"text\" value=\"" + Escaped(control.text) +
                       "\" aria-label=\"" + Escaped(kind.caption) +
                       "\" autocomplete=\"off\" autocapitalize=\"off\" spellcheck=\"false\">";
            } else if constexpr (std::is_same_v<Kind, hc::LabelControl>) {
                return "<label " + id + " for=\"" + std::string(hc::NameOf(kind.box)) + "\">" +
                       Escaped(control.text) + "</label>";
            } else {
                const std::string press =
                    kind.handler ? " data-press=\"" + std::to_string(row) + "\"" : "";
                return "<button " + id + " type=\"button\"" + press + ">" + Escaped(control.text) +
                       "</button>";
            }
        },
        control.kind);
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return text;
}

void Write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out)
        throw std::runtime_error("cannot write " + path);
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

// The narrow layout's rules, each written with the prefix "N ", under `prefix`.
std::string Narrow(std::string rules, const std::string& prefix) {
    Replace(rules, "\nN ", "\n" + prefix + " ");
    Replace(rules, "} N ", "} " + prefix + " ");
    Replace(rules, ", N ", ", " + prefix + " ");
    return rules;
}

std::string Styles(std::string css) {
    std::string places;
    for (std::size_t row = 0; row < hc::kControls.size(); ++row)
        places += Place(hc::kControls[row], row);
    Replace(css, "@PLACES@\n", places);
    Replace(css, "@CAPTIONS@\n", Captions());
    Replace(css, "@WIDTH@", Pixels(hc::kDesignedClientWidth));
    Replace(css, "@HEIGHT@", Pixels(hc::kDesignedClientHeight));
    Replace(css, "@FONT@", Number(hc::kFontPoints) + "pt");
    Replace(css, "@CANVAS@", std::to_string(hc::WebSurface::kWindowCanvasPixels) + "px");
    constexpr std::string_view kMarker = "/* narrow: */";
    const auto at = css.find(kMarker);
    if (at == std::string::npos)
        throw std::runtime_error("page.css.in has no narrow part");
    const std::string rules = css.substr(at + kMarker.size());
    css.erase(at);
    return css + "@media (width < " + Pixels(hc::kActivatedWidth) + "), (pointer: coarse) {" +
           Narrow(rules, "  html:not(.scripted)") + "}\n" + Narrow(rules, "html.narrow");
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: make_page SOURCE_DIR ICON SITE_DIR\n", stderr);
        return 2;
    }
    try {
        const std::string source = argv[1];
        const std::string site = argv[3];
        std::string page = Read(source + "/index.html.in");
        std::string controls;
        for (std::size_t row = 0; row < hc::kControls.size(); ++row)
            controls += "    " + Control(hc::kControls[row], row) + "\n";
        Replace(page, "@CONTROLS@", controls);
        Replace(page, "@CAPTION@", Escaped(hc::kFormCaption));
        Replace(page, "@DESCRIPTION@", Escaped(kDescription));
        Replace(page, "@PLOT@", Escaped(hc::DescribePlot({})));
        Replace(page, "@FONT_POINTS@", Number(hc::kFontPoints));
        Replace(page, "@ACTIVATED_WIDTH@",
                Number(hc::kActivatedWidth * hc::WebSurface::kPixelsPerTwip));
        Replace(page, "@ICON@", Escaped(DataUrl(Read(argv[2]))));
        Write(site + "/index.html", page);
        Write(site + "/page.css", Styles(Read(source + "/page.css.in")));
        std::string manifest = Read(source + "/manifest.webmanifest.in");
        Replace(manifest, "@CAPTION@", JsonEscaped(hc::kFormCaption));
        Replace(manifest, "@DESCRIPTION@", JsonEscaped(kDescription));
        Write(site + "/manifest.webmanifest", manifest);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_page: %s\n", error.what());
        return 1;
    }
    return 0;
}
