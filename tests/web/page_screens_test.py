#!/usr/bin/python3
"""The page on the screens a school has, each a real Chromium window of that size (touch where a
finger is the pointer), judged from the DOM's boxes and computed styles: every control inside
its container and the window, or reached by scrolling the page; no two controls of one container
overlapping; no caption smaller than 12 CSS pixels nor cut off; no scrolling from 1024 x 600 up;
touch targets of at least 44 x 44 CSS pixels where the pointer is coarse; the picture at the
view's size in device pixels; at 200 % zoom the same CSS pixels, twice the device pixels.
A screenshot of each is kept in the build folder's screens/.

page_screens_test.py <site folder> <screenshot folder>"""
import os
import sys

from selenium.webdriver.common.by import By

from headless_chromium import open_page, real_window

SITE, SHOTS = sys.argv[1:3]
# name, CSS width and height, device pixels to a CSS pixel, a finger as the pointer, in a frame
SCREENS = [('1920x1080', 1920, 1080, 1, False, False), ('1366x768', 1366, 768, 1, False, False),
           ('1024x768', 1024, 768, 1, False, False), ('1024x600', 1024, 600, 1, False, False),
           ('touch-1024x768', 1024, 768, 1, True, False), ('touch-1180x820', 1180, 820, 1, True, False),
           ('touch-800x1280', 800, 1280, 1, True, False), ('phone-844x390', 844, 390, 1, True, False),
           ('frame-960x600', 960, 600, 1, False, True), ('zoom200-1366x768', 683, 384, 2, False, False),
           ('4k-3840x2160', 3840, 2160, 1, False, False)]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print('FAIL:', message, flush=True)


# What the test judges, from the page's own document: the controls' holders by container, the
# texts, the targets a finger aims at, and the sizes.
MEASURE = '''
const win = document.getElementById('Ondix15');
const box = (e) => { const r = e.getBoundingClientRect();
  return [r.left + scrollX, r.top + scrollY, r.right + scrollX, r.bottom + scrollY]; };
// A plain label shows only its text: its box beyond that may lie under a neighbour, as on the form.
const seen = (e) => { if (!e.matches('.label:not(.indicator)')) return box(e);
  const range = document.createRange(); range.selectNodeContents(e);
  const r = range.getBoundingClientRect(); return [r.left + scrollX, r.top + scrollY, r.right + scrollX, r.bottom + scrollY]; };
const shown = (e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden';
const holders = [...win.querySelectorAll('[id]')].map((e) => (e.type === 'radio' || e.tagName === 'CANVAS'
  ? e.parentElement : e)).filter((e) => shown(e) && !e.closest('.bar .arrow'));
const containerOf = (e) => (e.parentElement.closest('.frame') || e.parentElement.closest('.view-box') || win);
const texts = [...win.querySelectorAll('.caption, .label, .box, button, .option span')].filter(shown);
const targets = [...win.querySelectorAll('button, .option, .bar .thumb'), ...document.querySelectorAll(
  'dialog[open] button, #message:not([hidden]) button')].filter(shown);
const canvas = document.getElementById('Picture1');
return {
  holders: holders.map((e) => ({ name: e.id || e.firstChild.id || e.firstElementChild.id, box: box(e), seen: seen(e),
    container: containerOf(e) === win ? '' : containerOf(e).id || 'Picture1' })),
  texts: texts.map((e) => ({ name: e.id || e.parentElement.id, px: parseFloat(getComputedStyle(e).fontSize),
    cut: (e.tagName === 'BUTTON' || getComputedStyle(e).overflow === 'hidden') && (e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1) })),
  targets: targets.map((e) => ({ name: e.id || e.className || e.parentElement.id, box: box(e) })),
  window: [innerWidth, innerHeight, document.documentElement.scrollWidth, document.documentElement.scrollHeight],
  ratio: devicePixelRatio,
  canvas: [canvas.width, canvas.height, canvas.clientWidth, canvas.clientHeight],
  coarse: matchMedia('(pointer: coarse)').matches,
};
'''


def overlap(a, b):
    return min(a[2], b[2]) - max(a[0], b[0]) > 0.5 and min(a[3], b[3]) - max(a[1], b[1]) > 0.5


def inside(inner, outer):
    return (inner[0] >= outer[0] - 0.5 and inner[1] >= outer[1] - 0.5 and inner[2] <= outer[2] + 0.5
            and inner[3] <= outer[3] + 0.5)


def judge(name, m, fits, touch):
    """Every rule of a screen on its measures `m`; the problems found, as text."""
    problems = []
    width, height, scroll_width, scroll_height = m['window']
    page = [0, 0, width, scroll_height]
    boxes = {h['name']: h['box'] for h in m['holders']}
    for h in m['holders']:
        outer = boxes.get(h['container'], page)
        if not inside(h['box'], outer) or not inside(h['box'], page):
            problems.append(f'{h["name"]} at {h["box"]} lies outside {h["container"] or "the page"} {outer}')
    for i, a in enumerate(m['holders']):
        for b in m['holders'][i + 1:]:
            if a['container'] == b['container'] and a['container'] != 'Picture1' and overlap(a['seen'], b['seen']):
                problems.append(f'{a["name"]} {a["seen"]} overlaps {b["name"]} {b["seen"]}')
    for t in m['texts']:
        if t['px'] < 12 or t['cut']:
            problems.append(f'{t["name"]}: text {t["px"]} px' + ' cut off' * t['cut'])
    if fits and (scroll_width > width or scroll_height > height):
        problems.append(f'the page scrolls: {scroll_width}x{scroll_height} in {width}x{height}')
    if scroll_width > width:
        problems.append(f'the page is wider than the window: {scroll_width} > {width}')
    if m['coarse'] != touch:
        problems.append(f'pointer coarse {m["coarse"]}, a finger as the pointer {touch}')
    for t in m['targets'] if touch else []:
        x0, y0, x1, y1 = t['box']
        if x1 - x0 < 44 - 0.01 or y1 - y0 < 44 - 0.01:
            problems.append(f'touch target {t["name"]} {x1 - x0:.1f}x{y1 - y0:.1f}')
    canvas_width, canvas_height, view_width, view_height = m['canvas']
    if (canvas_width, canvas_height) != (round(view_width * m['ratio']), round(view_height * m['ratio'])):
        problems.append(f'picture {canvas_width}x{canvas_height} for a view of {view_width}x{view_height} '
                        f'at {m["ratio"]}')
    return problems


def visit(screen):
    name, width, height, ratio, touch, framed = screen
    driver = real_window(1200 if framed else width, 800 if framed else height, ratio, touch)
    try:
        if framed:
            wrapper = os.path.join(SHOTS, 'learning-platform.html')
            with open(wrapper, 'w', encoding='utf-8') as f:
                f.write('<!DOCTYPE html><html><body style="margin:20px;background:#cde">'
                        '<p>Lernplattform: Wellenmaschine</p><iframe src="file://%s/index.html" '
                        'width="960" height="600" style="border:1px solid #444"></iframe></body></html>'
                        % SITE)
            driver.get('file://' + wrapper)
            driver.switch_to.frame(driver.find_element(By.TAG_NAME, 'iframe'))
            driver.execute_script('return document.body.dataset.ready')  # wait below
            for _ in range(100):
                if driver.execute_script('return document.body.dataset.ready === "1"'):
                    break
        else:
            open_page(driver, SITE)
        m = driver.execute_script(MEASURE)
        check(m['window'][:2] == [width, height] and m['ratio'] == ratio,
              f'{name}: the window is {m["window"][:2]} at {m["ratio"]}, not {width}x{height} at {ratio}')
        fits = not framed and min(width, height) >= 600 and max(width, height) >= 1024
        for problem in judge(name, m, fits, touch):
            check(False, f'{name}: {problem}')
        driver.switch_to.default_content()
        driver.save_screenshot(os.path.join(SHOTS, name + '.png'))
        if not framed:
            # The dialogs' buttons, and the information page within the window.
            driver.execute_script('document.getElementById("Command6").click()')
            driver.execute_script('ondixPage.dialogs.showMessage("Probe")')
            for problem in judge(name, driver.execute_script(MEASURE), False, touch):
                if 'touch target' in problem:
                    check(False, f'{name}, dialogs: {problem}')
            info = driver.execute_script('const r = document.getElementById("info").getBoundingClientRect();'
                                         'return [r.right, r.bottom]')
            check(info[0] <= width and info[1] <= height, f'{name}: the information page ends at {info}')
        return m
    finally:
        driver.quit()


os.makedirs(SHOTS, exist_ok=True)
measured = {}
for screen in SCREENS:
    measured[screen[0]] = visit(screen)
    print(screen[0], 'visited', flush=True)
# At 200 % zoom every text has the CSS pixels it has at 100 %, so twice the device pixels.
normal, zoomed = measured['1366x768']['texts'], measured['zoom200-1366x768']['texts']
check([t['px'] * 2 for t in zoomed] == [2 * t['px'] * 1 for t in normal],
      'at 200 % the texts are not twice the device pixels of 100 %')
print(f'{len(SCREENS)} screens, screenshots in {SHOTS}')
sys.exit(1 if failures else 0)
