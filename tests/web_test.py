#!/usr/bin/python3
"""The web page as its user gets it: the file PAGE from disk in headless Chromium, on a PC's screen and a
phone's in turn, sessions typed a line and Enter at a time (or on one line, ended with Ctrl+D on either
layout, typed ahead of figcalc's start, or by the buttons), each started by Enter at «Запустить снова»
below the earlier runs. The page must show what the Linux program LINUX writes for the input it got, byte
for byte, say that it ended, and leave the focus on «Запустить снова», described by the result; axe-core
(npm ci in tests/) finds no fault. A refused line: the status says why, with only the keys it names as
buttons, the field focused and marked invalid, both in view. The division's last menu goes to SHOTS
(division-<size>.png). The reading rules themselves are reader_test.js's, in node.

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

# Each session: its name, the lines typed, and whether Ctrl and the key in D's place (d; в on the Russian
# layout) ends the input instead of Enter, after the last line and each refused one (or named ""), or buttons
# answer, or "ahead": as "d", but all typed before figcalc has started. A line is its text, or (text, what
# figcalc gets of it[, what the status line names if the page refuses it, the key's place (event.code) that
# types it]); where buttons answer, (key, key) is a button pressed.
SESSIONS = [
    ("division", ["1", "2", "6", "3", "/"], False),
    ("sine of 45", ["1", "1", "45", "s"], False),
    ("triangle", ["2", "1", "3", "4", "5"], False),
    ("Ctrl+D at an empty prompt", ["1", "2", "6", ""], "d"),
    ("Ctrl+D after a number, on the Russian layout", ["1", "2", "6"], "в"),
    ("Ctrl+D after a word", ["1", "2", ("семь", "", "7.5"), "6 3", ""], "d"),
    ("a line stopped where it cannot be sent", [("2 3 2 x", "2 3 2 ", "7.5"), "3"], False),
    ("a whole session on one line", ["2 3 2 3"], False),
    ("the buttons", [("1", "1"), ("2", "2"), "6", "3", ("+", "+")], "buttons"),
    ("«ы» in s's place, seen by the page", ["1", "1", "30", ("ы", "s", None, "KeyS")], False),
    ("typed ahead: lines, Ctrl+D and a line after it", ["1", "2", ("6", "6", ""), ("3", "", "")], "ahead"),
]
# In view: within the pixel that a scroll position is rounded to.
ASKED = """const $ = (id) => document.getElementById(id), line = $('line'), seen = (node) =>
  node.getBoundingClientRect().top > -1 && node.getBoundingClientRect().bottom < innerHeight + 1;
return [$('status').textContent, [...document.querySelectorAll('#keys button')].map((button) => button.value),
  line.ariaInvalid === 'true' && document.activeElement === line && seen(line) && seen($('status'))]"""
# The next start waits for window.go(), as a slow start would.
SLOW = "const f = figcalc; figcalc = (s) => (figcalc = f, new Promise((go) => { window.go = go; }).then(() => f(s)));"
# What figcalc wrote, or (arguments[0]) what it got, in bold.
OUTPUT = """return [...document.getElementById('out').childNodes]
  .filter((node) => arguments[0] ? node.tagName === 'B' : node.nodeType === Node.TEXT_NODE)
  .map((node) => node.textContent).join('')"""

axe = pathlib.Path(__file__).with_name("node_modules") / "axe-core/axe.min.js"
subprocess.run(["npm", "ci", "--no-audit", "--no-fund"], cwd=axe.parents[2], check=True, stdout=subprocess.DEVNULL)
browser = chromium()
wait = WebDriverWait(browser, 10)
failed = False


def audit(when):  # by axe-core's rules for WCAG 2.1 A and AA
    browser.execute_script(axe.read_text())
    faults = browser.execute_async_script("axe.run({ runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] })"
                                          ".then((r) => arguments[0](r.violations.map((v) => v.id)))")
    print(f"FAILED: axe-core {when}: {faults}" if faults else f"ok: axe-core {when}")
    return bool(faults)


try:
    browser.get(pathlib.Path(page).resolve().as_uri())
    screen, before = browser.find_element(By.ID, "screen"), ""
    for number, (name, lines, ctrl_d) in enumerate(SESSIONS):
        browser.set_window_size(*((1280, 800), (375, 667))[number % 2])  # a PC's screen, or a phone's
        if number:  # Enter at «Запустить снова», where the last run left the focus
            browser.execute_script(SLOW if ctrl_d == "ahead" else "")
            browser.switch_to.active_element.send_keys(Keys.ENTER)
        line, typed, named = browser.find_element(By.ID, "line"), "", None
        for index, item in enumerate(lines):
            wait.until(lambda b: ctrl_d == "ahead" or b.find_element(By.ID, "screen").get_attribute("data-waiting") is not None)
            if name == "sine of 45":  # the phone turned at every question
                browser.set_window_size(*((375, 667), (667, 375))[index % 2])
            # After the last line: refused if it names something, the field marked, it and the reason in view.
            status, keys, marked = browser.execute_script(ASKED)
            if bool(status) != bool(named) or any(word not in status for word in (named or "").split()) \
                    or named and keys != [word for word in named.split() if len(word) == 1] or marked != bool(named):
                failed = True
                print(f"FAILED: {name}: before {item!r} the page says [{status}] and offers {keys}; "
                      f"the field marked invalid, focused and in view with the status: {marked}")
            failed |= not number and not index and audit("at the first menu")
            failed |= bool(named) and audit(f"asking for {named}")
            text, sent, named, code = (item, item, None, None) if isinstance(item, str) else (item + (None,) * 2)[:4]
            ends = ctrl_d in ("d", "в", "ahead") and (named is not None or index == len(lines) - 1)
            for width, height in ((1280, 800), (375, 667)) if text == "/" and not number else ():
                browser.set_window_size(width, height)
                browser.execute_script("document.getElementById('keys').scrollIntoView(false)")
                browser.save_screenshot(str(pathlib.Path(shots) / f"division-{width}x{height}.png"))
            for event in ("keyDown", "keyUp") if code else ():
                browser.execute_cdp_cmd("Input.dispatchKeyEvent", dict(type=event, code=code, key=text, text=text))
            if ctrl_d == "buttons" and isinstance(item, tuple):
                browser.find_element(By.XPATH, f"//div[@id='keys']/button[@value='{text}']").click()
            else:
                line.send_keys(("" if code else text) + ("" if ends else Keys.ENTER))
            for event in ("keyDown", "keyUp") if ends else ():
                browser.execute_cdp_cmd("Input.dispatchKeyEvent", {"type": event, "modifiers": 2, "key": ctrl_d[0],
                                                                    "code": "KeyD", "windowsVirtualKeyCode": 68})
            typed += sent + ("" if named is not None or ends else "\n")
        browser.execute_script("window.go?.()")
        wait.until(lambda b: b.find_element(By.ID, "again").is_displayed())
        # The focus on «Запустить снова», which tells the result.
        told = browser.execute_script("return document.activeElement.id + ': ' + document.getElementById('asked').textContent")
        expected = subprocess.run([linux], input=typed.encode(), capture_output=True, check=True).stdout.decode()
        shown, echoed = browser.execute_script(OUTPUT, False), browser.execute_script(OUTPUT, True)
        status = browser.find_element(By.ID, "status").text
        earlier = screen.text.startswith(before) and len(screen.find_elements(By.TAG_NAME, "hr")) == number
        if shown != expected or "Программа завершилась." not in status or echoed != typed or not earlier \
                or line.is_displayed() or not told.startswith("again: ") or expected.split()[-1] not in told:
            failed = True
            print(f"FAILED: {name}: the page shows\n{shown}\n[{status}] (typed {echoed!r}, earlier runs kept: "
                  f"{earlier}; the focus and its description: {told})\n--- where the Linux program writes\n{expected}")
        else:
            print(f"ok: {name}")
        before = screen.text
        if name == "division":
            failed |= audit("after a result")
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
