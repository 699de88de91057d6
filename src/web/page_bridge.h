#pragma once

// Every call between the WebAssembly core and the page's script, in both
// directions, declared once: its name, its C result and parameters, and
// whether it suspends the press that makes it (asyncify). From this table
// come the C declarations below, and, written by make_bridge while the page
// is built, the page's side: page_imports.js, which hands each import to
// Page (page.js), page_exports.js, which wraps each export for it, and the
// list of imports that suspend, for the link. Adding a call takes a row here and the two
// functions at its ends: its definition in page.cpp or its method of Page.
//
// Each row: X(name, result, (parameters), suspends). The page's script is
// given JavaScript values: numbers for int and double, strings for
// const char*, an Int32Array for a const int* followed by its length; a
// char* result is the page's string, in memory the caller frees. An
// import hc_page_some_name is Page.SomeName; an export hc_some_name is
// someName of Module.PageExports(). A call that suspends is a Promise on
// the page's side.
//
// Positions and sizes on the canvas are device pixels; colours 0xRRGGBB;
// controls are named by their ids, which are the control table's names.

#include <array>
#include <emscripten/em_macros.h>
#include <string_view>

// What the core asks of the page.
#define HC_PAGE_IMPORTS(X)                                                                         \
    /* The canvas made anew, width × height, all background. */                                    \
    X(hc_page_canvas, void, (int width, int height, int background), false)                        \
    /* Rectangles, five integers each: left, top, right and bottom (both excluded), colour. */     \
    X(hc_page_fill, void, (const int* rectangles, int integers), false)                            \
    X(hc_page_circle, void, (double x, double y, double radius, int colour, int width), false)     \
    X(hc_page_print, void, (const char* line, double top, double size, int colour), false)         \
    /* The window's client area, CSS pixels. */                                                    \
    X(hc_page_set_width, void, (double pixels), false)                                             \
    X(hc_page_set_height, void, (double pixels), false)                                            \
    /* The controls not beyond the client area's edge, their ids separated by spaces. */           \
    X(hc_page_in_sight, void, (const char* ids), false)                                            \
    X(hc_page_text, char*, (const char* id), false)                                                \
    X(hc_page_set_text, void, (const char* id, const char* text), false)                           \
    /* For a screen reader: what a press changed, and what the plot shows. */                      \
    X(hc_page_announce, void, (const char* text), false)                                           \
    X(hc_page_describe_plot, void, (const char* text), false)                                      \
    /* A modal message, and a report of an error, until dismissed. */                              \
    X(hc_page_message, void, (const char* text), true)                                             \
    X(hc_page_error, void, (const char* text), true)                                               \
    /* A turn of the page's event loop: the wait cursor and what is drawn so far. */               \
    X(hc_page_breathe, void, (), true)

// What the page asks of the core (page.cpp).
#define HC_PAGE_EXPORTS(X)                                                                         \
    /* The decimal separator of the browser's language; the page's colours. */                     \
    X(hc_start, void, (const char* decimalSeparator, int background, int foreground), false)       \
    /* A layout, which makes the canvas anew: the window's, or the narrow one's. */                \
    X(hc_view_window, void, (double ratio), false)                                                 \
    X(hc_view_narrow, void, (double ratio, int deviceSide), false)                                 \
    X(hc_set_colours, void, (int background, int foreground), false)                               \
    X(hc_activate, void, (), true)                                                                 \
    /* A click on the control of that row of the control table. */                                 \
    X(hc_press, void, (int control), true)                                                         \
    /* The window's public operation that no control invokes. */                                   \
    X(hc_primer, void, (), true)

#define HC_PAGE_DECLARE(name, result, parameters, suspends) result name parameters;
extern "C" {
HC_PAGE_IMPORTS(HC_PAGE_DECLARE)
#define HC_PAGE_DECLARE_EXPORT(name, result, parameters, suspends)                                 \
    EMSCRIPTEN_KEEPALIVE result name parameters;
HC_PAGE_EXPORTS(HC_PAGE_DECLARE_EXPORT)
#undef HC_PAGE_DECLARE_EXPORT
}
#undef HC_PAGE_DECLARE

namespace hc::bridge {

// A row of the table as text, for make_bridge to write the page's side from.
struct Call {
    std::string_view name;
    std::string_view result;
    std::string_view parameters; // "(int width, int height)"
    bool suspends;
};

#define HC_PAGE_ROW(name, result, parameters, suspends) Call{#name, #result, #parameters, suspends},
inline constexpr std::array kImports = {HC_PAGE_IMPORTS(HC_PAGE_ROW)};
inline constexpr std::array kExports = {HC_PAGE_EXPORTS(HC_PAGE_ROW)};
#undef HC_PAGE_ROW

} // namespace hc::bridge
