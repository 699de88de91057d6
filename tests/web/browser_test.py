#!/usr/bin/python3
"""The page in a real browser: Debian's chromium, headless, driven by
WebDriver (chromium-driver, python3-selenium).

    browser_test.py SITE [unittest arguments]

SITE is the folder the page was built into. Each test opens the page served
from 127.0.0.1 by a server started here, or opened from disk, and asserts on
what a user sees: the controls, the texts, the messages and the canvas's
device pixels.
"""
import functools
import http.server
import sys
import threading
import time
import unittest

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

SITE = None  # set from the command line

# The controls as the desktop window has them, in tab order: id, caption or
# initial text, and left, top, width, height in twips (15 to the CSS pixel).
# Some captions mix Latin and Cyrillic on purpose.
CONTROLS = [
    ("Text1", "1.4", 1440, 5040, 615, 495),
    ("Label1", "Ордината           С", 360, 5040, 855, 495),
    ("Label2", "XA Расстояние  до левой опоры", 0, 5760, 1335, 495),
    ("Text2", "2", 1440, 5640, 615, 495),
    ("Label3", "Расстояние до правой опоры", 8880, 3600, 1215, 615),
    ("Text3", "2.5", 10200, 3720, 615, 495),
    ("Label4", "Коэфф kY", 9240, 5160, 855, 255),
    ("Text4", "Text4", 10200, 5040, 615, 495),
    ("Command1", "Очистить", 3600, 8280, 1215, 495),
    ("Text5", "", 1440, 8040, 615, 495),
    ("Text6", "3.3", 1440, 7320, 495, 495),
    ("Label5", "Длина WA", 0, 8160, 1215, 255),
    ("Command2", "Command2", 8880, 1320, 1215, 495),
    ("Command3", "Command3", 8880, 1920, 1215, 495),
    ("Command4", "Считать", 9000, 8280, 1215, 495),
    ("Command5", "Построить график", 8880, 2520, 1215, 495),
    ("Command6", "X^3", 8760, 0, 1215, 495),
    ("Command7", "X^2", 8760, 600, 1215, 495),
    ("Command8", "Построить график Морвина", 2280, 8160, 1215, 735),
    ("Text7", "Длина цепи", 120, 7320, 1215, 495),
    ("Command9", "Расчёты", 8880, 7320, 1215, 495),
    ("Text8", "", 1440, 6600, 615, 495),
    ("Label6", "YA  Высота лeвой опоры", 0, 6600, 1215, 495),
    ("Text9", "Text9", 10200, 4440, 615, 495),
    ("Label7", "YA", 9840, 4560, 255, 255),
]

MINIMUM_C = "Будет построен график с минимально допустимым значением C=0,144"
SHORT_CHAIN = "Длины цепи не хватает перекрыть пролёт"

# Counts and records the canvas's rectangles of one colour, in device pixels.
RECORD_FILLS = """
window.fills = [];
const fill = CanvasRenderingContext2D.prototype.fillRect;
CanvasRenderingContext2D.prototype.fillRect = function (x, y, w, h) {
  window.fills.push([this.fillStyle, x, y, w, h]);
  return fill.call(this, x, y, w, h);
};
"""

# Every pixel of the canvas, as [r, g, b] counts by colour "#rrggbb".
CANVAS_COLOURS = """
const canvas = document.getElementById('plot');
const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
const counts = {};
for (let i = 0; i < data.length; i += 4) {
  const key = '#' + ((data[i] << 16) | (data[i + 1] << 8) | data[i + 2]).toString(16).padStart(6, '0');
  counts[key] = (counts[key] || 0) + 1;
}
return counts;
"""


class Server:
    """The site on 127.0.0.1, on a port of its own, for the test's span;
    `requested` keeps every path asked of it, in order."""

    def __init__(self):
        self.requested = []
        requested = self.requested

        class Handler(http.server.SimpleHTTPRequestHandler):
            def do_GET(self):
                requested.append(self.path)
                super().do_GET()

            def log_message(self, *args):
                pass

        handler = functools.partial(Handler, directory=SITE)
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    @property
    def url(self):
        return "http://127.0.0.1:%d/index.html" % self.httpd.server_address[1]

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def Browser(language="en-US", scale=None):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    # As root in a container chromium needs --no-sandbox; the rest keeps it
    # from reaching for the network this machine does not have.
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", "--disable-dev-shm-usage", "--window-size=900,800",
                     "--accept-lang=" + language]:
        options.add_argument(argument)
    if scale is not None:
        options.add_argument("--force-device-scale-factor=%s" % scale)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class PageTest(unittest.TestCase):
    """The page served over HTTP, in a browser whose language writes "."."""
    language = "en-US"
    scale = None
    from_disk = False

    @classmethod
    def setUpClass(cls):
        cls.server = None if cls.from_disk else Server()
        cls.driver = Browser(cls.language, cls.scale)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        if cls.server:
            cls.server.stop()

    def setUp(self):
        url = "file://%s/index.html" % SITE if self.from_disk else self.server.url
        self.driver.get(url)
        self.driver.execute_script(RECORD_FILLS)
        # The activation has run once the window has its activated width.
        self.wait(lambda: self.js("return document.getElementById('Form1').style.width") != "",
                  "the activation did not run")

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait(self, condition, what, seconds=10):
        try:
            WebDriverWait(self.driver, seconds, 0.05).until(lambda driver: condition())
        except TimeoutException:
            self.fail(what)

    def element(self, id):
        return self.driver.find_element(By.ID, id)

    def text(self, box):
        return self.element(box).get_attribute("value")

    def type(self, box, text):
        self.js("document.getElementById(arguments[0]).value = arguments[1]", box, text)

    def press(self, button):
        """Clicks the button and waits for the press to end, answering every
        message it shows; returns the messages' texts."""
        self.js("window.pressing = true")
        self.element(button).click()
        messages = []
        deadline = time.time() + 120
        while time.time() < deadline:
            state = self.js("""
              const dialog = document.getElementById('Message');
              if (dialog.open) return ['message', document.getElementById('MessageText').textContent,
                                       dialog.classList.contains('error')];
              return [document.documentElement.classList.contains('busy') ? 'busy' : 'idle'];""")
            if state[0] == "message":
                messages.append((state[1], state[2]))
                self.element("MessageOk").click()
                self.wait(lambda: not self.js("return document.getElementById('Message').open"),
                          "the message stayed")
            elif state[0] == "idle" and self.idle():
                return messages
            time.sleep(0.02)
        self.fail("the press did not end")

    def idle(self):
        # Pressed twice with nothing between, a second press would not run:
        # the page runs one press at a time. A press is over once a script
        # finds the page neither in a press nor showing a message.
        return self.js("""
          return new Promise((resolve) => setTimeout(() =>
            resolve(!document.documentElement.classList.contains('busy') &&
                    !document.getElementById('Message').open), 20));""")

    def dots(self):
        """The foreground's rectangles since the page loaded: the dots."""
        foreground = self.js("""
          const [r, g, b] = getComputedStyle(document.getElementById('Form1')).color.match(/\\d+/g);
          return '#' + ((r << 16) | (g << 8) | b).toString(16).padStart(6, '0');""")
        return [fill[1:] for fill in self.js("return window.fills") if fill[0] == foreground]


class ControlsTest(PageTest):
    def test_the_window_has_its_title_language_and_controls_at_their_places(self):
        self.assertEqual(self.driver.title, "Морвина")
        self.assertEqual(self.js("return document.documentElement.lang"), "ru")
        found = self.js("""
          const form = document.getElementById('Form1').getBoundingClientRect();
          return Array.from(document.querySelectorAll('#Form1 > :not(canvas)'), (e) => {
            const box = e.getBoundingClientRect();
            return [e.id, e.tagName === 'INPUT' ? e.value : e.textContent,
                    (box.left - form.left) * 15, (box.top - form.top) * 15, box.width * 15,
                    box.height * 15];
          });""")
        self.assertEqual([tuple(row[:2]) for row in found], [row[:2] for row in CONTROLS])
        for row, want in zip(found, CONTROLS):
            self.assertEqual([round(v) for v in row[2:]], list(want[2:]), row[0])

    def test_tab_visits_boxes_and_buttons_in_the_table_order_from_text1(self):
        self.assertEqual(self.js("return document.activeElement.id"), "Text1")
        visited = []
        for _ in range(18):
            visited.append(self.js("return document.activeElement.id"))
            self.driver.switch_to.active_element.send_keys(Keys.TAB)
        self.assertEqual(visited, ["Text1", "Text2", "Text3", "Text4", "Command1", "Text5",
                                   "Text6", "Command2", "Command3", "Command4", "Command5",
                                   "Command6", "Command7", "Command8", "Text7", "Command9",
                                   "Text8", "Text9"])
        # Beyond the window's edge, Text3 took the focus without moving the window.
        self.assertEqual(self.js("return document.getElementById('Form1').scrollLeft"), 0)

    def test_a_screen_reader_names_each_box_by_its_caption_and_relates_its_label(self):
        names = self.js("""return Array.from(document.querySelectorAll('#Form1 input'),
                                              (e) => [e.id, e.getAttribute('aria-label')]);""")
        self.assertEqual(dict(names)["Text1"], "Ордината С")
        self.assertEqual(dict(names)["Text8"], "YA Высота левой опоры")
        self.assertEqual(dict(names)["Text7"], "Подпись: длина цепи")
        labels = self.js("""return Array.from(document.querySelectorAll('#Form1 label'),
                                               (e) => [e.id, e.control ? e.control.id : null]);""")
        self.assertEqual(labels, [["Label1", "Text1"], ["Label2", "Text2"], ["Label3", "Text3"],
                                  ["Label4", "Text4"], ["Label5", "Text5"], ["Label6", "Text8"],
                                  ["Label7", "Text9"]])

    def test_the_window_starts_7000_by_10000_twips_with_the_frame_alone(self):
        size = self.js("""const box = document.getElementById('Form1').getBoundingClientRect();
                          return [box.width * 15, box.height * 15];""")
        self.assertEqual([round(v) for v in size], [7000, 10000])
        colours = self.js(CANVAS_COLOURS)
        self.assertEqual(sorted(colours), ["#800000", "#ffffff"])
        self.assertEqual(self.dots(), [])

    def test_nothing_is_fetched_but_the_page_and_its_script(self):
        # A browser of its own: one asks for a site's icon once a session.
        server = Server()
        driver = Browser()
        try:
            driver.get(server.url)
            WebDriverWait(driver, 10, 0.05).until(lambda d: d.execute_script(
                "return performance.getEntriesByName('hanging-chain-frame').length > 0"))
            time.sleep(1)  # the icon is asked for after the page has loaded
            self.assertEqual(server.requested, ["/index.html", "/hanging-chain.js"])
        finally:
            driver.quit()
            server.stop()


class PressTest(PageTest):
    def test_the_default_press_shows_the_digits_and_plots_401_dots(self):
        self.assertEqual(self.press("Command8"), [])
        self.assertEqual(self.text("Text8"), "3.08866944394248")
        self.assertEqual(self.text("Text5"), "2.75315799291358")
        self.assertEqual(self.text("Text1"), "1.4")
        dots = self.dots()
        self.assertEqual(len(dots), 1 + 401)  # the corner's, then the curve's
        self.assertEqual(dots[0], [0, 0, 1, 1])
        self.assertEqual(dots[1], [160, 368, 1, 1])  # world x −2: (2400, 5529.1) twips
        self.assertEqual(dots[-1], [266, 458, 1, 1])  # the vertex: (4000, 6880)

    def test_enter_presses_the_focused_button(self):
        self.js("document.getElementById('Command8').focus()")
        self.driver.switch_to.active_element.send_keys(Keys.ENTER)
        self.wait(lambda: self.text("Text8") == "3.08866944394248", "Enter pressed nothing")

    def test_both_messages_with_their_exact_words_and_no_icon(self):
        self.type("Text1", "0.144")
        self.assertEqual(self.press("Command8"), [(MINIMUM_C, False)])
        self.assertEqual(self.text("Text1"), "0.144")
        self.type("Text1", "1.4")
        self.type("Text6", "2")
        self.assertEqual(self.press("Command8"), [(SHORT_CHAIN, False)])
        self.assertEqual(self.text("Text8"), "3.08866944394248")

    def test_clear_widens_the_window_and_leaves_the_frame_alone(self):
        self.press("Command8")
        self.press("Command1")
        size = self.js("""const box = document.getElementById('Form1').getBoundingClientRect();
                          return [box.width * 15, box.height * 15];""")
        self.assertEqual([round(v) for v in size], [10000, 10000])
        self.assertEqual(sorted(self.js(CANVAS_COLOURS)), ["#800000", "#ffffff"])
        self.assertEqual(self.text("Text8"), "3.08866944394248")

    def test_count_after_a_plot_raises_c_by_a_thousandth(self):
        self.press("Command1")  # widen, so that «Считать» can be reached
        self.press("Command8")
        self.assertEqual(self.press("Command4"), [])
        self.assertEqual(self.text("Text1"), "1.4014")
        self.assertEqual(self.text("Text9"), "1.40140891336185")
        self.assertEqual(self.text("Text5"), "0.00499824469735796")

    def test_count_before_any_plot_reports_the_desktops_words(self):
        self.press("Command1")
        self.assertEqual(self.press("Command4"), [(
            "Команда «Считать» прервана: арифметическая ошибка (деление на ноль, недопустимая "
            "операция или переполнение), при вычислении ординаты цепной линии. Сначала постройте "
            "график кнопкой «Построить график Морвина».\n\nВведённые значения сохранены: их "
            "можно исправить и повторить.", True)])
        self.assertEqual(self.text("Text9"), "Text9")

    def test_the_cube_and_the_square_plot_2001_dots_each(self):
        self.press("Command1")
        self.press("Command6")
        cube = self.dots()
        # Of 2001, those below world y −2.506 (10005 twips) leave the canvas;
        # the first in view is at world x −1.3587: (2913.6, 10004) twips.
        self.assertEqual(len(cube), 1680)
        self.assertEqual(cube[0], [194, 666, 1, 1])
        self.press("Command7")
        square = self.dots()[len(cube):]
        self.assertEqual(len(square), 2001)
        self.assertEqual(square[0], [160, 320, 1, 1])  # world (−2, 4): (2400, 4800)

    def test_a_bad_input_in_any_box_gives_a_message_or_a_number(self):
        for box in ["Text1", "Text2", "Text3", "Text6"]:
            for typed in ["abc", "", "1e400", "--2", "1e39", "-1e308", "∞"]:
                self.setUp()
                self.type(box, typed)
                messages = self.press("Command8")
                for shown in ["Text1", "Text5", "Text8"]:
                    value = self.text(shown)
                    self.assertNotRegex(value.lower(), "inf|nan|undefined", (box, typed, shown))
                for text, _ in messages:
                    self.assertNotRegex(text.lower(), "inf|nan|undefined", (box, typed))
                if box != "Text1":
                    self.assertEqual(self.text(box), typed, "the typed text changed")


class RussianTest(PageTest):
    """A browser whose language writes ",": numbers as the desktop writes them
    under a Russian locale, read back with "." or ","."""
    language = "ru-RU"

    def test_numbers_take_the_languages_separator_and_read_back(self):
        self.press("Command8")
        self.assertEqual(self.text("Text8"), "3,08866944394248")
        self.assertEqual(self.text("Text5"), "2,75315799291358")
        self.type("Text1", "1,4")
        self.press("Command8")
        self.assertEqual(self.text("Text8"), "3,08866944394248")

    def test_a_long_press_shows_the_wait_cursor_and_ends_with_the_desktops_texts(self):
        self.type("Text1", "130000")
        self.type("Text2", "130000")
        self.type("Text6", "1000000")
        self.element("Command8").click()
        self.wait(lambda: self.js("return document.documentElement.classList.contains('busy')"),
                  "no wait cursor while the press ran")
        cursor = self.js("return getComputedStyle(document.getElementById('Text2')).cursor")
        self.assertEqual(cursor, "wait")
        # A click meanwhile is dropped, as the browser delivers it: the box
        # keeps its text and the focus stays on the button.
        box = self.element("Text2").rect
        for kind in ["mousePressed", "mouseReleased"]:
            self.driver.execute_cdp_cmd("Input.dispatchMouseEvent", {
                "type": kind, "x": box["x"] + 5, "y": box["y"] + 5, "button": "left",
                "clickCount": 1})
        self.assertTrue(self.js("return document.documentElement.classList.contains('busy')"),
                        "the press ended before the click: it proved nothing")
        self.assertEqual(self.js("return document.activeElement.id"), "Command8")
        self.wait(lambda: self.idle(), "the press did not end", seconds=120)
        self.assertEqual(self.text("Text8"), "200600,482522663")
        self.assertEqual(self.text("Text5"), "152776,155169337")
        self.assertEqual(self.text("Text2"), "130000")
        # Its dots all lie far above the window: only the corner's is on the canvas.
        self.assertEqual(self.dots(), [[0, 0, 1, 1]])


class DiskTest(PageTest):
    """The page opened from disk, where nothing can be fetched."""
    from_disk = True

    def test_the_default_press_works_from_disk(self):
        self.press("Command8")
        self.assertEqual(self.text("Text8"), "3.08866944394248")
        self.assertEqual(len(self.dots()), 1 + 401)


class ScaleTest(PageTest):
    """Whole, same-size dots at a device scale factor: every dot the same
    square of round(ratio) device pixels, as on the desktop."""
    scale = None

    def vertex_and_corner(self):
        self.type("Text2", "0")  # one dot of the curve: the vertex
        self.press("Command8")
        return self.js("""
          const canvas = document.getElementById('plot');
          const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
          const ink = [];
          for (let i = 0; i < data.length; i += 4)
            if (data[i] === 0 && data[i + 1] === 0 && data[i + 2] === 0)
              ink.push([(i / 4) % canvas.width, Math.floor(i / 4 / canvas.width)]);
          return [canvas.width, ink];""")


class ScaleOneAndAQuarterTest(ScaleTest):
    scale = 1.25

    def test_each_dot_is_one_device_pixel(self):
        width, ink = self.vertex_and_corner()
        self.assertEqual(width, 834)  # 667 CSS pixels at 1.25
        # The vertex at (4000, 6880) twips: device (333.3, 573.3).
        self.assertEqual(ink, [[0, 0], [333, 573]])


class ScaleTwoTest(ScaleTest):
    scale = 2

    def test_each_dot_is_two_by_two_device_pixels(self):
        width, ink = self.vertex_and_corner()
        self.assertEqual(width, 1334)
        # The vertex at device (533.3, 917.3).
        self.assertEqual(sorted(ink), [[0, 0], [0, 1], [1, 0], [1, 1],
                                       [533, 917], [533, 918], [534, 917], [534, 918]])


class ZoomTest(ScaleTest):
    """A zoom from 100 % to 200 % between presses: the canvas is made again at
    the new ratio, keeping what is drawn, and new dots are whole 2 × 2 squares."""

    def test_after_a_zoom_the_drawing_stays_and_new_dots_fit_the_new_ratio(self):
        # A zoom changes the ratio and the viewport's size in CSS pixels
        # together. Chromium's emulation tells the page nothing when only
        # the ratio changes, and of a ratio and a size changed in one call
        # the resize may come first, while the ratio is still 1. So the ratio
        # changes first and the size after it, which fires both the resize
        # and the resolution's media query with the ratio already 2.
        width, height = self.js("return [innerWidth, innerHeight]")
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 2, "mobile": False})
        try:
            self.wait(lambda: self.js("return devicePixelRatio") == 2, "the ratio stayed")
            self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height + 100, "deviceScaleFactor": 2, "mobile": False})
            self.wait(lambda: self.js("return document.getElementById('plot').width") == 1334,
                      "the canvas kept its size")
            self.assertIn("#800000", self.js(CANVAS_COLOURS))  # the frame, scaled
            width, ink = self.vertex_and_corner()
            self.assertEqual(sorted(ink), [[0, 0], [0, 1], [1, 0], [1, 1],
                                           [533, 917], [533, 918], [534, 917], [534, 918]])
        finally:
            self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


class DarkTest(PageTest):
    """A dark colour scheme: the frame's dark red takes the least lighter
    shade that stands out 3 : 1, as on the desktop."""

    def setUp(self):
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
            "features": [{"name": "prefers-color-scheme", "value": "dark"}]})
        super().setUp()

    def test_the_frame_stands_out_from_a_dark_window(self):
        self.press("Command8")
        colours = self.js(CANVAS_COLOURS)
        # Chromium's dark canvas is (18, 18, 18); (128, 0, 0) shows as (198, 0, 0).
        self.assertEqual(sorted(colours), ["#121212", "#c60000", "#ffffff"])

    def test_a_scheme_changed_between_presses_recolours_what_is_drawn(self):
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
            {"name": "prefers-color-scheme", "value": "light"}]})
        self.driver.get(self.server.url)
        self.wait(lambda: self.js("return document.getElementById('Form1').style.width") != "",
                  "the activation did not run")
        self.press("Command8")
        self.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
            {"name": "prefers-color-scheme", "value": "dark"}]})
        self.wait(lambda: "#121212" in self.js(CANVAS_COLOURS), "the canvas kept its colours")
        self.assertEqual(sorted(self.js(CANVAS_COLOURS)), ["#121212", "#c60000", "#ffffff"])


if __name__ == "__main__":
    SITE = sys.argv.pop(1)
    unittest.main()
