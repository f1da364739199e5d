#!/usr/bin/python3
"""web_test.py PAGE LINUX SHOTS: what node's tests cannot check of the web page PAGE, in headless Chromium on a PC's
screen and a phone's: its output as the Linux program LINUX writes it, the focus at the end, a refusal in view, keys
by their place, the buttons, axe-core (npm ci in tests/); the division's last menu goes to SHOTS."""
import pathlib
import re
import subprocess
import sys

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from chromium import chromium

page, linux, shots = sys.argv[1:]
here = pathlib.Path(__file__).resolve().parent
exited = subprocess.run(["node", "-p", "require(process.argv[1]).exited(0)", here.parent / "web/run.js"],
                        capture_output=True, check=True, text=True).stdout.strip()  # the page's own text
# Each session: its name, its steps, and what figcalc gets. A step is a line typed and Enter; "?" and the keys
# of the buttons offered, where the page refused the last line (why is node's to check); "[key]", a button pressed; "text^" and the key in D's
# place (d, or в on the Russian layout): text, then Ctrl and that key; "text@code": text typed by the key in that
# place (event.code), and Enter.
SESSIONS = [
    ("division", "1 2 6 3 /".split(), "1\n2\n6\n3\n/\n"),
    ("sine of 45, the phone turned at every question", "1 1 45 s".split(), "1\n1\n45\ns\n"),
    ("Ctrl+D after a number, on the Russian layout", ["1", "2", "6^в"], "1\n2\n6"),
    ("a line stopped where it cannot be sent", ["2 3 2 x", "?", "3"], "2 3 2 3\n"),
    ("the buttons, and a key typed at one", ["[1]", "2", "6", "3", "[+]"], "1\n2\n6\n3\n+\n"),
    ("«ы» in s's place, seen by the page", ["1", "1", "30", "ы@KeyS"], "1\n1\n30\ns\n"),
    ("a triangle, its picture at each side", "2 1 3 4 5".split(), "2\n1\n3\n4\n5\n"),
]
# At a figure's prompt: the picture shown, what it says, its part marked, and whether the field names it.
PICTURE = """const shown = [...document.querySelectorAll('#pictures svg:not([hidden])')];
return [shown.length, shown[0]?.ariaLabel, shown[0]?.querySelector('.asked')?.textContent,
  document.getElementById('line').getAttribute('aria-describedby').includes(shown[0]?.id)]"""
# The pupil's help, opened: its height at the PC's width, the manual closed.
HELP = """const help = document.getElementById('help'); help.open = true;
const height = help.getBoundingClientRect().height; help.open = false; return height"""
# The status, the buttons' keys, and whether the field is marked invalid, focused and, with the status, in view.
ASKED = """const $ = (id) => document.getElementById(id), seen = (node) => node.getBoundingClientRect().top > -1
  && node.getBoundingClientRect().bottom < innerHeight + 1, line = $('line');
return [$('status').textContent, [...document.querySelectorAll('#keys button')].map((button) => button.value),
  line.ariaInvalid === 'true' && document.activeElement === line && seen(line) && seen($('status'))]"""
# What figcalc wrote, what it got (in bold), the status, and the focus with its description.
ENDED = """const $ = (id) => document.getElementById(id), text = (bold) => [...$('out').childNodes].filter((node) =>
  bold ? node.tagName === 'B' : node.nodeType === Node.TEXT_NODE).map((node) => node.textContent).join('');
return [text(false), text(true), $('status').textContent, document.activeElement.id + ': ' + $('asked').textContent,
  $('out').nextElementSibling?.firstChild?.textContent ?? '']"""
subprocess.run(["npm", "ci", "--no-audit", "--no-fund"], cwd=here, check=True, stdout=subprocess.DEVNULL)
browser, failed = chromium(), False


def audit(when):  # by axe-core's rules for WCAG 2.1 A and AA
    browser.execute_script((here / "node_modules/axe-core/axe.min.js").read_text())
    faults = browser.execute_async_script("axe.run({ runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'] })"
                                          ".then((r) => arguments[0](r.violations.map((v) => v.id)))")
    print(f"FAILED: axe-core {when}: {faults}" if faults else f"ok: axe-core {when}")
    return bool(faults)


def press(**key):  # a key down and up, as the keyboard sends it
    for event in ("keyDown", "keyUp"):
        browser.execute_cdp_cmd("Input.dispatchKeyEvent", dict(type=event, **key))


try:
    browser.get(pathlib.Path(page).resolve().as_uri())
    screen, before = browser.find_element(By.ID, "screen"), ""
    for number, (name, steps, got) in enumerate(SESSIONS):
        browser.set_window_size(*((1280, 800), (375, 667))[number % 2])  # a PC's screen, or a phone's
        if number:  # Enter at #again, where the last run left the focus
            browser.switch_to.active_element.send_keys(Keys.ENTER)
        line = browser.find_element(By.ID, "line")
        for index, step in enumerate(steps):
            WebDriverWait(browser, 10).until(lambda b: screen.get_attribute("data-waiting") is not None)
            if name.startswith("sine"):
                browser.set_window_size(*((375, 667), (667, 375))[index % 2])
            failed |= not number and not index and audit("at the first menu")
            if not number and not index:
                height = browser.execute_script(HELP)
                failed |= height > 800
                print(f"{'ok' if height <= 800 else 'FAILED'}: the pupil's help is {height:.0f} px tall at 1280 px")
            if name.startswith("a triangle") and index > 1:
                picture = browser.execute_script(PICTURE)
                ok = picture == [1, f"Треугольник со сторонами 1, 2 и 3. figcalc спрашивает: {index - 1}.",
                                 str(index - 1), True]
                failed |= not ok or (index == 2 and audit("at a figure's picture"))
                print(f"{'ok' if ok else 'FAILED'}: {name}: side {index - 1}: {picture}")
            if step.startswith("?"):  # the status says why, the keys offered as buttons, and all in view
                status, keys, marked = browser.execute_script(ASKED)
                ok = marked and bool(status) and keys == list(step[1:])
                failed |= not ok
                print(f"ok: {name}: {status}" if ok else f"FAILED: {name}: the page says [{status}] and offers {keys};"
                      f" the field marked invalid, focused and in view with the status: {marked}")
                failed |= audit("at a refusal")
            for width, height in ((1280, 800), (375, 667)) if step == "/" and not number else ():
                browser.set_window_size(width, height)
                browser.execute_script("document.getElementById('keys').scrollIntoView(false)")
                browser.save_screenshot(str(pathlib.Path(shots) / f"division-{width}x{height}.png"))
            text, _, code = step.partition("@")
            if code:
                press(code=code, key=text, text=text)
            if step.startswith("["):
                browser.find_element(By.XPATH, f"//div[@id='keys']/button[@value='{step[1:-1]}']").click()
            elif "^" in step:
                line.send_keys(step[:-2])
                press(modifiers=2, key=step[-1], code="KeyD", windowsVirtualKeyCode=68)
            elif not step.startswith("?"):  # typed where the focus is
                browser.switch_to.active_element.send_keys(("" if code else text) + Keys.ENTER)
        WebDriverWait(browser, 10).until(lambda b: b.find_element(By.ID, "again").is_displayed())
        shown, echoed, status, told, card = browser.execute_script(ENDED)
        expected = subprocess.run([linux], input=got.encode(), capture_output=True, check=True).stdout.decode()
        earlier = screen.text.startswith(before) and len(screen.find_elements(By.TAG_NAME, "hr")) == number
        ok = shown == expected and exited in status and echoed == got and earlier and not line.is_displayed() \
            and told.startswith("again: ") and expected.split()[-1] in told and card in told \
            and bool(card) == ("^" not in "".join(steps))  # a card after a result, which is heard
        failed |= not ok
        print(f"ok: {name}" if ok else f"FAILED: {name}: the page shows\n{shown}\n[{status}] (typed {echoed!r}, "
              f"earlier runs kept: {earlier}; the focus: {told}; the card: {card})\n--- where the Linux program writes\n{expected}")
        before = screen.text
        failed |= name == "division" and audit("after a result")
    # Each example of the pupil's help, typed on one line as the help says one may, ends with a card.
    for keys in re.findall(r"\\f\(CB([^\\]*)\\fR", (here.parent / "doc/help.ru.7").read_text()):
        browser.switch_to.active_element.send_keys(Keys.ENTER)  # at #again
        WebDriverWait(browser, 10).until(lambda b: screen.get_attribute("data-waiting") is not None)
        browser.switch_to.active_element.send_keys(keys.replace("\\-", "-") + Keys.ENTER)
        WebDriverWait(browser, 10).until(lambda b: b.find_element(By.ID, "again").is_displayed()
                                         or b.find_element(By.ID, "status").text)  # or a refusal
        card = browser.execute_script("return document.getElementById('out').nextElementSibling?.innerText")
        print(f"ok: the help's {keys}: {card.splitlines()[0]}" if card else f"FAILED: the help's {keys}: no card;"
              f" the page says {browser.find_element(By.ID, 'status').text}")
        if not card:
            failed = True
            break
    requests = browser.execute_script("return performance.getEntriesByType('resource').length")
    errors = [entry["message"] for entry in browser.get_log("browser") if entry["level"] == "SEVERE"]
    failed |= bool(requests or errors)
    print(f"{'FAILED' if requests or errors else 'ok'}: the page's requests: {requests}, its console's errors: {errors}")
finally:
    browser.quit()
sys.exit(1 if failed else 0)
