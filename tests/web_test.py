#!/usr/bin/python3
"""The web page as its user gets it: the file PAGE opened from disk in headless
Chromium, sessions typed into it with the keyboard, a line and Enter at a
time (or all on one line, ended with Ctrl+D on either layout, by the menus' buttons), each after
«Запустить снова» below the earlier runs. What the program wrote on the page must be what the Linux
program LINUX writes for the input it got, byte for byte; the page must say that it ended, then take
no input; axe-core (npm ci in tests/) finds no fault. The division at its last menu, on a PC's and a
phone's screen, goes to SHOTS (division-<size>.png).

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

# Each session: its name, the lines typed (or pressed as a button, and what figcalc gets), and
# whether Ctrl and the key in D's place (d; в on the Russian layout) ends the input, or buttons answer.
SESSIONS = [
    ("division", ["1", "2", "6", "3", "/"], False),
    ("zero divisor", ["1", "2", "7", "0", "/"], False),
    ("sine of 45", ["1", "1", "45", "s"], False),
    ("triangle", ["2", "1", "3", "4", "5"], False),
    ("Ctrl+D at a prompt", ["1", "2", "6"], "d"),
    ("Ctrl+D on the Russian layout", ["1", "2", "6"], "в"),
    ("a whole session on one line", ["2 3 2 3"], False),
    ("the buttons", [("калькулятор чисел", "1"), ("два числа", "2"), "6", "3", ("Сложение", "+")], "buttons"),
    ("a decimal comma, a Cyrillic а", ["1", "2", ("7,5", "7.5"), "2", ("а", "a")], False),
]
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
        line = browser.find_element(By.ID, "line")
        for typed in lines:
            wait.until(lambda b: b.find_element(By.ID, "screen").get_attribute("data-waiting") is not None)
            failed |= not number and typed == lines[0] and audit("at the first menu")
            for width, height in ((1280, 800), (375, 667)) if typed == "/" and not number else ():
                browser.set_window_size(width, height)  # a PC's screen, then a phone's for the rest
                browser.execute_script("document.getElementById('keys').scrollIntoView(false)")
                browser.save_screenshot(str(pathlib.Path(shots) / f"division-{width}x{height}.png"))
            if ctrl_d == "buttons" and isinstance(typed, tuple):
                browser.find_element(By.XPATH, f"//div[@id='keys']/button[.='{typed[0]}']").click()
            else:
                line.send_keys((typed if isinstance(typed, str) else typed[0]) + Keys.ENTER)
        for event in ("keyDown", "keyUp") if ctrl_d in ("d", "в") else ():
            browser.execute_cdp_cmd("Input.dispatchKeyEvent", {"type": event, "modifiers": 2, "key": ctrl_d,
                                                                "code": "KeyD", "windowsVirtualKeyCode": 68})
        wait.until(lambda b: b.find_element(By.ID, "again").is_displayed())
        # Then Enter, Shift+Tab and a click on the dialogue reach no answer field.
        ActionChains(browser).send_keys("1" + Keys.ENTER).key_down(Keys.SHIFT).send_keys(Keys.TAB) \
            .key_up(Keys.SHIFT).send_keys("2" + Keys.ENTER).click(screen).send_keys("3" + Keys.ENTER).perform()
        typed = "".join((text if isinstance(text, str) else text[1]) + "\n" for text in lines)
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
