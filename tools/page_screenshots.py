#!/usr/bin/env python3
"""Renews the page's pictures in docs/ for the README: the page, pressed once
(«Построить график Морвина»), on touch screens of the sizes people use, in
Debian's headless chromium.
  tools/page_screenshots.py SITE DOCS"""
import base64
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import browser_test  # noqa: E402  (the tests' server and browser)

# name: width, height, device pixels to the CSS pixel
SCREENS = {
    "phone-360": (360, 740, 2),
    "phone-412": (412, 915, 2),
    "phone-280": (280, 653, 2),
    "phone-740x360": (740, 360, 2),
    "tablet-1024x768": (1024, 768, 1),
}


def main(site, docs):
    server = browser_test.Server(site)
    driver = browser_test.Browser()
    try:
        for name, (width, height, ratio) in SCREENS.items():
            browser_test.PageTest.emulate(driver, width, height, ratio)
            driver.get(server.url)
            browser_test.WebDriverWait(driver, 60, 0.05).until(
                lambda d: d.execute_script("return document.getElementById('Form1').style.width") != "")
            driver.execute_script("document.getElementById('Command8').click()")
            browser_test.WebDriverWait(driver, 60, 0.05).until(
                lambda d: d.execute_script("return document.getElementById('Text8').value") != "")
            driver.execute_script("document.activeElement.blur(); scrollTo(0, 0)")
            shot = driver.execute_cdp_cmd("Page.captureScreenshot", {"format": "png"})
            with open(os.path.join(docs, name + ".png"), "wb") as out:
                out.write(base64.b64decode(shot["data"]))
    finally:
        driver.quit()
        server.stop()


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
