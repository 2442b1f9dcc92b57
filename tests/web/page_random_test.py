#!/usr/bin/python3
"""A seeded random run on the page in headless Chromium, opened over file:// (#test), like the
desktop's classroom run but shorter: clicks on every button and option but "Ende", the scroll
bars' arrows, tracks, thumb drags and keys, the mouse's left and right buttons and fingers in
and beside the chain view, the view's keys, the information window opened and closed, passes of
the run, real fingers through the browser, and resizes of the window. Most events are real
PointerEvent, KeyboardEvent and click events dispatched on the real elements by a script in the
page, which is fast; the fingers and the resizes come through the browser.

After every 1,000 events every control must show what the module holds (caption, visibility,
check, value, back colour), and at the end the browser's log must hold no error.

page_random_test.py <site folder> [events]; ONDIX_RANDOM_SEED=<seed> replays a run."""
import os
import random
import sys

from headless_chromium import VIEW, browser, check, console_errors, failures, open_page, set_scale

BATCH = 250

# One batch of events from the page's own seeded generator; returns the events sent by kind.
EVENTS_IN_PAGE = r'''
const [seed, count] = arguments;
let s = seed >>> 0;
const rnd = () => { s = (s + 0x6D2B79F5) >>> 0; let t = s;
  t = Math.imul(t ^ (t >>> 15), t | 1); t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296; };
const pick = (list) => list[Math.floor(rnd() * list.length)];
const $ = (id) => document.getElementById(id);
const canvas = document.querySelector('[role=application]');
const clickable = [...document.querySelectorAll('.window button, .window input[type=radio]')]
  .filter((e) => e.textContent !== 'Ende');
const bars = [...document.querySelectorAll('.window .bar')];
const sent = {};
const point = (spread) => { const r = canvas.getBoundingClientRect();
  return [r.left + (rnd() * (1 + 2 * spread) - spread) * r.width,
    r.top + (rnd() * (1 + 2 * spread) - spread) * r.height]; };
const pointer = (target, type, x, y, fields) => target.dispatchEvent(new PointerEvent(type,
  Object.assign({ bubbles: true, cancelable: true, composed: true, clientX: x, clientY: y,
    pointerId: 1, isPrimary: true }, fields)));
const key = (target, type, k) => target.dispatchEvent(new KeyboardEvent(type,
  { key: k, bubbles: true, cancelable: true, shiftKey: rnd() < 0.3 }));
// A press, a few moves and a release in the view, by mouse button or finger.
function drag(pointerType, button) {
  const buttons = button === 2 ? 2 : 1;
  let [x, y] = point(0.05);
  pointer(canvas, 'pointerdown', x, y, { pointerType, button, buttons });
  for (let i = Math.floor(rnd() * 6); i > 0; --i) {
    [x, y] = rnd() < 0.8 ? [x + (rnd() - 0.5) * 80, y + (rnd() - 0.5) * 60] : point(0.3);
    pointer(canvas, 'pointermove', x, y, { pointerType, button: -1, buttons });
  }
  pointer(canvas, rnd() < 0.05 ? 'pointercancel' : 'pointerup', x, y,
    { pointerType, button, buttons: 0 });
}
const kinds = {
  click: () => pick(clickable).click(),
  arrow: () => pick(bars).querySelector(rnd() < 0.5 ? '.down' : '.up').click(),
  track: () => { const t = pick(bars).querySelector('.track'); const r = t.getBoundingClientRect();
    pointer(t, 'pointerdown', r.left + rnd() * r.width, r.top + r.height / 2,
      { pointerType: 'mouse', button: 0, buttons: 1 }); },
  thumb: () => { const th = pick(bars).querySelector('.thumb'); const r = th.getBoundingClientRect();
    const x = r.left + r.width / 2; const y = r.top + r.height / 2; const d = (rnd() - 0.5) * 300;
    pointer(th, 'pointerdown', x, y, { pointerType: 'mouse', button: 0, buttons: 1 });
    pointer(th, 'pointermove', x + d / 2, y, { pointerType: 'mouse', button: -1, buttons: 1 });
    pointer(th, 'pointermove', x + d, y, { pointerType: 'mouse', button: -1, buttons: 1 });
    pointer(th, 'pointerup', x + d, y, { pointerType: 'mouse', button: 0, buttons: 0 }); },
  barKey: () => { const b = pick(bars); b.focus();
    key(b, 'keydown', pick(['ArrowLeft', 'ArrowRight', 'PageUp', 'PageDown', 'Home', 'End'])); },
  left: () => drag('mouse', 0),
  right: () => drag('mouse', 2),
  finger: () => drag('touch', 0),
  viewKey: () => { canvas.focus(); const k = pick(['ArrowUp', 'ArrowDown', 'ArrowLeft',
    'ArrowRight', 'm', 'Enter', ' ', 'Escape', 'a']);
    key(canvas, 'keydown', k); if (rnd() < 0.8) key(canvas, 'keyup', k); },
  blur: () => { if (document.activeElement) document.activeElement.blur(); },
  info: () => { if ($('info').open) $('infoClose').click(); else clickable.find((e) => e.textContent.trim().startsWith('Info')).click(); },
  passes: () => ondix.runPasses(1 + Math.floor(rnd() * 40)),
};
const weights = { click: 12, arrow: 8, track: 5, thumb: 5, barKey: 5, left: 12, right: 10,
  finger: 8, viewKey: 15, blur: 2, info: 1, passes: 17 };
const table = Object.entries(weights).flatMap(([k, w]) => Array(w).fill(k));
for (let i = 0; i < count; ++i) {
  const kind = pick(table);
  kinds[kind]();
  sent[kind] = (sent[kind] || 0) + 1;
}
if ($('info').open) $('infoClose').click();
return sent;
'''

# Every control as the module holds it against what the page shows; the differences.
PAGE_SHOWS_MODULE = r'''
const wrong = [];
for (const s of ondix.panels()) {
  const e = document.getElementById(s.name);
  if (s.name === ondix.form.window.name) {
    if (document.title !== s.pageTitle) wrong.push(['title', document.title, s.pageTitle]);
    continue;
  }
  if (!e || e.tagName === 'CANVAS') continue;
  const holder = e.type === 'radio' ? e.parentElement : e;
  const visible = holder.style.display !== 'none';
  let caption = e.textContent;
  if (e.type === 'radio') caption = holder.querySelector('span').textContent;
  else if (e.tagName === 'INPUT') caption = e.value;
  else if (e.classList.contains('frame')) caption = e.querySelector('.caption').textContent;
  const shown = { visible, caption, checked: e.type === 'radio' ? e.checked : s.checked };
  const held = { visible: s.visible, caption: s.caption, checked: s.checked };
  if (s.range) {
    shown.value = Number(e.getAttribute('aria-valuenow'));
    held.value = s.value;
    shown.caption = held.caption;
  } else if (e.classList.contains('pointer')) {
    shown.caption = held.caption;
  }
  if (s.back) [shown.back, held.back] = [holder.dataset.back, s.back];
  if (JSON.stringify(shown) !== JSON.stringify(held)) wrong.push([s.name, shown, held]);
}
return wrong;
'''

FINGER_SIZES = [(1276, 980), (1024, 768), (800, 1280), (1920, 1080), (844, 390), (1366, 768)]


def main():
    site = sys.argv[1]
    events = int(sys.argv[2]) if len(sys.argv) > 2 else 20000
    seed = int(os.environ.get('ONDIX_RANDOM_SEED', random.randrange(1 << 31)))
    driver = browser(1276, 980)
    try:
        print(f'seed {seed}, {events} events')
        generator = random.Random(seed)
        open_page(driver, site, '#test')
        driver.get_log('browser')
        sent = {}
        for done in range(BATCH, events + BATCH, BATCH):
            for kind, n in driver.execute_script(EVENTS_IN_PAGE, generator.randrange(1 << 31), BATCH).items():
                sent[kind] = sent.get(kind, 0) + n
            if generator.random() < 0.3:
                # A finger through the browser: real touch events, down, moves and up.
                canvas = driver.execute_script(f'const r = {VIEW}.getBoundingClientRect(); return [r.left, r.top, r.width, r.height]')
                x, y = (canvas[0] + generator.random() * canvas[2], canvas[1] + generator.random() * canvas[3])
                driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': 'touchStart', 'touchPoints': [{'x': x, 'y': y}]})
                for _ in range(generator.randrange(1, 5)):
                    x, y = x + generator.uniform(-40, 40), y + generator.uniform(-30, 30)
                    driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': 'touchMove', 'touchPoints': [{'x': x, 'y': y}]})
                driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': 'touchEnd', 'touchPoints': []})
                sent['real finger'] = sent.get('real finger', 0) + 1
            if generator.random() < 0.5:
                set_scale(driver, *generator.choice(FINGER_SIZES), generator.choice([1, 1.5, 2]))
                sent['resize'] = sent.get('resize', 0) + 1
            if done % 1000 == 0 or done >= events:
                wrong = driver.execute_script(PAGE_SHOWS_MODULE)
                check(not wrong, f'after {done} events the page shows other than the module: {wrong}')
                if failures:
                    break
        stopped = driver.execute_script('return document.getElementById("message").hidden ? "" : '
                                        'document.getElementById("messageText").textContent')
        check(not stopped, f'the run stopped with the message {stopped!r}')
        log = console_errors(driver)
        check(not log, f'browser console: {log[:5]}')
        print('events sent:', ', '.join(f'{k} {n}' for k, n in sorted(sent.items())))
    finally:
        driver.quit()
    if failures:
        print(f'replay with ONDIX_RANDOM_SEED={seed}')
    sys.exit(1 if failures else 0)


if __name__ == '__main__':
    main()
