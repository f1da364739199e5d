#!/usr/bin/python3
"""The web page as its user gets it: the file PAGE opened from disk in headless
Chromium, sessions typed into it with the keyboard, a line and Enter at a
time (or all on one line, or ended with Ctrl+D), then «Запустить снова» and a
second run in the same page. What the program wrote on the page must be what
the Linux program LINUX writes for the same input, byte for byte, and the page
must say that the run has ended. A screenshot of the division goes to SHOTS.

    web_test.py PAGE LINUX SHOTS
"""
import pathlib
import subprocess
import sys

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from chromium import chromium

page, linux, shots = sys.argv[1:]

# Each session: its name, the lines typed, and whether Ctrl+D ends the input.
SESSIONS = [
    ("division", ["1", "2", "6", "3", "/"], False),
    ("zero divisor", ["1", "2", "7", "0", "/"], False),
    ("sine of 45", ["1", "1", "45", "s"], False),
    ("triangle", ["2", "1", "3", "4", "5"], False),
    ("Ctrl+D at a prompt", ["1", "2", "6"], True),
    ("a whole session on one line", ["2 3 2 3"], False),
]
OUTPUT = """return [...document.getElementById('out').childNodes]
  .filter((node) => node.nodeType === Node.TEXT_NODE).map((node) => node.textContent).join('')"""

browser = chromium()
wait = WebDriverWait(browser, 10)
failed = False
try:
    browser.get(pathlib.Path(page).resolve().as_uri())
    for number, (name, lines, ctrl_d) in enumerate(SESSIONS):
        if number:
            browser.find_element(By.ID, "again").click()
        line = browser.find_element(By.ID, "line")
        for typed in lines:
            wait.until(lambda b: b.find_element(By.ID, "screen").get_attribute("data-waiting") is not None)
            line.send_keys(typed + Keys.ENTER)
        if ctrl_d:
            line.send_keys(Keys.CONTROL, "d")
        wait.until(lambda b: b.find_element(By.ID, "again").is_displayed())
        typed = "".join(text + "\n" for text in lines)
        expected = subprocess.run([linux], input=typed.encode(), capture_output=True,
                                  check=True).stdout.decode()
        shown = browser.execute_script(OUTPUT)
        status = browser.find_element(By.ID, "status").text
        if shown != expected or status != "Программа завершилась.":
            failed = True
            print(f"FAILED: {name}: the page shows\n{shown}\n[{status}]\n"
                  f"--- where the Linux program writes\n{expected}")
        else:
            print(f"ok: {name}")
        if name == "division":
            browser.save_screenshot(str(pathlib.Path(shots) / "division.png"))
    requests = browser.execute_script("return performance.getEntriesByType('resource').length")
    errors = [entry["message"] for entry in browser.get_log("browser") if entry["level"] == "SEVERE"]
    if requests or errors:
        failed = True
        print(f"FAILED: the page made {requests} requests and logged these errors: {errors}")
    else:
        print("ok: no request from the page, no error in its console")
finally:
    browser.quit()
sys.exit(1 if failed else 0)
