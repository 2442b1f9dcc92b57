#!/usr/bin/python3
"""The lesson on the page: the chain view, the time diagram and the second experiment's instruction on
a school's screens, each screen loaded once and its tools opened and closed within it. Per screen and
tools open, from the rendered DOM: the view's box disjoint from every other box, at least its least
height, the plot at least 110 px, the instruction's text all reachable, every control inside the window
(on a phone inside its width, the page scrolling to it beneath the view, which stays in sight).
Screenshots with both tools open. page_lesson_test.py <site> <folder for the screenshots>"""
import base64
import os
import sys

from headless_chromium import browser, open_page

SITE, SHOTS = sys.argv[1:3]
# name: CSS width, height, device pixels to a CSS pixel, a finger as the pointer, the view's least share
SCREENS = {'tablet-1024x768': (1024, 768, 1, 1, 0.4), 'phone-412x915': (412, 915, 2, 1, 0.4),
           'phone-915x412': (915, 412, 2, 1, 0.4), 'laptop-1366x768': (1366, 768, 1, 0, 0.4),
           'projector-1920x1080': (1920, 1080, 1, 0, 0.45), '4k-3840x2160-200': (1920, 1080, 2, 0, 0.4)}
# The diagram's button, the instruction's close button and the second experiment's choice.
DIAGRAM = 'document.querySelector("[aria-label=\'Zeitdiagramm ein oder aus\']").click()'
CLOSE = 'document.getElementById("InstructionClose").click()'
CHOOSE = 'document.getElementById("Experiment2").click()'
# Boxes as [left, top, right, bottom] in the page, scrolled to its top (where a view that stays in sight lies);
# `kept` the foot of what stays in sight (the view, the diagram beneath it) while the page scrolls, or 0.
MEASURE = '''
scrollTo(0, 0);
const page = (e) => { const r = e.getBoundingClientRect(); return [r.left + scrollX, r.top + scrollY, r.right + scrollX, r.bottom + scrollY]; };
const shown = (e) => e.getClientRects().length > 0;
const win = document.querySelector('.window');
const view = document.querySelector('.view-box');
const others = [...win.children, ...document.querySelectorAll('#TimeDiagram, #Instruction, #setup')]
  .filter((e) => e !== view && shown(e));
const text = document.querySelector('#Instruction .instruction-text');
const plot = document.getElementById('TimeDiagramCanvas');
return { window: [innerWidth, innerHeight, document.documentElement.scrollWidth, document.documentElement.scrollHeight],
  view: page(view), kept: Math.max(0, ...[view, plot.parentElement].filter((e) => shown(e) && getComputedStyle(e).position === 'fixed')
    .map((e) => e.getBoundingClientRect().bottom)),
  others: others.map((e) => [e.id || e.className, page(e)]),
  plot: shown(plot) ? plot.getBoundingClientRect().height : null,
  text: text && shown(text) ? [text.scrollHeight, text.clientHeight, getComputedStyle(text).overflowY,
    parseFloat(getComputedStyle(text).lineHeight)] : null,
  controls: [...document.querySelectorAll('.window :is(button, .bar, .option, .box), #TimeDiagram :is(button, input), '
    + '#Instruction button')].filter(shown).map((e) => [`${e.textContent.trim()} ${e.id}`, page(e)]) };
'''
HALT_TO_HARMONIC = ('Halt', 'Schritt', 'Puls', 'Harmonisch')


def problems(m, least_share, diagram, instruction):
    width, height, scroll_width, scroll_height = m['window']
    view = m['view']
    found = [f'{name} {box} over the view' for name, box in m['others']
             if min(view[2], box[2]) - max(view[0], box[0]) > 0.5 and min(view[3], box[3]) - max(view[1], box[1]) > 0.5]
    least = max(200, least_share * height)
    found += [f'view {view[3] - view[1]:.0f} px high, least {least:.0f}'] * (view[3] - view[1] < least - 0.5)
    found += [f'plot {m["plot"]}'] * (diagram != (m['plot'] is not None) or diagram and m['plot'] < 110 - 0.5)
    if instruction != (m['text'] is not None):
        found.append(f'instruction shown: {m["text"]}')
    elif instruction:  # whole, or scrolling inside itself with at least two lines in sight
        whole, seen, overflow, line = m['text']
        found += [f'instruction {seen} of {whole} px, {overflow}'] * (
            whole > seen + 1 and (overflow not in ('auto', 'scroll') or seen < 2 * line))
    # The page scrolls only beneath a view that stays in sight, and never sideways.
    scrolls = scroll_height > height + 0.5
    found += [f'scrolls to {scroll_width}x{scroll_height}'] * (scroll_width > width or scrolls and not m['kept'])
    bottom = scroll_height if m['kept'] else height
    found += [f'{name} {box} outside the window' for name, box in m['controls']
              if box[0] < -0.5 or box[1] < -0.5 or box[2] > width + 0.5 or box[3] > bottom + 0.5]
    # The buttons a student presses while watching the wave fit beneath the view together.
    runs = [box for name, box in m['controls'] if name.startswith(HALT_TO_HARMONIC)]
    span = max(b[3] for b in runs) - min(b[1] for b in runs)
    found += [f'Halt to Harmonisch {span:.0f} px beneath what stays in sight to {m["kept"]:.0f}'] * (
        len(runs) < 4 or span > height - m['kept'] + 0.5)
    return found


def visit(name, width, height, ratio, touch, least_share):
    driver = browser(width, height, touch, real_scale=ratio)
    try:
        open_page(driver, SITE, '?versuch=2')
        settle = lambda: driver.execute_async_script('requestAnimationFrame(() => requestAnimationFrame(arguments[0]))')
        found = []
        # Both open, the instruction alone, none, the diagram alone: each step one click.
        for step, diagram, instruction in ((DIAGRAM, 1, 1), (DIAGRAM, 0, 1), (CLOSE, 0, 0), (DIAGRAM, 1, 0)):
            driver.execute_script(step)
            settle()
            found += [f'{"diagram " * diagram}{"instruction " * instruction}{p}'
                      for p in problems(driver.execute_script(MEASURE), least_share, diagram, instruction)]
            if diagram and instruction:
                shot = driver.execute_cdp_cmd('Page.captureScreenshot', {})  # what the screen shows
                with open(os.path.join(SHOTS, f'page-{name}.png'), 'wb') as f:
                    f.write(base64.b64decode(shot['data']))
        driver.execute_script(CHOOSE)  # the instruction again, beside the diagram
        settle()
        found += [f'chosen again: {p}' for p in problems(driver.execute_script(MEASURE), least_share, 1, 1)]
        print(''.join(f'FAIL: {name}: {problem}\n' for problem in found), end='', flush=True)
        return found
    finally:
        driver.quit()


os.makedirs(SHOTS, exist_ok=True)
failed = [problem for name, screen in SCREENS.items() for problem in visit(name, *screen)]
print(f'{len(SCREENS)} screens in {SHOTS}' if not failed else f'{len(failed)} problems')
sys.exit(1 if failed else 0)
