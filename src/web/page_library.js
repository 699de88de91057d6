// What the WebAssembly side asks of the page (page_bridge.h), done by Page
// (page.js). The last two suspend the press until the page has done.
mergeInto(LibraryManager.library, {
  hc_page_fill: function (rectangles, count) { Page.Fill(rectangles, count); },
  hc_page_clear: function (background) { Page.Clear(background); },
  hc_page_line: function (x1, y1, x2, y2, colour) { Page.Line(x1, y1, x2, y2, colour); },
  hc_page_circle: function (x, y, radius, colour) { Page.Circle(x, y, radius, colour); },
  hc_page_print: function (line, colour) { Page.Print(UTF8ToString(line), colour); },
  hc_page_set_size: function (which, pixels) { Page.SetSize(which, pixels); },
  hc_page_text__deps: ['malloc'],
  hc_page_text: function (box) {
    const input = Page.Box(box);
    if (!input)
      return 0;
    const size = lengthBytesUTF8(input.value) + 1;
    const text = _malloc(size);
    stringToUTF8(input.value, text, size);
    return text;
  },
  hc_page_set_text: function (box, text) { Page.SetText(box, UTF8ToString(text)); },
  hc_page_recolour: function (pairs, count) { Page.Recolour(pairs, count); },
  hc_page_ask: function (text, isError) {
    const message = UTF8ToString(text);
    return Asyncify.handleSleep((wakeUp) => { Page.Ask(message, isError !== 0).then(wakeUp); });
  },
  hc_page_breathe: function () {
    return Asyncify.handleSleep((wakeUp) => { Page.Breathe().then(wakeUp); });
  },
});
