#!/usr/bin/python3
"""What Debian's Orca says of the window, read from its debug log (the lines
«SPEECH OUTPUT: '…'»; no sound is made or needed). Run on a desktop of its
own with a window manager (run-on-desktop) inside a private session bus
(dbus-run-session); the keys are typed with xdotool, and each step waits for
what Orca says, never for a time.

  orca_test.py PROGRAM"""

import os
import re
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = None
DEADLINE = 60  # seconds; only guards a hang
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)' ?{'established'")


def run_orca(log):
    """Debian's orca, its debug log written line by line: its own is
    buffered, and what it said last would wait there for more to come."""
    import builtins
    import runpy
    opened = builtins.open

    def line_buffered(file, mode="r", *args, **kwargs):
        if file == log and mode == "w":
            return opened(file, mode, 1, *args, **kwargs)
        return opened(file, mode, *args, **kwargs)

    builtins.open = line_buffered
    sys.argv = ["orca", "--debug-file", log]
    runpy.run_path("/usr/bin/orca", run_name="__main__")


class OrcaTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.home = tempfile.TemporaryDirectory()
        env = dict(os.environ, HOME=cls.home.name, XDG_CONFIG_HOME=cls.home.name + "/config",
                   XDG_DATA_HOME=cls.home.name + "/data", XDG_CACHE_HOME=cls.home.name + "/cache")
        cls.log = cls.home.name + "/orca.log"
        cls.read = 0  # how much of what Orca said the test has looked at
        cls.orca = subprocess.Popen([sys.executable, __file__, "--run-orca", cls.log], env=env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        cls.hear("Screen reader on.")
        cls.program = subprocess.Popen([PROGRAM], env=env)

    @classmethod
    def tearDownClass(cls):
        for process in (cls.program, cls.orca):
            process.terminate()
            process.wait(DEADLINE)
        print("Orca said:", *cls.said(), sep="\n  ")
        cls.home.cleanup()

    @classmethod
    def said(cls):
        try:
            with open(cls.log, encoding="utf-8", errors="replace") as log:
                return [match.group(1) for match in map(SPEECH.search, log) if match]
        except FileNotFoundError:
            return []

    @classmethod
    def wait_to_hear(cls, lines, heard_through, what):
        """Waits, on Orca's log and no longer than DEADLINE, until
        `heard_through(said)` gives the index of the last line it needs of
        what Orca said after what the test heard last; returns those lines."""
        lines = [line if isinstance(line, tuple) else (line,) for line in lines]
        end = time.monotonic() + DEADLINE
        while True:
            said = cls.said()[cls.read:]
            last = heard_through(lines, said)
            if last is not None:
                cls.read += last + 1
                return said[:last + 1]
            if time.monotonic() > end:
                raise AssertionError("Orca did not say %s %r; it said %r" % (what, lines, said))
            time.sleep(0.05)  # the log's next poll, not a wait for the machine

    @classmethod
    def hear(cls, *lines):
        """Orca has said `lines`, one after another (maybe with other words
        between). A line is a string, or a tuple of those it may be."""
        def in_order(lines, said):
            at = 0
            for index, line in enumerate(said):
                if line in lines[at]:
                    at += 1
                    if at == len(lines):
                        return index
            return None
        return cls.wait_to_hear(lines, in_order, "in order")

    @classmethod
    def hear_all(cls, *lines):
        """Orca has said every one of `lines`, in any order: where two things
        happen at once, Orca versions say them in other orders."""
        def in_any_order(lines, said):
            heard = [next((index for index, line in enumerate(said) if line in alternatives), None)
                     for alternatives in lines]
            return None if None in heard else max(heard)
        return cls.wait_to_hear(lines, in_any_order, "all of")

    @staticmethod
    def button(name):
        """A push button as Orca says its role: "push button" (Orca 43),
        "button" (Orca 48)."""
        return (name + " push button.", name + " button.")

    @staticmethod
    def announced(words):
        """An announcement as Orca says it: a notification shown with the
        words (Qt before 6.8, Orca 43), or the words alone (Qt's announcement,
        Orca 45 and later)."""
        return ("notification " + words, words)

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "50", *keys], check=True)

    def test_the_window_heard_from_start_to_clear(self):
        # At start: the frame drawn, and the focus in «Ордината С», read whole
        # (Orca 43 says the first first, Orca 48 the second).
        self.hear_all(self.announced("График: оси с делениями."), "Ордината С text.", "1.4.")
        self.keys("Tab")
        self.hear("XA Расстояние до левой опоры text.", "2 selected.")
        self.keys(*["Tab"] * 12)
        self.hear(self.button("Построить график Морвина"))
        # The results, without moving the focus.
        self.keys("space")
        self.hear(self.announced("YA Высота левой опоры: 3.08866944394248. Длина WA: "
                                 "2.75315799291358. График: оси с делениями, 402 точки."))
        self.keys(*["shift+Tab"] * 4)
        self.hear(self.button("Считать"))
        self.keys("space")
        self.hear(self.announced("YA: 1.40140891336185. Ордината С: 1.4014. "
                                 "Длина WA: 0.00499824469735796."))
        # A result box, read whole after the press, and named by its caption
        # (the label shows «YA  Высота лeвой опоры», with a Latin e).
        self.keys(*["Tab"] * 7)
        self.hear("YA Высота левой опоры text.", "3.08866944394248 selected.")
        self.keys(*["Tab"] * 6)
        self.hear(self.button("Очистить"))
        self.keys("space")
        self.hear(self.announced("График: оси с делениями."))
        self.keys(*["Tab"] * 7)
        self.hear(self.button("X^3"))
        self.keys("space")
        self.hear(self.announced("График: оси с делениями, 1680 точек."))


if __name__ == "__main__":
    if sys.argv[1] == "--run-orca":
        run_orca(sys.argv[2])
    else:
        PROGRAM = sys.argv.pop(1)
        unittest.main()
