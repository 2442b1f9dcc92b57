#!/usr/bin/python3
"""The page in headless Chromium, opened over file://: one session of real input events
(session.steps) must leave the same chain state, captions and picture as the same session
replayed in the desktop edition's main window (desktop_session_replay); a time step of 0.75 must end the run with the run-time
error shown in the page; the page's own pacing must run 250 passes a second and stop at a halt.

page_in_browser_test.py <site folder> <desktop_session_replay> <steps file>"""
import os
import subprocess
import sys
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from headless_chromium import browser, open_page

SITE, REPLAY, STEPS = sys.argv[1:4]
VIEW_TOP = 1  # the chain view's top edge in the page, at the design size
KEYS = {'Up': Keys.ARROW_UP, 'Down': Keys.ARROW_DOWN, 'Left': Keys.ARROW_LEFT,
        'Right': Keys.ARROW_RIGHT, 'Return': Keys.ENTER, 'Space': Keys.SPACE, 'Esc': Keys.ESCAPE,
        'M': 'm'}
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print('FAIL:', message)


def points(words):
    return [tuple(int(v) for v in word.split(',')) for word in words]


def pointer_path(driver, kind, button, path, hold_ms=0):
    builder = ActionBuilder(driver, mouse=PointerInput(kind, 'finger' if kind == interaction.POINTER_TOUCH else 'mouse'),
                            duration=0)
    action = builder.pointer_action
    action.move_to_location(path[0][0], path[0][1] + VIEW_TOP)
    action.pointer_down(button=button)
    if hold_ms:
        action.pause(hold_ms / 1000)
    for x, y in path[1:]:
        action.move_to_location(x, y + VIEW_TOP)
    action.pointer_up(button=button)
    builder.perform()


def replay_in_page(driver, lines):
    for line in lines:
        words = line.split()
        verb = words[0]
        if verb == 'passes':
            driver.execute_script('ondix.runPasses(arguments[0])', int(words[1]))
        elif verb == 'click':
            driver.find_element(By.ID, words[1]).click()
        elif verb == 'arrow':
            arrow = driver.find_element(By.CSS_SELECTOR, f'#{words[1]} .{words[2]}')
            for _ in range(int(words[3])):
                arrow.click()
        elif verb == 'track':
            left, top, width, height = driver.execute_script(
                'const r = document.querySelector(`#${arguments[0]} .track`).getBoundingClientRect();'
                'return [r.left, r.top, r.width, r.height];', words[1])
            x = left + 3 if words[2] == 'down' else left + width - 3
            builder = ActionBuilder(driver, duration=0)
            builder.pointer_action.move_to_location(int(x), int(top + height / 2)).click()
            builder.perform()
        elif verb == 'drag':
            pointer_path(driver, interaction.POINTER_MOUSE, 0 if words[1] == 'left' else 2,
                         points(words[2:]))
        elif verb == 'touch':
            pointer_path(driver, interaction.POINTER_TOUCH, 0, points(words[2:]), int(words[1]))
        elif verb == 'focus':
            driver.execute_script('document.getElementById("Picture1").focus()')
        elif verb == 'key':
            chain = ActionChains(driver)
            if 'shift' in words[2:]:
                chain.key_down(Keys.SHIFT).send_keys(KEYS[words[1]]).key_up(Keys.SHIFT)
            else:
                chain.send_keys(KEYS[words[1]])
            chain.perform()
        else:
            raise RuntimeError('no step ' + verb)


# What the page shows of a control: visible, checked, value, caption.
SHOWN = '''
const e = document.getElementById(arguments[0]);
if (!e) return null;
const holder = e.type === 'radio' ? e.parentElement : e;
const visible = getComputedStyle(holder).display !== 'none' ? 1 : 0;
let caption = e.textContent;
if (e.type === 'radio') caption = holder.querySelector('span').textContent;
else if (e.tagName === 'INPUT') caption = e.value;
else if (e.classList.contains('frame')) caption = e.querySelector('.caption').textContent;
const value = e.classList.contains('bar') ? Number(e.getAttribute('aria-valuenow')) : null;
return [visible, e.type === 'radio' ? (e.checked ? 1 : 0) : null, value,
        e.classList.contains('bar') ? null : caption];
'''


def session_test(driver):
    lines = [l for l in open(STEPS).read().splitlines() if l.strip() and not l.startswith('#')]
    desktop = subprocess.run([REPLAY, STEPS], check=True, capture_output=True, text=True,
                             env=dict(os.environ, LC_ALL='de_DE.UTF-8', QT_QPA_PLATFORM='offscreen:configfile='
                                      + os.path.join(os.path.dirname(__file__), 'desktop_screen.json'))).stdout
    open_page(driver, SITE, '#test')
    replay_in_page(driver, lines)
    expected = {}
    hashes = {}
    for line in desktop.splitlines():
        kind, rest = line.split(' ', 1)
        if kind in ('size', 'state', 'picture'):
            hashes[kind] = rest
        else:
            name, visible, checked, value, caption = (rest.split(' ', 4) + [''])[:5]
            expected[name] = (int(visible), int(checked), int(value), caption)
    size = '%d %d' % tuple(driver.execute_script('return ondix.pictureSize()'))
    check(size == hashes['size'] == '1276 653', f'picture size {size}, on the desktop {hashes["size"]}')
    state = '%08x' % driver.execute_script('return ondix.stateHash()')
    picture = '%08x' % driver.execute_script('return ondix.pictureHash()')
    check(state == hashes['state'], f'chain state {state}, on the desktop {hashes["state"]}')
    check(picture == hashes['picture'], f'picture {picture}, on the desktop {hashes["picture"]}')
    compared = 0
    for name, (visible, checked, value, caption) in expected.items():
        if name in ('Ondix15', 'Picture1', 'KeyboardPointer'):
            continue
        shown = driver.execute_script(SHOWN, name)
        check(shown is not None, f'{name}: no element')
        if shown is None:
            continue
        want = [visible, checked if shown[1] is not None else None,
                value if shown[2] is not None else None, caption if shown[3] is not None else None]
        check(shown == want, f'{name}: page shows {shown}, on the desktop {want}')
        compared += 1
    print(f'session: {len(lines)} steps, chain state {state}, picture {picture}, '
          f'{compared} controls compared')


def run_time_error_test(driver):
    open_page(driver, SITE, '#test')
    driver.find_element(By.ID, 'Command7').click()
    driver.execute_script('ondix.setStep(0.75)')
    for _ in range(100):
        driver.execute_script('ondix.runPasses(100)')
        if not driver.execute_script('return ondix.running()'):
            break
    message = driver.find_element(By.ID, 'messageText')
    check(message.is_displayed() and message.text.startswith("Laufzeitfehler '6':")
          and message.text.endswith('Überlauf'), f'run-time error shown: {message.text!r}')
    check(not driver.execute_script('return ondix.running()'), 'the run stops at the error')
    check(driver.find_element(By.ID, 'Command11').get_attribute('disabled') is not None,
          'the controls are off after the error')


def pacing_test(driver):
    open_page(driver, SITE, '')
    driver.find_element(By.ID, 'Command8').click()  # clock on: 250 passes of dt 0.1 a second
    start = time.monotonic()
    time.sleep(1.0)
    clock = float(driver.find_element(By.ID, 'Text4').get_attribute('value').replace(',', '.'))
    elapsed = time.monotonic() - start
    check(0.6 * 25 * elapsed < clock < 1.2 * 25 * elapsed,
          f'clock {clock} after {elapsed:.2f} s at 250 passes a second')
    driver.find_element(By.ID, 'Command11').click()
    time.sleep(0.1)
    check(not driver.execute_script('return ondix.framePending()'), 'no frames while halted')
    halted = driver.find_element(By.ID, 'Text4').get_attribute('value')
    time.sleep(0.3)
    check(driver.find_element(By.ID, 'Text4').get_attribute('value') == halted, 'clock halted')


# The window at the design size: the page unscaled, its picture 1276 x 653 pixels.
driver = browser(1276, 980)
try:
    session_test(driver)
    run_time_error_test(driver)
    pacing_test(driver)
    log = [entry for entry in driver.get_log('browser') if entry['level'] == 'SEVERE'
           and 'Laufzeitfehler' not in entry['message'] and 'abort' not in entry['message']]
    check(not log, f'browser console errors: {log}')
finally:
    driver.quit()
sys.exit(1 if failures else 0)
