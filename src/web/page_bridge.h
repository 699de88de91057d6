#pragma once

// What the WebAssembly side asks of the page: each function is done by the
// page's script (page_library.js hands it to page.js), with the types here.
// Positions and sizes on the canvas are device pixels; colours 0xRRGGBB;
// controls are named by their ids, which are the control table's names.
extern "C" {
// The canvas made anew, `width` × `height`, all `background`.
void hc_page_canvas(int width, int height, int background);
// Rectangles, five integers each: left, top, right and bottom (both
// excluded), colour.
void hc_page_fill(const int* rectangles, int count);
void hc_page_circle(double x, double y, double radius, int colour, int width);
void hc_page_print(const char* line, double top, double size, int colour);
// The window's client area, CSS pixels.
void hc_page_set_width(double pixels);
void hc_page_set_height(double pixels);
// The controls not beyond the client area's edge, their ids separated by spaces.
void hc_page_in_sight(const char* ids);
// The box's text as UTF-8, in memory the caller frees.
char* hc_page_text(const char* id);
void hc_page_set_text(const char* id, const char* text);
// For a screen reader: what a press changed, and what the plot shows.
void hc_page_announce(const char* text);
void hc_page_describe_plot(const char* text);
// These three suspend the press until the page has done (asyncify): a modal
// message, or a report of an error, until it is dismissed; a turn of the
// page's event loop that shows the wait cursor and what is drawn so far.
void hc_page_message(const char* text);
void hc_page_error(const char* text);
void hc_page_breathe();
}
