#!/usr/bin/python3
"""The window as a screen reader's bus shows it: AT-SPI, through Debian's
pyatspi. Run on a desktop of its own (run-on-desktop) inside a private
session bus (dbus-run-session); the program starts with its accessibility
on, as it does when a screen reader is running.

  atspi_test.py PROGRAM

Checks the tree (roles, names, every box's whole text in one attribute run,
the plot's image) and what each press announces, in the page's words."""

import os
import subprocess
import sys
import time
import unittest

import pyatspi
from gi.repository import GLib

PROGRAM = None
DEADLINE = 60  # seconds; only guards a hang


def wait(condition, what):
    end = time.monotonic() + DEADLINE
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        value = condition()
        if value:
            return value
        time.sleep(0.01)
    raise AssertionError("waited %d s for %s" % (DEADLINE, what))


class AtSpiTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.heard = []
        # Qt before 6.8 shows a notification named by the words; from 6.8 it
        # sends an announcement.
        pyatspi.Registry.registerEventListener(cls.listen, "object:state-changed:showing",
                                               "object:announcement")
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        cls.program = subprocess.Popen([PROGRAM], env=env)
        desktop = pyatspi.Registry.getDesktop(0)
        cls.app = wait(lambda: next((app for app in desktop
                                     if app is not None and app.name == "hanging-chain"), None),
                       "the program on the bus")
        cls.frame = wait(lambda: next((child for child in cls.app
                                       if child.getRole() == pyatspi.ROLE_FRAME), None),
                         "the program's window")
        # The activation draws the frame and says so.
        wait(lambda: cls.heard, "the activation's words")

    @classmethod
    def tearDownClass(cls):
        cls.program.terminate()
        cls.program.wait(DEADLINE)

    @classmethod
    def listen(cls, event):
        try:
            if event.type.startswith("object:announcement"):
                cls.heard.append(str(event.any_data))
            elif (event.detail1 == 1 and event.source is not None
                  and event.source.getRole() == pyatspi.ROLE_NOTIFICATION):
                cls.heard.append(event.source.name)
        except Exception as error:  # a source gone meanwhile says nothing
            print("listen:", error, file=sys.stderr)

    def child(self, role, name):
        found = [child for child in self.frame if child.getRole() == role and child.name == name]
        self.assertEqual(len(found), 1, "%s %r" % (role, name))
        return found[0]

    def press(self, *captions):
        """Presses the buttons as a screen reader's user would, one after
        another, and returns what was said until the last had said something.
        Events come in order: words said twice, or by a press that should say
        nothing, come before the last press's."""
        start = len(self.heard)
        for caption in captions:
            self.child(pyatspi.ROLE_PUSH_BUTTON, caption).queryAction().doAction(0)
        wait(lambda: len(self.heard) > start, "the words after «%s»" % captions[-1])
        return self.heard[start:]

    def read_by_runs(self, box):
        """The box's text as Orca reads it: run of attributes by run."""
        text = box.queryText()
        read, offset = "", 0
        while offset < text.characterCount:
            _, start, end = text.getAttributeRun(offset, False)
            if not start <= offset < end:
                return read + "<no run at %d: %d..%d>" % (offset, start, end)
            read += text.getText(offset, end)
            offset = end
        return read

    def test_1_every_box_is_read_whole_by_its_caption(self):
        boxes = [(child.name, self.read_by_runs(child)) for child in self.frame
                 if child.getRole() == pyatspi.ROLE_TEXT]
        self.assertEqual(boxes, [
            ("Ордината С", "1.4"), ("XA Расстояние до левой опоры", "2"),
            ("Расстояние до правой опоры", "2.5"), ("Коэфф kY", "Text4"), ("Длина WA", ""),
            ("Длина цепи", "3.3"), ("Подпись: длина цепи", "Длина цепи"),
            ("YA Высота левой опоры", ""), ("YA", "Text9")])
        self.assertEqual(self.frame.name, "Морвина")
        self.assertEqual(self.child(pyatspi.ROLE_IMAGE, "График: оси с делениями").name,
                         "График: оси с делениями")

    def test_2_each_press_says_what_it_changed_in_the_pages_words(self):
        self.assertEqual(self.press("Построить график Морвина"), [
            "YA Высота левой опоры: 3.08866944394248. Длина WA: 2.75315799291358. "
            "График: оси с делениями, 402 точки."])
        # The results are read whole too.
        self.assertEqual(self.read_by_runs(self.child(pyatspi.ROLE_TEXT, "YA Высота левой опоры")),
                         "3.08866944394248")
        self.assertEqual(self.press("Считать"), [
            "YA: 1.40140891336185. Ордината С: 1.4014. Длина WA: 0.00499824469735796."])
        # A press that changes nothing says nothing.
        self.assertEqual(self.press("Command2", "Очистить"), ["График: оси с делениями."])
        self.child(pyatspi.ROLE_IMAGE, "График: оси с делениями")
        self.assertEqual(self.press("X^3"), ["График: оси с делениями, 1680 точек."])
        self.child(pyatspi.ROLE_IMAGE, "График: оси с делениями, 1680 точек")

if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main()
