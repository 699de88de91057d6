#!/usr/bin/python3
"""Lighthouse's default mobile run (a throttled mid-range phone on slow 4G,
simulated) over a plain static server with no compression, as the page's
budget asks: accessibility, best practices and SEO score 100, and
performance at least PERFORMANCE where one is given.

    lighthouse.py SITE AUDIT_MODULES [PERFORMANCE] [REPORT.json]

The performance score is a measurement: Lighthouse times the page's work on
this machine's CPU, and a loaded machine scores lower. The test run gives no
PERFORMANCE, and only prints the score; as a benchmark, on a quiet machine,
it is run with 0.98 (docs/performance.md).

It exits 77, skipped, where the pinned Lighthouse is not installed
(scripts/install-deps web installs it).
"""
import functools
import http.server
import json
import os
import subprocess
import sys
import tempfile
import threading

site, modules = sys.argv[1], sys.argv[2]
least = float(sys.argv[3]) if len(sys.argv) > 3 else None
report_path = sys.argv[4] if len(sys.argv) > 4 else None
lighthouse = os.path.join(modules, "lighthouse", "cli", "index.js")
if not os.path.exists(lighthouse):
    print("skipped: Lighthouse is not installed (scripts/install-deps web installs it)")
    sys.exit(77)


class Plain(http.server.SimpleHTTPRequestHandler):
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map,
                          **{".webmanifest": "application/manifest+json", ".js": "text/javascript"})

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Plain, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
url = "http://127.0.0.1:%d/index.html" % server.server_address[1]
flags = ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-dev-shm-usage"]
with tempfile.TemporaryDirectory() as work:
    output = os.path.join(work, "report.json")
    subprocess.run(["node", lighthouse, url, "--chrome-path=/usr/bin/chromium",
                    "--chrome-flags=" + " ".join(flags + ["--user-data-dir=" + work]),
                    "--only-categories=performance,accessibility,best-practices,seo",
                    "--output=json", "--output-path=" + output, "--quiet"],
                   check=True, env=dict(os.environ, HOME=work))
    with open(output, encoding="utf-8") as file:
        report = json.load(file)
server.shutdown()
if report_path:
    with open(report_path, "w", encoding="utf-8") as file:
        json.dump(report, file)

scores = {name: category["score"] for name, category in report["categories"].items()}
metrics = {name: report["audits"][name]["numericValue"]
           for name in ["first-contentful-paint", "largest-contentful-paint", "total-blocking-time",
                        "cumulative-layout-shift", "speed-index"]}
print("scores:", json.dumps(scores))
print("metrics:", json.dumps({name: round(value, 3) for name, value in metrics.items()}))
failing = [(name, audit["title"]) for name, audit in report["audits"].items()
           if audit.get("score") is not None and audit["score"] < 1
           and audit.get("scoreDisplayMode") in ("binary", "numeric", "metricSavings")]
for name, title in failing:
    print("below 1:", name, "-", title)
status = 0
for name in ["accessibility", "best-practices", "seo"]:
    if scores[name] != 1:
        print("%s scores %s, not 1" % (name, scores[name]))
        status = 1
if least is not None and scores["performance"] < least:
    print("performance scores %s, under %s" % (scores["performance"], least))
    status = 1
sys.exit(status)
