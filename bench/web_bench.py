#!/usr/bin/python3
"""The page's budgets, in headless chromium on this machine, served from
127.0.0.1: its size, the frame on the screen after navigation, and a
default press from click to last dot, the first and once warm.

    web_bench.py SITE [LOADS] [SLOWDOWN]

SLOWDOWN runs the CPU that many times slower (Lighthouse's phone is 4), with
the network as it is.

Figures, not verdicts: docs/performance.md keeps them against the budgets
(512 KiB; 300 ms; 2 ms warm and 20 ms the first time).
"""
import functools
import http.server
import os
import statistics
import sys
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

site = sys.argv[1]
loads = int(sys.argv[2]) if len(sys.argv) > 2 else 10
slowdown = float(sys.argv[3]) if len(sys.argv) > 3 else 1


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                         functools.partial(Quiet, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
url = "http://127.0.0.1:%d/index.html" % server.server_address[1]

options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--disable-dev-shm-usage"]:
    options.add_argument(argument)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
if slowdown != 1:
    driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": slowdown})

# Click to last dot: the press runs within the click's dispatch unless it
# suspends, which the default press does not.
PRESS = """
  const button = document.getElementById('Command8');
  const start = performance.now();
  button.click();
  return performance.now() - start;
"""

try:
    size = sum(os.path.getsize(os.path.join(site, name)) for name in os.listdir(site))
    frames, first, warm = [], [], []
    for _ in range(loads):
        driver.get(url)
        WebDriverWait(driver, 60, 0.01).until(lambda d: d.execute_script(
            "return performance.getEntriesByName('hanging-chain-frame').length > 0"))
        frames.append(driver.execute_script(
            "return performance.getEntriesByName('hanging-chain-frame')[0].startTime"))
        first.append(driver.execute_script(PRESS))
        warm.append(statistics.median(driver.execute_script(PRESS) for _ in range(50)))
    if slowdown != 1:
        print("the CPU %g times slower" % slowdown)
    print("page: %d bytes (%.1f KiB) in %s" % (size, size / 1024, ", ".join(sorted(os.listdir(site)))))
    print("frame on screen after navigation: median %.1f ms, slowest %.1f ms of %d loads"
          % (statistics.median(frames), max(frames), loads))
    print("default press, click to last dot: first %.2f ms (median of %d loads), warm %.3f ms"
          % (statistics.median(first), loads, statistics.median(warm)))
finally:
    driver.quit()
    server.shutdown()
