#!/usr/bin/python3
"""Measures the web edition in headless Chromium (a benchmark, not a test): the folder's size,
the passes a second the module runs, the browser's processor load at rest and in the worst
case (drive at amplitude 2, free end, clock on) beside an empty page, and screenshots.

bench/web_measure.py [site folder] [screenshot folder] [screenshots|cpu]  (only those)"""
import os
import subprocess
import sys
import time

from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'web'))
from headless_chromium import browser, open_page  # noqa: E402

SITE = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else 'build/web/site')
SHOTS = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else 'build/web/screenshots')
os.makedirs(SHOTS, exist_ok=True)


def view_point(driver, x, y):
    """A point of the view's user scale (x 0..100, y -3..3) in the page's pixels."""
    r = driver.execute_script('const r = document.getElementById("Picture1")'
                              '.getBoundingClientRect(); return [r.left, r.top, r.width, r.height];')
    return int(r[0] + x / 100 * r[2]), int(r[1] + (y + 3) / 6 * r[3])


def drag(driver, kind, button, points, hold=0.0):
    builder = ActionBuilder(driver, mouse=PointerInput(kind, 'p'), duration=0)
    action = builder.pointer_action
    action.move_to_location(*points[0])
    action.pointer_down(button=button)
    if hold:
        action.pause(hold)
    for p in points[1:]:
        action.move_to_location(*p)
    if kind == interaction.POINTER_MOUSE:
        builder.perform()  # the right button held: the tape stays on the screen
        return
    builder.perform()


def browser_cpu_seconds(driver):
    pid = driver.service.process.pid
    children = subprocess.run(['pgrep', '-P', str(pid)], capture_output=True, text=True).stdout.split()
    total = 0.0
    todo = [int(c) for c in children]
    seen = set()
    while todo:
        p = todo.pop()
        if p in seen:
            continue
        seen.add(p)
        try:
            fields = open(f'/proc/{p}/stat').read().rsplit(')', 1)[1].split()
            total += (int(fields[11]) + int(fields[12])) / os.sysconf('SC_CLK_TCK')
        except OSError:
            continue
        todo += [int(c) for c in subprocess.run(['pgrep', '-P', str(p)], capture_output=True,
                                                text=True).stdout.split()]
    return total


def load(driver, seconds=10):
    start_cpu, start = browser_cpu_seconds(driver), time.monotonic()
    time.sleep(seconds)
    return 100 * (browser_cpu_seconds(driver) - start_cpu) / (time.monotonic() - start)


# The smallest control a finger meets, in CSS pixels: buttons, options, scroll bars' arrows.
SMALLEST = '''
let smallest = [1e9, 1e9, ''];
for (const e of document.querySelectorAll('#Ondix15 button, #Ondix15 .option, #Ondix15 .bar')) {
  const r = e.getBoundingClientRect();
  if (r.height < smallest[1]) smallest = [r.width, r.height, e.id || e.className];
}
return [matchMedia('(pointer: coarse)').matches, smallest];
'''


def main():
    if len(sys.argv) > 3 and sys.argv[3] == 'screenshots':
        return screenshots()
    size = sum(os.path.getsize(os.path.join(SITE, f)) for f in os.listdir(SITE))
    print(f'folder {SITE}: {size / 1024:.0f} KB in {len(os.listdir(SITE))} files')

    d = browser(1920, 1080)
    try:
        open_page(d, SITE, '#test')
        d.find_element(By.ID, 'Command7').click()
        passes = d.execute_script('const t = performance.now(); ondix.runPasses(200000);'
                                  'return 200000 / ((performance.now() - t) / 1000);')
        print(f'passes a second (drive on, drawing included): {passes:,.0f}')
        d.get('about:blank')
        time.sleep(2)
        print(f'CPU, empty page: {load(d):.1f} % of one core')
        open_page(d, SITE)
        time.sleep(2)
        print(f'CPU, page at rest: {load(d):.1f} % of one core')
        for control in ['Command7', 'Command9', 'Command8']:
            d.find_element(By.ID, control).click()
        for _ in range(10):
            d.find_element(By.CSS_SELECTOR, '#HScroll1 .up').click()
        time.sleep(2)
        print(f'CPU, worst case (drive at amplitude 2, free end, clock on): {load(d):.1f} %')
    finally:
        d.quit()
    if len(sys.argv) <= 3:
        screenshots()


def screenshots():
    for width, height in [(1920, 1080), (1024, 768)]:
        d = browser(width, height)
        try:
            open_page(d, SITE)
            coarse, (w, h, name) = d.execute_script(SMALLEST)
            print(f'{width}x{height}: finger pointer {coarse}, smallest control {name} {w:.0f} x {h:.0f} px')
            d.find_element(By.ID, 'Command7').click()
            time.sleep(2.5)
            d.save_screenshot(f'{SHOTS}/wave-{width}x{height}.png')
            d.find_element(By.ID, 'Command11').click()
            drag(d, interaction.POINTER_MOUSE, 2, [view_point(d, 20, 1.5), view_point(d, 50, 1.5),
                                                   view_point(d, 63.4, 1.5)])
            d.save_screenshot(f'{SHOTS}/tape-{width}x{height}.png')
            d.find_element(By.ID, 'Command6').click()
            time.sleep(0.3)
            d.save_screenshot(f'{SHOTS}/info-{width}x{height}.png')
        finally:
            d.quit()

    d = browser(1280, 800, touch=True)
    try:
        open_page(d, SITE)
        coarse, (w, h, name) = d.execute_script(SMALLEST)
        print(f'1280x800 touch: finger pointer {coarse}, smallest control {name} {w:.0f} x {h:.0f} px')
        d.find_element(By.ID, 'Command7').click()
        time.sleep(2)
        d.find_element(By.ID, 'Command11').click()
        drag(d, interaction.POINTER_TOUCH, 0, [view_point(d, 30, 2), view_point(d, 45, 2),
                                                view_point(d, 72.3, 2)], hold=0.8)
        d.save_screenshot(f'{SHOTS}/touch-tape-1280x800.png')
    finally:
        d.quit()
    print(f'screenshots in {SHOTS}')


main()
