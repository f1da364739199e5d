#!/usr/bin/python3
"""web.py PAGE RUNS: the page's size gzipped, and the median time of RUNS loads in headless
Chromium from the start of the loading to the first menu on the screen."""
import gzip
import pathlib
import statistics
import sys

from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests"))
from chromium import chromium  # noqa: E402

page, runs = pathlib.Path(sys.argv[1]).resolve(), int(sys.argv[2])
FIRST = "return performance.getEntriesByName('figcalc-output').map((e) => e.startTime)[0]"
browser = chromium()
try:
    times = []
    for _ in range(runs):
        browser.get(page.as_uri())
        times.append(WebDriverWait(browser, 10).until(lambda b: b.execute_script(FIRST)))
finally:
    browser.quit()
print(f"web page: {len(gzip.compress(page.read_bytes(), 9)) / 1000:.0f} kB gzipped, the first menu"
      f" {statistics.median(times):.0f} ms after it starts loading (median of {runs} loads;"
      f" the first load {times[0]:.0f} ms)")
