#!/usr/bin/python3
"""The lesson on a school's screens, each loaded once, its tools toggled: per screen and tools open, the chain view
clear of every other box and at its least height, the plot at 110 px, the instruction's text reachable, every control in
the window (or beneath a view kept in sight as the page scrolls), Halt to Harmonisch together. page_lesson_test.py <site> <shots>"""
import base64
import os
import sys

from headless_chromium import browser, open_page

SITE, SHOTS = sys.argv[1:3]
# name: CSS width, height, device pixels to a CSS pixel, a finger as the pointer, the view's least share of the height
SCREENS = {'tablet-1024x768': (1024, 768, 1, 1, 0.4), 'phone-412x915': (412, 915, 2, 1, 0.4),
           'phone-915x412': (915, 412, 2, 1, 0.4), 'laptop-1366x768': (1366, 768, 1, 0, 0.4),
           'projector-1920x1080': (1920, 1080, 1, 0, 0.45), '4k-3840x2160-200': (1920, 1080, 2, 0, 0.4)}
DIAGRAM = 'document.querySelector("[aria-label=\'Zeitdiagramm ein oder aus\']").click()'
# Steps with the tools then open: both, the instruction, none, the diagram, both by the instruction chosen again.
STEPS = [(DIAGRAM, 1, 1), (DIAGRAM, 0, 1), ('document.getElementById("InstructionClose").click()', 0, 0), (DIAGRAM, 1, 0),
         ('document.getElementById("Experiment2").click()', 1, 1)]
# Boxes [left, top, right, bottom] in the page at its top; `kept` the foot of what stays in sight as it scrolls, or 0.
MEASURE = '''
scrollTo(0, 0);
const page = (e) => { const r = e.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; };
const shown = (e) => e.getClientRects().length > 0, view = document.querySelector('.view-box');
const text = document.querySelector('#Instruction .instruction-text'), plot = document.getElementById('TimeDiagramCanvas');
return { window: [innerWidth, innerHeight, document.documentElement.scrollWidth, document.documentElement.scrollHeight],
  view: page(view), kept: Math.max(0, ...[view, plot.parentElement].filter((e) => shown(e) && getComputedStyle(e).position === 'fixed')
    .map((e) => e.getBoundingClientRect().bottom)),
  others: [...document.querySelector('.window').children, ...document.querySelectorAll('#TimeDiagram, #Instruction, #setup')]
    .filter((e) => e !== view && shown(e)).map((e) => [e.id || e.className, page(e)]),
  plot: shown(plot) ? plot.getBoundingClientRect().height : null,
  text: shown(text) ? [text.scrollHeight, text.clientHeight, getComputedStyle(text).overflowY, parseFloat(getComputedStyle(text).lineHeight)] : null,
  controls: [...document.querySelectorAll('.window :is(button, .bar, .option, .box), #TimeDiagram :is(button, input), #Instruction button')]
    .filter(shown).map((e) => [`${e.textContent.trim()} ${e.id}`, page(e)]) };
'''


def problems(m, least_share, diagram, instruction):
    width, height, scroll_width, scroll_height = m['window']
    view, kept = m['view'], m['kept']
    found = [f'{name} {box} over the view' for name, box in m['others']
             if min(view[2], box[2]) - max(view[0], box[0]) > 0.5 and min(view[3], box[3]) - max(view[1], box[1]) > 0.5]
    least = max(200, least_share * height)
    found += [f'view {view[3] - view[1]:.0f} px high, least {least:.0f}'] * (view[3] - view[1] < least - 0.5)
    found += [f'plot {m["plot"]}'] * (diagram != (m['plot'] is not None) or diagram and m['plot'] < 110 - 0.5)
    whole, seen, overflow, line = m['text'] or [0, 0, '', 0]  # whole, or scrolling inside itself, two lines in sight
    found += [f'instruction {m["text"]}'] * (instruction != bool(m['text']) or whole > seen + 1
                                             and (overflow not in ('auto', 'scroll') or seen < 2 * line))
    found += [f'scrolls to {scroll_width}x{scroll_height}'] * (scroll_width > width or scroll_height > height + 0.5 and not kept)
    found += [f'{name} {box} outside the window' for name, box in m['controls']
              if box[0] < -0.5 or box[1] < -0.5 or box[2] > width + 0.5 or box[3] > (scroll_height if kept else height) + 0.5]
    runs = [box for name, box in m['controls'] if name.startswith(('Halt', 'Schritt', 'Puls', 'Harmonisch'))]
    span = max(b[3] for b in runs) - min(b[1] for b in runs) if runs else height
    return found + [f'Halt to Harmonisch {span:.0f} px beneath {kept:.0f}'] * (len(runs) < 4 or span > height - kept + 0.5)


def visit(name, width, height, ratio, touch, least_share):
    driver = browser(width, height, touch, real_scale=ratio)
    try:
        open_page(driver, SITE, '?versuch=2')
        found = []
        for i, (step, diagram, instruction) in enumerate(STEPS):
            driver.execute_script(step)
            driver.execute_async_script('requestAnimationFrame(() => requestAnimationFrame(arguments[0]))')  # laid out
            m = driver.execute_script(MEASURE)
            found += [f'{"diagram " * diagram}{"instruction " * instruction}{p}' for p in problems(m, least_share, diagram, instruction)]
            if i == 0:  # what the screen shows with both open
                with open(os.path.join(SHOTS, f'page-{name}.png'), 'wb') as f:
                    f.write(base64.b64decode(driver.execute_cdp_cmd('Page.captureScreenshot', {})['data']))
        return [print(f'FAIL: {name}: {problem}', flush=True) or problem for problem in found]
    finally:
        driver.quit()


os.makedirs(SHOTS, exist_ok=True)
failed = [problem for name, screen in SCREENS.items() for problem in visit(name, *screen)]
print(f'{len(failed)} problems' if failed else f'{len(SCREENS)} screens in {SHOTS}')
sys.exit(1 if failed else 0)
