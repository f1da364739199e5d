#!/usr/bin/python3
"""web.py RUNS PAGE...: each page's size, raw and gzipped, and the median time of RUNS loads in
headless Chromium from the start of the loading to the first menu on the screen. The pages load
in turn, so that a slower moment of the machine slows each of them alike."""
import gzip
import pathlib
import statistics
import sys

from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests"))
from chromium import chromium  # noqa: E402

runs, pages = int(sys.argv[1]), {page: [] for page in sys.argv[2:]}
FIRST = "return performance.getEntriesByName('figcalc-output').map((e) => e.startTime)[0]"
browser = chromium()
try:
    for _ in range(runs):
        for page, times in pages.items():
            browser.get(pathlib.Path(page).resolve().as_uri())
            times.append(WebDriverWait(browser, 10).until(lambda b: b.execute_script(FIRST)))
finally:
    browser.quit()
for page, times in pages.items():
    size = pathlib.Path(page).stat().st_size
    print(f"{page}: {size} bytes, {len(gzip.compress(pathlib.Path(page).read_bytes(), 9))} gzipped; the first menu"
          f" {statistics.median(times):.0f} ms after it starts loading (median of {runs}; the first {times[0]:.0f} ms)")
