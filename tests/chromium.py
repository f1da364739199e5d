"""Headless Chromium, driven through chromedriver, for the web page's test and
benchmark. Its background connections are off: the page asks nothing of the
network, and a closed network would refuse them."""
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def chromium():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--window-size=1000,1000",
                 "--user-data-dir=" + tempfile.mkdtemp()):
        options.add_argument(flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


if __name__ == "__main__":  # chromium.py FILE TEXT: FILE opened from disk shows TEXT within 30 s
    import pathlib
    import sys

    from selenium.webdriver.common.by import By
    from selenium.webdriver.support.ui import WebDriverWait

    browser = chromium()
    browser.get(pathlib.Path(sys.argv[1]).resolve().as_uri())
    shown = lambda b: sys.argv[2] in b.find_element(By.TAG_NAME, "body").text  # noqa: E731
    WebDriverWait(browser, 30).until(shown, f"{sys.argv[1]} does not show {sys.argv[2]!r}")
    browser.quit()
