#pragma once

// What the page's script (page_library.js) does for the WebAssembly side: the
// canvas, the boxes, the window's size and the messages. Rectangles are five
// integers each: left, top, right (excluded), bottom (excluded) in device
// pixels, and the colour as 0xRRGGBB.
extern "C" {
void hc_page_fill(const int* rectangles, int count);
void hc_page_clear(int background);
void hc_page_line(double x1, double y1, double x2, double y2, int colour); // CSS pixels
void hc_page_circle(double x, double y, double radius, int colour);        // CSS pixels
void hc_page_print(const char* line, int colour);
void hc_page_set_size(int which, double pixels); // CSS pixels; 0: width, 1: height
// The box's text as UTF-8, in memory the caller frees.
char* hc_page_text(int box);
void hc_page_set_text(int box, const char* text);
// The pairs (was, becomes) of 0xRRGGBB colours for every pixel of the canvas.
void hc_page_recolour(const int* pairs, int count);
// These two suspend the press until the page has done (asyncify): a modal
// message until it is dismissed, and a turn of the page's event loop that
// shows the wait cursor and what is drawn so far.
void hc_page_ask(const char* text, int isError);
void hc_page_breathe();
}
