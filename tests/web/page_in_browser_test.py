#!/usr/bin/python3
"""The page in headless Chromium, opened over file://, judged by what it shows:
- one session of real input events (session.steps) leaves the same chain state, picture and
  controls (rendered display, check, value, caption) as session.expected, the end state the
  desktop and the instrument played without a toolkit are held to; the hashes are computed here
  from the module's memory, which the page exposes to tests alone (#test);
- after that session, at device scale factors 1 to 2, the canvas holds exactly the picture's
  pixels: what the partial repaints put there is what was drawn;
- the control tree of the rendered page is the golden one both editions share, in the form's
  units by the page's panel scale (the window's children but the view where the flow puts them),
  in German and, as ?lang=en or an English-preferring browser asks for it, in English;
- a time step of 0.75 ends the run with the run-time error shown; the page's own pacing runs
  250 passes a second and stops at a halt;
- the tests' own exports (web/page_test_api.cpp) are in the tests' module and not in the site's;
  module_api.js wraps each export, the page's and the tests', once.

page_in_browser_test.py <site folder> <tests' site folder> <steps file> <golden tree> <golden session end>"""
import base64
import difflib
import os
import re
import sys
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from headless_chromium import VIEW, at_design_size, browser, check, console_errors, failures, open_page, set_scale, started

VIEW_TOP = 1  # the chain view's top edge in the page, at the design size
GERMAN, ENGLISH = ['de', 'Wellenmaschine'], ['en', 'Wave machine']  # the page's language and the view's name
LANGUAGE_SHOWN = f'return [document.documentElement.lang, {VIEW}.getAttribute("aria-label")]'
KEYS = {'Up': Keys.ARROW_UP, 'Down': Keys.ARROW_DOWN, 'Left': Keys.ARROW_LEFT,
        'Right': Keys.ARROW_RIGHT, 'Return': Keys.ENTER, 'Space': Keys.SPACE, 'Esc': Keys.ESCAPE,
        'M': 'm', 'S': 's', 'D': 'd', 'A': 'a', 'Tab': Keys.TAB, 'PageUp': Keys.PAGE_UP, 'PageDown': Keys.PAGE_DOWN}


def points(words):
    return [tuple(int(v) for v in word.split(',')) for word in words]


def in_view(driver, path):
    """Points of the chain's picture at 1276 x 653 in the page, where the view now lies: narrower beside the tools."""
    width, height = driver.execute_script(f'const r = {VIEW}.getBoundingClientRect(); return [r.width, r.height]')
    return [(x * width / 1276, y * height / 653 + VIEW_TOP) for x, y in path]


def pointer_path(driver, kind, button, path, hold_ms=0, up=True, mapped=True):
    builder = ActionBuilder(driver, mouse=PointerInput(kind, 'finger' if kind == interaction.POINTER_TOUCH else 'mouse'),
                            duration=0)
    action = builder.pointer_action
    path = in_view(driver, path) if mapped else path
    action.move_to_location(*path[0])
    action.pointer_down(button=button)
    if hold_ms:
        action.pause(hold_ms / 1000)
    for x, y in path[1:]:
        action.move_to_location(x, y)
    if up:
        action.pointer_up(button=button)
    builder.perform()


# A control's accessible name (or caption), blanks collapsed; the control a user finds by it and its role.
SAID = "const said = (e) => (e.getAttribute('aria-label') || (e.labels?.[0] || e).textContent).trim().replace(/\\s+/g, ' ');"
NAMED = SAID + '''
const [role, name] = arguments;
const roleOf = (e) => e.getAttribute('role') || { BUTTON: 'button', INPUT: e.type === 'text' ? 'textbox' : e.type }[e.tagName];
return [...document.querySelectorAll('[id]')].find((e) => roleOf(e) === role && said(e) === name);
'''
named = lambda driver, role, name: driver.execute_script(NAMED, role, name)  # noqa: E731


def click_at(driver, x, y, double=False):
    builder = ActionBuilder(driver, duration=0)
    action = builder.pointer_action.move_to_location(x, y)
    action.double_click() if double else action.click()
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
            click_at(driver, int(left + 3 if words[2] == 'down' else left + width - 3), int(top + height / 2))
        elif verb in ('drag', 'press'):  # a press: the button held down at the path's end
            pointer_path(driver, interaction.POINTER_MOUSE, 0 if words[1] == 'left' else 2, points(words[2:]), up=verb == 'drag')
        elif verb == 'touch':
            pointer_path(driver, interaction.POINTER_TOUCH, 0, points(words[2:]), int(words[1]))
        elif verb == 'doubleclick':
            (x, y), = in_view(driver, points(words[1:]))
            click_at(driver, x, y, double=True)
        elif verb == 'span':
            # The span's range has no arrows: its keys step it as the desktop's arrows do.
            key = Keys.ARROW_RIGHT if words[1] == 'up' else Keys.ARROW_LEFT
            driver.find_element(By.ID, 'TimeDiagramSpan').send_keys(key * int(words[2]))
        elif verb == 'focus':  # the view, or the element of that id
            driver.execute_script(f'document.getElementById("{words[1]}").focus()' if words[1:] else VIEW + '.focus()')
        elif verb == 'tap':  # a finger at the middle of the element of that id
            r = driver.execute_script(f'return document.getElementById("{words[1]}").getBoundingClientRect()')
            pointer_path(driver, interaction.POINTER_TOUCH, 0, [(r['x'] + r['width'] / 2, r['y'] + r['height'] / 2)], mapped=False)
        elif verb == 'open':  # a new page at a link
            open_page(driver, SITE, words[1] + '#test')
        elif verb == 'check':  # the end state so far, against its block of session.expected
            checks.append(end_state_differences(driver, session_blocks()[len(checks)])[0])
        elif verb == 'key':
            chain = ActionChains(driver)
            if 'shift' in words[2:]:
                chain.key_down(Keys.SHIFT).send_keys(KEYS[words[1]]).key_up(Keys.SHIFT)
            else:
                chain.send_keys(KEYS[words[1]] * int((words[2:] or ['1'])[0]))
            chain.perform()
        # The page's own steps: a key held down, a control pressed or focused by its role and name, a new screen, a wait.
        elif verb == 'hold':
            ActionChains(driver).key_down(KEYS[words[1]]).perform()
        elif verb in ('button', 'scrollbar', 'radio'):
            control = named(driver, verb, ' '.join(words[1:]))
            # Brought into sight as a user scrolls to it: beneath the view where that stays at the top.
            driver.execute_script('arguments[0].scrollIntoView({ block: "nearest" })', control)
            control.click() if verb == 'button' else driver.execute_script('arguments[0].focus()', control)
        elif verb == 'screen':
            set_scale(driver, int(words[1]), int(words[2]), 1)
            time.sleep(0.2)  # the page's resize handler
        elif verb == 'wait':
            time.sleep(float(words[1]))
        else:
            raise RuntimeError('no step ' + verb)


# Every control as the page shows it, in document order: the elements the window holds that are
# controls by their tag or class, each with its container, box in the container, rendered font,
# caption and look.
SHOWN = '''
const kinds = [['CANVAS', null, 'View'], ['DIV', 'frame', 'Frame'], ['BUTTON', null, 'Button'],
  ['DIV', 'label', 'Label'], ['INPUT', 'box', 'TextBox'], ['DIV', 'bar', 'ScrollBar'],
  ['INPUT', 'radio', 'Option'], ['DIV', 'pointer', 'Pointer']];
const kindOf = (e) => (kinds.find(([tag, c]) => e.tagName === tag && (!c || e.classList.contains(c)
  || e.type === c)) || [])[2];
const win = document.querySelector('.window');
const holderOf = (e) => (e.type === 'radio' || e.tagName === 'CANVAS' ? e.parentElement : e);
const controls = [...win.querySelectorAll('[id]')].filter((e) => kindOf(e) && !e.closest('.bar .arrow'));
const byHolder = new Map(controls.map((e) => [holderOf(e), e]));
const hex = (rgb) => '#' + rgb.match(/\\d+/g).slice(0, 3).map((v) => (+v).toString(16).padStart(2, '0')).join('');
return controls.map((e) => {
  const kind = kindOf(e);
  const holder = holderOf(e);
  let depth = 1; // the containers it lies in
  for (let a = holder.parentElement; a !== win; a = a.parentElement) if (byHolder.has(a)) depth += 1;
  const style = getComputedStyle(e);
  const hidden = getComputedStyle(holder).display === 'none' || holder.getClientRects().length === 0;
  const caption = kind === 'Frame' ? e.querySelector('.caption').textContent
    : kind === 'Option' ? holder.querySelector('span').textContent
    : kind === 'TextBox' ? e.value : ['Button', 'Label'].includes(kind) ? e.textContent
    : kind === 'ScrollBar' ? e.getAttribute('aria-valuetext') || '' : '';
  // In the form's units by the panel scale, but a place in the view (its pixels) and a window child's.
  const k = +win.dataset.panelScale;
  const box = hidden ? ['left', 'top', 'width', 'height'].map((p) => parseFloat(getComputedStyle(holder)[p]))
    : [holder.offsetLeft, holder.offsetTop, holder.offsetWidth, holder.offsetHeight];
  const inView = holder.parentElement.classList.contains('view-box');
  const place = box.map((v, i) => Math.round(depth === 1 || (inView && i < 2) ? v : v / k));
  return { name: e.id, kind, depth, caption, points: Math.round(parseFloat(style.fontSize) * 0.75 / k * 100) / 100,
    hidden, place, disabled: e.disabled === true,
    checked: e.type === 'radio' ? e.checked : e.getAttribute('aria-pressed') === 'true',
    back: holder.style.background ? hex(getComputedStyle(holder).backgroundColor) : null,
    indicator: kind === 'Label' && style.borderTopStyle === 'solid',
    centred: kind === 'Label' && style.textAlign === 'center',
    range: kind === 'ScrollBar' ? ['aria-valuemin', 'aria-valuemax', 'aria-valuenow'].map((a) => e.getAttribute(a)) : null,
    readonly: kind === 'TextBox' && e.readOnly };
});
'''
ROLES = {'generic': 'text', 'none': 'text', 'StaticText': 'text', 'radiogroup': 'group'}


def accessible(driver, name):
    """The element's node in Chromium's accessibility tree: description, properties by name."""
    root = driver.execute_cdp_cmd('DOM.getDocument', {})['root']['nodeId']
    node = driver.execute_cdp_cmd('DOM.querySelector', {'nodeId': root, 'selector': '#' + name})['nodeId']
    ax = driver.execute_cdp_cmd('Accessibility.getPartialAXTree', {'nodeId': node, 'fetchRelatives': False})['nodes'][0]
    return ax.get('description', {}).get('value'), {p['name']: p['value'].get('value') for p in ax.get('properties', [])}


def control_tree(driver):
    """The page's lines of the golden control tree."""
    title = driver.execute_script('const w = document.querySelector(".window"); return [w.id, document.title, '
                                  'parseFloat(getComputedStyle(w).fontSize) * 0.75 / w.dataset.panelScale]')
    lines = ['{} Window "{}" {:g}pt'.format(*title[:2], round(title[2], 2))]  # as the controls' points
    for c in driver.execute_script(SHOWN):
        x, y, w, h = c['place']
        line = f'{"  " * c["depth"]}{c["name"]} {c["kind"]} "{c["caption"]}" {c["points"]:g}pt {x},{y} {w}x{h}'
        line += ' hidden' * c['hidden'] + ' disabled' * c['disabled'] + ' checked' * (c['checked'] and c['kind'] == 'Option')
        line += f' back {c["back"]}' if c['back'] else ''
        line += ' indicator' * c['indicator'] + ' centred' * c['centred']
        line += ' range {}..{} value {}'.format(*c['range']) if c['range'] else ''
        # A hidden control is not among what a screen reader finds.
        if c['kind'] != 'Pointer' and not c['hidden']:
            element = driver.find_element(By.ID, c['name'])
            role = ROLES.get(element.aria_role, element.aria_role)
            line += ' role ' + role
            name = element.accessible_name  # blanks collapsed, as a screen reader says them
            line += f' accessible "{name}"' if name and name.split() != c['caption'].split() else ''
            line += ' unnamed' if not name and role != 'text' else ''
            description, properties = accessible(driver, c['name'])
            line += f' pressed {properties["pressed"]}' if 'pressed' in properties else ''
            line += f' described "{description}"' if description and c['kind'] == 'Button' else ''
        lines.append(line + ' readonly' * c['readonly'])
    # The Tab order as the Tab key walks it, once round from the document's start.
    driver.execute_script('document.activeElement.blur()')
    focus = []
    for _ in range(60):
        ActionChains(driver).send_keys(Keys.TAB).perform()
        # The form's controls; the teacher's link beneath the window is not among them.
        name = driver.execute_script('const e = document.activeElement; return e.closest(".window") ? e.id : ""')
        if name in focus or not name:
            break
        focus.append(name)
    return lines + ['focus: ' + ' '.join(focus)]


def control_tree_test(driver):
    """The golden tree in German and in English as the address asks for it; a language the program
    lacks is passed over for the next one asked for."""
    set_scale(driver, 1276, design_height, 1)
    english = GOLDEN.replace('.expected.txt', '.en.expected.txt')
    for query, shown, golden_file in [('?lang=xx', GERMAN, None), ('?lang=xx&lang=en', ENGLISH, None),
                                      ('', GERMAN, GOLDEN), ('?lang=en', ENGLISH, english)]:
        open_page(driver, SITE, query + '#test')
        now = driver.execute_script(LANGUAGE_SHOWN)
        check(now == shown, f'{query} shows {now}')
        if not golden_file:
            continue
        driver.execute_script('ondix.runPasses(1)')
        page = control_tree(driver)
        golden = [line.removeprefix('page: ') for line in open(golden_file, encoding='utf-8').read().splitlines()
                  if line and not line.startswith('desktop: ')]
        # The window's children beneath the view lie where the page's flow puts them (judged by
        # page_screens_test): their place is left out on both sides.
        golden, page = ([re.sub(r'^(  \S+ (?!View)\S+ ".*" [\d.]+pt) \S+ \S+', r'\1 flowed', l) for l in t]
                        for t in (golden, page))
        diff = difflib.unified_diff(golden, page, 'golden', 'page', lineterm='', n=0)
        check(page == golden, f'the control tree{query} differs:\n' + '\n'.join(diff))


def preferred_language_test():
    """A browser that prefers British English shows the English page, with the decimal point."""
    driver = browser(1366, 768, language='en-GB,de')
    try:
        open_page(driver, SITE, '#test')
        shown = driver.execute_script(LANGUAGE_SHOWN)
        check(shown == ENGLISH, f'an English-preferring browser shows {shown}')
        driver.save_screenshot(os.path.join(os.path.dirname(SITE), 'page-english.png'))
    finally:
        driver.quit()


def fnv1a(data):
    h = 2166136261
    for byte in data:
        h = ((h ^ byte) * 16777619) & 0xFFFFFFFF
    return h


# From the module's memory (base64): the chain's rows, the picture, the time diagram's samples;
# and the diagram's span as its range holds it and its chosen masses.
MEMORY = '''
const bytes = (address, length) => {
  const view = new Uint8Array(ondix.buffer(), address, length);
  let text = '';
  for (let i = 0; i < length; i += 0x8000) text += String.fromCharCode(...view.subarray(i, i + 0x8000));
  return btoa(text);
};
const m = ondix.memory(), d = ondix.diagram();
return [bytes(m.y, 4 * m.masses) + ' ' + bytes(m.v, 4 * m.masses), bytes(m.pixels, 4 * m.width * m.height),
  Number(document.getElementById('TimeDiagramSpan').value), d.chosen, d.bytes / 16, bytes(d.samples, d.bytes)];
'''
# The canvas's pixels against the picture's in the module's memory (0xAARRGGBB words).
CANVAS_IS_PICTURE = '''
const m = ondix.memory();
const canvas = document.querySelector('[role=application]');
const shown = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
const drawn = new Uint32Array(ondix.buffer(), m.pixels, m.width * m.height);
let wrong = 0, first = null;
for (let i = 0; i < drawn.length; ++i) {
  const p = drawn[i];
  if (shown[4 * i] !== (p >>> 16 & 255) || shown[4 * i + 1] !== (p >>> 8 & 255)
      || shown[4 * i + 2] !== (p & 255) || shown[4 * i + 3] !== 255) {
    if (!wrong++) first = [i % m.width, Math.floor(i / m.width)];
  }
}
return [canvas.width, canvas.height, m.width, m.height, wrong, first];
'''


def end_state_differences(driver, lines):
    """What the page shows against an end state as session.expected writes it: the differences."""
    expected, hashes = {}, {}
    for line in lines:
        kind, rest = line.split(' ', 1)
        if kind in ('size', 'state', 'picture', 'diagram'):
            hashes[kind] = rest
        else:
            name, visible, checked, value, caption = (rest.split(' ', 4) + [''])[:5]
            expected[name] = [int(visible), int(checked), int(value), caption]
    rows, pixels, span, chosen, count, samples = driver.execute_script(MEMORY)
    now = {'size': '%d %d' % tuple(driver.execute_script('return ondix.pictureSize()')),
           'state': '%08x' % fnv1a(b''.join(base64.b64decode(r) for r in rows.split())),
           'picture': '%08x' % fnv1a(base64.b64decode(pixels)),
           'diagram': ' '.join([str(span)] + [str(m) if m >= 0 else '-' for m in chosen]
                               + [str(count), '%08x' % fnv1a(base64.b64decode(samples))])}
    found = [f'{kind} {now[kind]}, expected {hashes[kind]}' for kind in now if now[kind] != hashes[kind]]
    shown = {c['name']: [int(not c['hidden']), int(c['checked']), int(c['range'][2]) if c['range'] else 0,
                         c['caption']] for c in driver.execute_script(SHOWN)}
    window = driver.execute_script('return ondix.form.window.name')  # in the table, not among the shown controls
    found += [f'{name}: page shows {shown.get(name)}, expected {want}' for name, want in expected.items()
              if name != window and shown.get(name) != want]
    if set(shown) | {window} != set(expected):
        found.append(f'controls: page {sorted(shown)}, expected {sorted(expected)}')
    return found, now['state'], now['picture']


checks = []  # the differences at each check step of the session played last


def session_blocks():
    """session.expected's end states: one for each check step of the session, then its end."""
    return [block.splitlines() for block in re.split(r'^(?=size )', open(SESSION, encoding='utf-8').read(), flags=re.M) if block]


def session_test(driver, lines):
    expected = session_blocks()[-1]
    found, state, picture = end_state_differences(driver, expected)
    found = [f for differences in checks for f in differences] + found
    check(expected[0] == 'size 1276 653' and not found, 'the session is played at 1276 x 653: ' + '; '.join(found))
    print(f'session: {len(lines)} steps, chain state {state}, picture {picture}, {len(expected) - 4} controls')


def run_time_error_test(driver):
    open_page(driver, SITE, '#test')
    named(driver, 'button', 'Harmonische Anregung ein oder aus').click()
    driver.execute_script('ondix.setStep(0.75); for (let i = 0; i < 100 && ondix.running(); ++i) ondix.runPasses(100)')
    message = driver.find_element(By.ID, 'messageText')
    # The message shown with its button, the run stopped, the controls off.
    now = [message.is_displayed(), message.text, driver.find_element(By.ID, 'messageOk').text,
           driver.execute_script('return ondix.running()'), named(driver, 'button', 'Lauf anhalten').get_attribute('disabled')]
    check(now[0] and now[1].startswith("Laufzeitfehler '6':") and now[1].endswith('Überlauf') and now[2:] == ['OK', False, 'true'],
          f'run-time error: shown, message, button, running, halt button disabled: {now}')


# From now on: the frames the page asks for, and the changes of the diagram's text alternative.
COUNTED = '''
const ask = window.requestAnimationFrame;
Object.assign(window, { asked: 0, spoken: 0, requestAnimationFrame: (f) => { window.asked += 1; return ask(f); } });
new MutationObserver((changes) => { window.spoken += changes.length; })
  .observe(document.getElementById('TimeDiagramSummary'), { childList: true, subtree: true });
'''
AFTER = 'return new Promise((done) => setTimeout(() => done({1}), {0}))'  # a value, after a wait in ms


def pacing_test(driver):
    """No frames at rest; 250 passes a second, none while halted, none while the tab is hidden
    and no catching up after it; the diagram not spoken as it runs, but at A in its strip."""
    open_page(driver, SITE, '')
    clock = lambda: float(named(driver, 'textbox', 'Uhr').get_attribute('value').replace(',', '.'))  # noqa: E731
    time.sleep(0.2)
    driver.execute_script(COUNTED)
    check(driver.execute_script(AFTER.format(500, 'asked')) == 0, 'frames asked for while the chain is at rest')
    named(driver, 'button', 'Uhr Start').click()  # 250 passes of dt 0.1 a second
    for hidden in [False, True]:
        if hidden:  # the tab hidden for a second, then seen again
            before = clock()
            driver.execute_cdp_cmd('Page.setWebLifecycleState', {'state': 'frozen'})
            time.sleep(1.0)
            driver.execute_cdp_cmd('Page.setWebLifecycleState', {'state': 'active'})
            check(clock() - before <= 2.5, f'the clock ran on while the tab was hidden: {before} to {clock()}')
            driver.execute_cdp_cmd('Emulation.setFocusEmulationEnabled', {'enabled': True})
            driver.execute_cdp_cmd('Page.bringToFront', {})  # seen again
        start, at_start = time.monotonic(), clock()
        time.sleep(1.0)
        ran, elapsed = clock() - at_start, time.monotonic() - start
        check(0.6 * 25 * elapsed < ran < 1.2 * 25 * elapsed + 2.5,
              f'clock on by {ran} in {elapsed:.2f} s at 250 passes a second' + ' after a hidden tab' * hidden)
    replay_in_page(driver, ['button Zeitdiagramm ein oder aus', 'button Harmonische Anregung ein oder aus',
                            'doubleclick 300,326'])
    spoken = [driver.execute_script('window.spoken = 0;' + AFTER.format(2300, 'spoken'))]
    driver.find_element(By.ID, 'TimeDiagramSpan').send_keys('a')
    spoken.append(driver.execute_script(AFTER.format(100, 'spoken')))
    check(spoken == [0, 1], f'the diagram spoken {spoken[0]} times in 2.3 s as it ran, {spoken[1]} after A')
    named(driver, 'button', 'Lauf anhalten').click()
    time.sleep(0.1)
    halted = clock()
    check(not driver.execute_script(AFTER.format(300, 'ondix.framePending()')) and clock() == halted,
          f'frames asked for while halted, or the clock on from {halted} to {clock()}')


# The chain's dots on the canvas: how many of the 98 masses have their centre pixel black on the
# midline, and how many black pixels lie away from it (beyond a dot's reach); and the tape's
# ticks: the runs of black pixels in the row just above the line y = 1.
CHAIN_ON_CANVAS = '''
const c = document.querySelector('[role=application]');
const w = c.width, h = c.height;
const d = c.getContext('2d').getImageData(0, 0, w, h).data;
const black = (x, y) => d[4 * (y * w + x)] < 64 && d[4 * (y * w + x) + 1] < 64 && d[4 * (y * w + x) + 2] < 64;
const mid = Math.round(h / 2), reach = Math.ceil(h / 60);
let onMidline = 0, elsewhere = 0, ticks = 0;
for (let i = 1; i <= 98; ++i) onMidline += black(Math.round(i * w / 100), mid);
for (let y = 0; y < h; ++y) for (let x = 0; x < w; ++x) elsewhere += Math.abs(y - mid) > reach && black(x, y);
const row = Math.round((1 - 0.05 - -3) / 6 * h);
for (let x = 1; x < w; ++x) ticks += black(x, row) && !black(x - 1, row);
return [onMidline, elsewhere, ticks];
'''


def robust_page_test(driver):
    """The chain from the first frame and after clearings while halted, read-outs that take no
    typing, a tape's marks through a resize, and "Ende" with its way back, on mouse and finger."""
    open_page(driver, SITE, '#test')
    driver.get_log('browser')
    check(driver.execute_script(CHAIN_ON_CANVAS) == [98, 0, 0],
          f'first frame: {driver.execute_script(CHAIN_ON_CANVAS)} (masses on the midline, black elsewhere, ticks)')
    replay_in_page(driver, ['drag left 10,326 10,150 10,326', 'passes 300', 'button Lauf anhalten'])  # then Halt
    for clearing in ['Alle Auslenkungen auf null', 'Löschen: Kette und Uhr auf null']:
        replay_in_page(driver, ['drag left 10,326 10,100', 'passes 50', 'button ' + clearing])
        check(driver.execute_script(CHAIN_ON_CANVAS) == [98, 0, 0],
              f'{clearing} while halted: {driver.execute_script(CHAIN_ON_CANVAS)}')
    for name, typed in [('Periode', '50'), ('Uhr', 'abc')]:
        shown = (box := named(driver, 'textbox', name)).get_attribute('value')
        ActionChains(driver).click(box).send_keys(typed + Keys.ENTER).perform()
        now = driver.execute_script('return [document.activeElement === arguments[0], document.activeElement.value]', box)
        check(now == [True, shown], f'{name} focused and unchanged by typing {typed!r}: {now}')
    # The tape from x = 10 to 30 at y = 1 (design pixels), then a new size of the window.
    replay_in_page(driver, ['drag right 128,435 250,435 383,435'])
    readout = named(driver, 'textbox', 'Messband')
    tape = lambda: [driver.execute_script(CHAIN_ON_CANVAS)[2], readout.is_displayed(), readout.get_attribute('value')]  # noqa: E731
    before = tape()
    set_scale(driver, 1000, 800, 1.5)
    check(before == tape() == [20, True, '19,9'], f'tape through a resize: {before} before, {tape()} after')
    set_scale(driver, 1276, design_height, 1)
    # "Ende", closed by Escape with a mouse, by its button with a finger: each starts again.
    for finger in [False, True]:
        driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': finger, 'maxTouchPoints': 5})
        open_page(driver, SITE, '#test')
        named(driver, 'button', 'Ende').click()
        message = driver.find_element(By.ID, 'messageText').text
        button = driver.find_element(By.ID, 'messageOk')
        size = [button.rect['width'], button.rect['height']]
        check(message.startswith('Die Wellenmaschine ist beendet.') and button.text == 'Neu starten'
              and (not finger or min(size) >= 44), f'end message {message!r}, button {button.text!r} {size}')
        driver.execute_script('document.body.dataset.ready = ""')
        button.click() if finger else ActionChains(driver).send_keys(Keys.ESCAPE).perform()
        time.sleep(0.5)
        check(started(driver) and driver.execute_script('return ondix.running()')
              and driver.execute_script(CHAIN_ON_CANVAS)[0] == 98, 'started again after "Ende"')
    driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': False})
    log = console_errors(driver)
    check(not log, f'browser console after the clearings, the tape and "Ende": {log}')


# The time diagram's canvas against the module's pixels inside the plot, where no text lies: the
# pixels that differ, and those of the two curves (blue and green).
STRIP_COVERS = '''
const covers = (id) => {
  const strip = document.getElementById(id).getBoundingClientRect(), covered = [];
  for (const e of document.querySelectorAll('[id]')) {
    const r = e.getBoundingClientRect();
    const encloses = r.left <= strip.left && r.right >= strip.right && r.top <= strip.top && r.bottom >= strip.bottom;
    if (e.closest('#' + id) || encloses || r.width === 0 || r.height === 0) continue;
    if (r.left < strip.right && r.right > strip.left && r.top < strip.bottom && r.bottom > strip.top) covered.push(e.id);
  }
  const view = document.querySelector('[role=application]').getBoundingClientRect();
  return [covered, document.getElementById('TimeDiagramCanvas').clientHeight,
    Math.max(strip.top - view.bottom, strip.left - view.right)];
};
'''
DIAGRAM_IS_MODULE = '''
const c = document.getElementById('TimeDiagramCanvas');
const w = c.width, h = c.height;
const shown = c.getContext('2d').getImageData(0, 0, w, h).data;
const bytes = new Uint8Array(ondix.buffer(), Number(c.dataset.bytes), w * h * 4);
let wrong = 0, curves = 0;
for (let y = 28; y < h - 42; ++y) {
  for (let x = 50; x < w - 20; ++x) {
    const i = 4 * (y * w + x);
    wrong += shown[i] !== bytes[i] || shown[i + 1] !== bytes[i + 1] || shown[i + 2] !== bytes[i + 2];
    curves += bytes[i] === 0 && (bytes[i + 1] === 0 && bytes[i + 2] === 255 || bytes[i + 1] === 150 && bytes[i + 2] === 0);
  }
}
return [wrong, curves];
'''


def time_diagram_test(driver):
    """The time diagram's panel: a double click chooses ball 19 and the keys M, Right and D ball
    10; the panel, below the chain view, shows the module's pixels and labels."""
    open_page(driver, SITE, '#test')
    replay_in_page(driver, ['doubleclick 255,326', 'key M', 'key Right', 'key D', 'button Zeitdiagramm ein oder aus', 'passes 300'])
    panel = driver.find_element(By.ID, 'TimeDiagram')
    labels = driver.execute_script('return JSON.parse(document.getElementById("TimeDiagramCanvas").dataset.labels)')
    want = ['0', '20', '40', '60', '80', '100', 'y in Kugelabständen (oben positiv)', 't in Zeiteinheiten',
            'Kugel 19: noch keine ganze Periode', 'Kugel 10: noch keine ganze Periode']
    marks = labels[:len(labels) - len(want)]  # y's, up positive: as many as the plot's height leaves room for
    check(panel.is_displayed() and labels[len(marks):] == want and marks == sorted(set(marks) | {'3', '0', '-3'}, key=int, reverse=True),
          f'diagram labels {labels}')
    wrong, curves = driver.execute_script(DIAGRAM_IS_MODULE)
    check(wrong == 0 and curves > 100, f'diagram canvas: {wrong} pixels differ from the module, {curves} of the curves')
    # The strip clear of the view, covering no control, here and on a small screen; its canvas keeps its least height.
    for width, height in [(1276, design_height), (1024, 768)]:
        replay_in_page(driver, [f'screen {width} {height}', 'passes 1'])
        covered, canvas_height, below = driver.execute_script(STRIP_COVERS + 'return covers("TimeDiagram")')
        check(not covered and canvas_height >= 110 and below >= 0,
              f'{width}x{height}: the strip covers {covered}, its canvas {canvas_height} px high, {below} px clear of the view')
    set_scale(driver, 1276, design_height, 1)
    driver.find_element(By.ID, 'TimeDiagramClose').click()
    check(not panel.is_displayed() and named(driver, 'button', 'Zeitdiagramm ein oder aus').get_attribute('aria-pressed') == 'false',
          'the panel closed by its button')


# The prepared experiments and the saved files. The page's downloads are captured as it hands them
# to the browser: each Blob and the name offered, and none leaves the page.
TITLES = ['Reflexion am festen und am losen Ende', 'Fortschreitende Welle und Wellenlänge', 'Stehende Wellen',
          'Die Geschwindigkeit der Welle', 'Brechung', 'Das Hindernis', 'Dispersion',
          'Die Grenzperiode der Pendelkette', 'Phasen- und Gruppengeschwindigkeit']
CAPTURE = '''
window.saved = { blobs: [], names: [] }, window.make = URL.createObjectURL;
URL.createObjectURL = (blob) => { saved.blobs.push(blob); return make.call(URL, blob); };
HTMLAnchorElement.prototype.click = function () { saved.names.push(this.download); };
'''
# The list as shown: its heading, each title's accessible name and whether a finger's target, the focused control; the
# instruction's strip: its title, parts, the controls it covers, whether clear of the view, whether its foot fades, whether its
# text scrolled to the end lies inside it; whether the page scrolls, the controls beyond the page, values, options chosen.
EXPERIMENTS_SHOWN = SAID + STRIP_COVERS + '''
const $ = (id) => document.getElementById(id), seen = (e) => e.getClientRects().length > 0;
const list = document.querySelector('dialog[open]'), panel = $('Instruction'), text = panel.lastChild;
return { list: list ? [said($('ExperimentsTitle')), ...[...list.querySelectorAll('li button')].map((b) => [said(b), b.offsetHeight >= 44])] : null,
  focus: said(document.activeElement), panel: seen(panel) ? [said($('InstructionTitle')), panel.querySelectorAll('p').length,
    covers('Instruction')[0], covers('Instruction')[2] >= 0, text.classList.contains('more'),
    (text.scrollTop = text.scrollHeight, text.lastChild.getBoundingClientRect().bottom <= panel.getBoundingClientRect().bottom)] : null,
  room: [document.documentElement.scrollHeight > innerHeight || document.documentElement.scrollWidth > innerWidth,
    [...document.querySelectorAll('.window [id]')].filter(seen).filter((e) => e.getBoundingClientRect().bottom + scrollY > document.documentElement.scrollHeight + 0.5).length],
  values: ['Amplitude', 'Periode'].map((n) => document.querySelector(`input[aria-label=${n}]`).value),
  chosen: [...document.querySelectorAll('input[type=radio]:checked')].map(said) };
'''
# At 1024 x 768 by touch: steps and what EXPERIMENTS_SHOWN then returns. The touch panels leave the view too little
# there: the page scrolls beneath it, the instruction whole after the panels, no control beyond the page.
EXPERIMENTS = [
    ('the list', 'button Vorbereitete Versuche', {'list': ['Versuche'] + [[t, True] for t in TITLES], 'focus': TITLES[0]}),
    ('the third by the keys', 'key Down; key Down; key Return', {'panel': ['Stehende Wellen', 4, [], True, False, True],
     'values': ['0,1', '77,6'], 'chosen': ['Torsionskette'], 'focus': 'Stehende Wellen', 'room': [True, 0]}),
    ('Escape in the instruction', 'key Esc', {'panel': None, 'focus': 'Vorbereitete Versuche'}),
    ('beside the open diagram', 'button Zeitdiagramm ein oder aus; button Vorbereitete Versuche; button Brechung',
     {'panel': ['Brechung', 4, [], True, False, True], 'room': [True, 0]}),
    ('a new choice replaces the instruction', 'button Vorbereitete Versuche; button Dispersion',
     {'panel': ['Dispersion', 4, [], True, False, True], 'room': [True, 0]}),
    ('closed by its button', 'click InstructionClose', {'panel': None, 'chosen': ['Pendelkette']}),
    ('the ninth\'s close button tapped', f'button Vorbereitete Versuche; button {TITLES[8]}; tap InstructionClose', {'panel': None}),
]


# The CSV's bytes read back against the diagram's samples in memory (16 bytes each: t, then two y): its type, name,
# byte order mark, header, rows, the cells not written as the clock's hundredths and y to four decimals (never -0,0000)
# or not the sample's, whether most rows have y not 0.
CSV_IS_SAMPLES = '''
const done = arguments[arguments.length - 1], blob = saved.blobs.at(-1);
blob.arrayBuffer().then((buffer) => {
  const bytes = new Uint8Array(buffer), text = new TextDecoder('utf-8', { ignoreBOM: true }).decode(bytes.subarray(3));
  const d = ondix.diagram(), memory = new DataView(ondix.buffer(), d.samples, d.bytes);
  const [header, ...rows] = text.split('\\r\\n').slice(0, -1);
  let wrong = rows.length === d.bytes / 16 ? 0 : 1000000;
  rows.forEach((row, i) => row.split(';').forEach((cell, c) => {
    const t = memory.getFloat64(16 * i, true), y = c > 0 ? -memory.getFloat32(16 * i + 4 + 4 * c, true) : 0;
    const value = Number(cell.replace(',', '.'));
    wrong += c === 0 ? !/^\\d+(,\\d\\d?)?$/.test(cell) || value !== Math.floor(t * 100 + 0.05) / 100
      : Number.isNaN(y) ? cell !== '' : !/^-?\\d+,\\d{4}$/.test(cell) || cell === '-0,0000' || Math.abs(value - y) > 0.00006;
  }));
  done([blob.type, saved.names.at(-1), [...bytes.subarray(0, 3)].join(), header, rows.length, wrong,
    rows.filter((r) => !/;-?0,0000$/.test(r)).length > 200]);
});
'''
# The PNG decoded against the module's picture (SavedImage): its type, name, size against the module's, the pixels that
# differ away from the texts' rows, the view's labels (above the diagram's first text) with no pixel of text written.
PNG_IS_MODULES = '''
const done = arguments[arguments.length - 1];
const image = ondixPage.api.savedImage(), raw = ondixPage.api.bytes(image.bytes, image.width * image.height * 4).slice();
const made = () => new Promise((ready) => (function wait() { saved.names.length > 1 ? ready(saved.blobs.at(-1)) : setTimeout(wait, 20); })());
made().then((blob) => createImageBitmap(blob, { colorSpaceConversion: 'none', premultiplyAlpha: 'none' }).then((bitmap) => {
  const png = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
  png.drawImage(bitmap, 0, 0);
  const data = png.getImageData(0, 0, bitmap.width, bitmap.height).data, written = new Set();
  for (const t of image.texts) for (let y = t.y - t.pixels; y <= t.y + t.pixels; ++y) written.add(y);
  const inked = image.texts.map(() => 0);
  let strays = 0;
  for (let i = 0; i < raw.length && bitmap.width === image.width; i += 4) {
    if (raw[i] === data[i] && raw[i + 1] === data[i + 1] && raw[i + 2] === data[i + 2]) continue;
    const x = (i / 4) % image.width, y = Math.floor(i / 4 / image.width);
    strays += !written.has(y);
    image.texts.forEach((t, k) => { inked[k] += Math.abs(y - t.y) < 8 && x >= t.x && x < t.x + 40; });
  }
  const view = image.texts.filter((t) => t.pixels === image.texts[0].pixels).length;
  done([blob.type, saved.names.at(-1), bitmap.width === image.width && bitmap.height === image.height, strays,
    inked.slice(0, view).filter((n) => n === 0).length]);
})).catch((error) => done(String(error)));
'''


def experiments_and_saving_test(driver):
    """At the design size the diagram's samples as CSV and the module's picture as PNG with its texts written; a
    PNG that cannot be made shows the message and changes nothing. Then EXPERIMENTS at 1024 x 768 by touch."""
    open_page(driver, SITE, '#test')
    driver.execute_script(CAPTURE)
    replay_in_page(driver, ['button Vorbereitete Versuche', 'button Fortschreitende Welle und Wellenlänge', 'key Esc', 'doubleclick 26,326',
                            'button Zeitdiagramm ein oder aus', 'passes 300', 'button Die Messwerte des Zeitdiagramms als Tabelle speichern'])
    found = [driver.execute_async_script(CSV_IS_SAMPLES)]
    replay_in_page(driver, ['button Die Wellenmaschine als Bild speichern'])
    found.append(driver.execute_async_script(PNG_IS_MODULES))
    check(found == [['text/csv;charset=utf-8', 'Zeitdiagramm.csv', '239,187,191', 't in Zeiteinheiten;Kugel 1: y in Kugelabständen (oben positiv)',
                     300, 0, True], ['image/png', 'Wellenmaschine.png', True, 0, 0]], f'the samples and the view saved: {found}')
    before = driver.execute_script('HTMLCanvasElement.prototype.toBlob = (done) => done(null); return [ondix.panels(), saved.blobs.length]')
    replay_in_page(driver, ['button Die Wellenmaschine als Bild speichern'])
    message = driver.find_element(By.ID, 'messageText').text
    check(message == 'Die Datei „Wellenmaschine.png“ konnte nicht gespeichert werden.'
          and driver.execute_script('return [ondix.panels(), saved.blobs.length]') == before, f'a PNG not made: "{message}"')
    driver.find_element(By.ID, 'messageOk').click()
    driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 5})
    set_scale(driver, 1024, 768, 1)
    open_page(driver, SITE, '#test')
    for what, steps, want in EXPERIMENTS:
        replay_in_page(driver, steps.split('; '))
        now = driver.execute_script(EXPERIMENTS_SHOWN)
        check({k: now[k] for k in want} == want, f'{what}: {now}')
    driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': False})


# What the page shows: end (its dot above the midline in units of y, "up" from 0.3; None beyond the view), held
# ("Festes Ende" hidden), pointer and tape (the keyboard pointer, the tape's read-out), focus (the focused control's
# name), strip and info (open), carrier (the information button's caption), infoCut (the information page's blocks
# cut or beyond the window), linkReachable, diagram (its text alternative in the accessibility tree, y "up" from 0.3).
SHOWN_NOW = SAID + '''
const $ = (id) => document.getElementById(id), seen = (e) => e.getClientRects().length > 0;
const view = document.querySelector('[role=application]'), w = view.width, h = view.height;
const d = view.getContext('2d').getImageData(Math.round(w / 100) - 1, 0, 3, h).data; let rows = 0, dots = 0;
for (let i = 0; i < 3 * h; ++i) if (d[4 * i] < 64 && d[4 * i + 1] < 64 && d[4 * i + 2] < 64) { rows += Math.floor(i / 3); dots += 1; }
const end = Math.round((h / 2 - rows / dots) / (h / 6) * 10) / 10, info = $('info').getBoundingClientRect();
const inView = (selector) => [...view.parentElement.querySelectorAll(selector)].filter(seen);
return { end: dots ? (end >= 0.3 ? 'up' : end) : null,
  held: !inView('.label').some((l) => l.textContent === 'Festes Ende'), pointer: inView('.pointer').length > 0,
  tape: (inView('input')[0] || {}).value || null, focus: document.activeElement === document.body ? '' : said(document.activeElement),
  strip: seen($('TimeDiagram')), info: $('info').open, period: document.querySelector('input[aria-label=Periode]').value,
  carrier: [...document.querySelectorAll('.window button')].map(said).find((t) => t.startsWith('Info')),
  infoCut: [...document.querySelectorAll('#infoPage div')].filter((b) => b.scrollHeight > b.clientHeight + 1
    || b.scrollWidth > b.clientWidth + 1 || b.getBoundingClientRect().right > info.right).length
    + (info.right > innerWidth || info.left < 0),
  linkReachable: !$('setupLink').closest('[inert]') && !$('message').contains($('setupLink')) };
'''
# The view's and the dialogs' own behaviours from a new page at the design size: the steps (as in session.steps, and
# the page's own) and what the page then shows.
BEHAVIOURS = [
    'a left drag moves the end | drag left 10,326 10,150; passes 1 | end up; held False',
    'the end held by the mouse | press left 10,326 10,150 | held True',
    'a drag that leaves the view and comes back | drag left 10,326 10,900 10,600 10,150; passes 1 | end up; held False',
    'a drag let go below the view | drag left 10,326 10,150 10,900; passes 1 | end None; held False',
    'Space lays and ends the tape | focus; key M; key Space; key Right 2; key Space | tape 2; pointer False',
    'the focus lost while the keys hold the end | focus; hold Up; key Tab | held False; focus Amplitude',
    'the focus lost while the tape is laid | focus; key M; key Space; key Right; key Tab | tape 1; pointer False',
    'the driven point chosen by D, its figures said at A in the strip | button Harmonische Anregung ein oder aus; focus; key M; '
    'key Left 9; key D; key Esc; button Zeitdiagramm ein oder aus; passes 1100; focus; key Tab; key A '
    '| diagram Anfangspunkt: Amplitude 1,00, Periode 25,0',
    'the focus band over the instruction beneath the view | button Vorbereitete Versuche; button Brechung; focus; key M; key Esc '
    '| band True',
    'Escape on a link-opened instruction | open ?versuch=3; focus Instruction; key Esc | focus Wellenmaschine',
    'an arrow key within the chain type | radio Torsionskette; key Down | focus Pendelkette; carrier Info zur Pendelkette',
    'PageDown and PageUp on a bar: its large change | scrollbar Periode; key PageDown 2; key PageUp | period 26',
    'Escape on the view closes the strip | button Zeitdiagramm ein oder aus; focus; key Esc | strip False; focus Wellenmaschine',
    'Escape puts the pointer away first | button Zeitdiagramm ein oder aus; focus; key M; key Esc | strip True; pointer False',
    'Tab to the strip, Escape in it | button Zeitdiagramm ein oder aus; focus; key Tab; key Esc | strip False; focus Wellenmaschine',
    'Escape closes the information window | button Info zur Torsionskette; key Esc | info False; focus Info zur Torsionskette',
    'the information page on a phone | screen 412 915; button Info zur Torsionskette | info True; infoCut 0',
    'the end message keeps the focus | button Ende; key Tab; focus | focus Neu starten; linkReachable False',
]


# The share of a screenshot's row of pixels in the blue of the view's focus band.
BLUE = '''const done = arguments[1]; createImageBitmap(new Blob([Uint8Array.from(atob(arguments[0]), (c) => c.charCodeAt(0))]))
  .then((b) => { const c = new OffscreenCanvas(b.width, 1).getContext('2d'); c.drawImage(b, 0, 0);
    done(c.getImageData(0, 0, b.width, 1).data.filter((v, i) => i % 4 === 0 && v === 0x2a).length / b.width); });'''


def behaviours_test(driver):
    found = []
    for row in BEHAVIOURS:
        what, steps, expected = row.split(' | ')
        set_scale(driver, 1276, design_height, 1)
        open_page(driver, SITE, '#test')
        replay_in_page(driver, steps.split('; '))
        shown = driver.execute_script(SHOWN_NOW)
        shown['diagram'] = accessible(driver, 'TimeDiagramCanvas')[0] if 'diagram' in expected else None
        if 'band' in expected:  # as painted, 2 pixels beneath the view
            bottom, width = driver.execute_script(f'const r = {VIEW}.getBoundingClientRect(); return [r.bottom, r.width]')
            shot = driver.execute_cdp_cmd('Page.captureScreenshot', {'clip': {'x': 0, 'y': bottom + 2, 'width': width, 'height': 1, 'scale': 1}})
            shown['band'] = driver.execute_async_script(BLUE, shot['data']) > 0.9
        found.append(f'{what} | {steps} | ' + '; '.join(f'{k} {shown[k]}' for k in (e.split()[0] for e in expected.split('; '))))
        ActionBuilder(driver).clear_actions()  # no key or button left held for the next row
    diff = difflib.unified_diff(BEHAVIOURS, found, 'expected', 'page', lineterm='', n=0)
    check(found == BEHAVIOURS, 'the view\'s and the dialogs\' behaviours differ:\n' + '\n'.join(diff))


def exports_test(site):
    source = lambda path: open(os.path.join(os.path.dirname(__file__), '../..', path), encoding='utf-8').read()  # noqa: E731
    exported = lambda path: re.findall(r'EMSCRIPTEN_KEEPALIVE [^(]*\b(ondix_\w+)\(', source(path))  # noqa: E731
    names = exported('web/page_test_api.cpp')
    site, tests = (source(os.path.join(folder, 'ondix.js')) for folder in (site, SITE))  # absolute: the folders'
    check(names and all(n in tests and n not in site for n in names), f'the tests\' exports {names}: in the tests\' '
          f'module {[n in tests for n in names]}, in the site\'s {[n in site for n in names]}')
    every = sorted(exported('web/page_api.cpp') + names)
    wrapped = sorted(re.findall(r"'(ondix_\w+)'", source('web/module_api.js')))
    check(wrapped == every, f'module_api.js wraps not every export once: {sorted(set(every) ^ set(wrapped)) or wrapped}')


def main():
    global SITE, STEPS, GOLDEN, SESSION, design_height
    SITE, STEPS, GOLDEN, SESSION = sys.argv[2:6]
    exports_test(sys.argv[1])
    # The window as high as puts the chain view at its design size: the picture 1276 x 653 at scale 1.
    driver = browser(1276, 980)
    try:
        run(driver)
    finally:
        driver.quit()
    preferred_language_test()
    sys.exit(1 if failures else 0)


def run(driver):
    """Every check of the page, in one browser."""
    global design_height
    design_height = at_design_size(driver, SITE, '#test')
    steps = [l for l in open(STEPS).read().splitlines() if l.strip() and not l.startswith('#')]
    for scale in [1, 1.25, 1.5, 2]:
        set_scale(driver, 1276, design_height, scale)
        open_page(driver, SITE, '#test')
        checks.clear()
        replay_in_page(driver, steps)
        width, height, drawn_width, drawn_height, wrong, first = driver.execute_script(CANVAS_IS_PICTURE)
        check((width, height, wrong) == (drawn_width, drawn_height, 0),
              f'device scale {scale}: canvas {width}x{height} differs from the picture {drawn_width}x'
              f'{drawn_height} in {wrong} pixels, the first at {first}')
        if scale == 1:
            session_test(driver, steps)
    control_tree_test(driver)
    set_scale(driver, 1276, design_height, 1)
    robust_page_test(driver)
    time_diagram_test(driver)
    experiments_and_saving_test(driver)
    behaviours_test(driver)
    run_time_error_test(driver)
    pacing_test(driver)
    log = [entry for entry in console_errors(driver) if 'Laufzeitfehler' not in entry['message'] and 'abort' not in entry['message']]
    check(not log, f'browser console errors: {log}')


if __name__ == '__main__':
    main()
