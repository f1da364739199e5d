#!/usr/bin/python3
"""The web page as its user gets it: the file PAGE opened from disk in headless
Chromium, sessions typed into it with the keyboard, a line and Enter at a
time (or all on one line, ended with Ctrl+D on either layout, by the menus' buttons), each after
«Запустить снова» below the earlier runs. What the program wrote on the page must be what the Linux
program LINUX writes for the input it got, byte for byte; the page must say that it ended, then take
no input; axe-core (npm ci in tests/) finds no fault. The division at its last menu, on a PC's and a
phone's screen, goes to SHOTS (division-<size>.png). Where the page refuses to send a line, its status
line must say why, naming what it wants, with only those keys as buttons; an answer sent clears it.

    web_test.py PAGE LINUX SHOTS
"""
import pathlib
import subprocess
import sys

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from chromium import chromium

page, linux, shots = sys.argv[1:]

# Each session: its name, the lines typed, and whether Ctrl and the key in D's place (d; в on the Russian
# layout) ends the input instead of Enter, after the last line and each refused one, or buttons answer.
# A line is its text, or (text, what figcalc gets of it[, what the status line names if the page refuses
# it, the key's place (event.code) that types it]); where buttons answer, (key, key) is a button pressed.
SESSIONS = [
    ("division", ["1", "2", "6", "3", "/"], False),
    ("zero divisor", ["1", "2", "7", "0", "/"], False),
    ("sine of 45", ["1", "1", "45", "s"], False),
    ("triangle", ["2", "1", "3", "4", "5"], False),
    ("Ctrl+D at an empty prompt", ["1", "2", "6", ""], "d"),
    ("Ctrl+D after a number, on the Russian layout", ["1", "2", "6"], "в"),
    ("Ctrl+D after a word", ["1", "2", ("семь", "", "7.5"), "6 3", ""], "d"),
    ("a whole session on one line", ["2 3 2 3"], False),
    ("a line stopped where it cannot be sent", [("2 3 2 x", "2 3 2 ", "7.5"), "3"], False),
    ("the buttons", [("1", "1"), ("2", "2"), "6", "3", ("+", "+")], "buttons"),
    ("a decimal comma, a Cyrillic а", ["1", "2", ("7,5", "7.5"), "2", ("а", "a")], False),
    ("«с» at sine and cosine", ["1", "1", "45", ("с", "", "s c"), "s"], False),
    ("«ы» in s's place", ["1", "1", "30", ("ы", "s", None, "KeyS")], False),
    ("«.» in /'s place", ["1", "2", "6", "3", (".", "/", None, "Slash")], False),
    ("a key not in the menu, a word", [("3", "", "1 2"), "1", "2", ("семь", "", "7.5"), "7", "2", "+"], False),
    ("what figcalc reads as no number", ["1", "1", ("", "", "7.5"), ("1e400", "", "7.5"), ("0x5", "", "7.5"),
                                         "1e-400", ("", "", "a b s c t k"), "a"], False),
]
ASKED = """return [document.getElementById('status').textContent,
  [...document.querySelectorAll('#keys button')].map((button) => button.value)]"""
OUTPUT = """return [...document.getElementById('out').childNodes]
  .filter((node) => (node.nodeType !== Node.TEXT_NODE) === arguments[0]).map((node) => node.textContent).join('')"""

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
        if number:
            browser.find_element(By.ID, "again").click()
        line, typed, named = browser.find_element(By.ID, "line"), "", None
        for index, item in enumerate(lines):
            wait.until(lambda b: b.find_element(By.ID, "screen").get_attribute("data-waiting") is not None)
            status, keys = browser.execute_script(ASKED)  # after the last line, refused if it names something
            if bool(status) != bool(named) or any(word not in status for word in (named or "").split()) \
                    or named and keys != [word for word in named.split() if len(word) == 1]:
                failed = True
                print(f"FAILED: {name}: before {item!r} the page says [{status}] and offers {keys}")
            failed |= not number and not index and audit("at the first menu")
            failed |= bool(named) and audit(f"asking for {named}")
            text, sent, named, code = (item, item, None, None) if isinstance(item, str) else (item + (None,) * 2)[:4]
            ends = ctrl_d in ("d", "в") and (named is not None or index == len(lines) - 1)
            for width, height in ((1280, 800), (375, 667)) if text == "/" and not number else ():
                browser.set_window_size(width, height)  # a PC's screen, then a phone's for the rest
                browser.execute_script("document.getElementById('keys').scrollIntoView(false)")
                browser.save_screenshot(str(pathlib.Path(shots) / f"division-{width}x{height}.png"))
            for event in ("keyDown", "keyUp") if code else ():
                browser.execute_cdp_cmd("Input.dispatchKeyEvent", dict(type=event, code=code, key=text, text=text))
            if ctrl_d == "buttons" and isinstance(item, tuple):
                browser.find_element(By.XPATH, f"//div[@id='keys']/button[@value='{text}']").click()
            else:
                line.send_keys(("" if code else text) + ("" if ends else Keys.ENTER))
            for event in ("keyDown", "keyUp") if ends else ():
                browser.execute_cdp_cmd("Input.dispatchKeyEvent", {"type": event, "modifiers": 2, "key": ctrl_d,
                                                                    "code": "KeyD", "windowsVirtualKeyCode": 68})
            typed += sent + ("" if named is not None or ends else "\n")
        wait.until(lambda b: b.find_element(By.ID, "again").is_displayed())
        # Then Enter, Shift+Tab and a click on the dialogue reach no answer field.
        ActionChains(browser).send_keys("1" + Keys.ENTER).key_down(Keys.SHIFT).send_keys(Keys.TAB) \
            .key_up(Keys.SHIFT).send_keys("2" + Keys.ENTER).click(screen).send_keys("3" + Keys.ENTER).perform()
        expected = subprocess.run([linux], input=typed.encode(), capture_output=True,
                                  check=True).stdout.decode()
        shown, echoed = browser.execute_script(OUTPUT, False), browser.execute_script(OUTPUT, True)
        status = browser.find_element(By.ID, "status").text
        earlier = screen.text.startswith(before) and len(screen.find_elements(By.TAG_NAME, "hr")) == number
        if shown != expected or status != "Программа завершилась." or echoed != typed or not earlier \
                or line.is_displayed() or browser.switch_to.active_element == line:
            failed = True
            print(f"FAILED: {name}: the page shows\n{shown}\n[{status}] (typed {echoed!r}, earlier runs kept: "
                  f"{earlier})\n--- where the Linux program writes\n{expected}")
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
