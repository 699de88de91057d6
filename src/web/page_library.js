// What the WebAssembly side asks of the page (page_bridge.h, which gives the
// types), done by Page (page.js), which is given JavaScript values: strings
// for the C strings, an Int32Array for the rectangles.
mergeInto(LibraryManager.library, {
  hc_page_canvas: function (width, height, background) { Page.Canvas(width, height, background); },
  hc_page_fill: function (rectangles, count) {
    Page.Fill(HEAP32.subarray(rectangles >> 2, (rectangles >> 2) + 5 * count));
  },
  hc_page_circle: function (x, y, radius, colour, width) { Page.Circle(x, y, radius, colour, width); },
  hc_page_print: function (line, top, size, colour) { Page.Print(UTF8ToString(line), top, size, colour); },
  hc_page_set_width: function (pixels) { Page.SetWidth(pixels); },
  hc_page_set_height: function (pixels) { Page.SetHeight(pixels); },
  hc_page_in_sight: function (ids) { Page.InSight(UTF8ToString(ids).split(' ')); },
  hc_page_text__deps: ['malloc'],
  hc_page_text: function (id) {
    const text = Page.Text(UTF8ToString(id));
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
  },
  hc_page_set_text: function (id, text) { Page.SetText(UTF8ToString(id), UTF8ToString(text)); },
  hc_page_announce: function (text) { Page.Announce(UTF8ToString(text)); },
  hc_page_describe_plot: function (text) { Page.DescribePlot(UTF8ToString(text)); },
  hc_page_message: function (text) {
    const message = UTF8ToString(text);
    return Asyncify.handleSleep(function (wakeUp) { Page.Ask(message, false).then(wakeUp); });
  },
  hc_page_error: function (text) {
    const message = UTF8ToString(text);
    return Asyncify.handleSleep(function (wakeUp) { Page.Ask(message, true).then(wakeUp); });
  },
  hc_page_breathe: function () {
    return Asyncify.handleSleep(function (wakeUp) { Page.Breathe().then(wakeUp); });
  },
});
