#!/usr/bin/python3
"""Measures the web edition in headless Chromium (a benchmark, run by hand, not a test).

bench/web_measure.py [--site DIR] [--before DIR] [--runs N] [--seconds S] [cpu|trace|screenshots]

cpu: the folder's size, the passes a second the module runs, and the processor load of all of
  Chromium's processes together (browser, renderer, GPU/viz, utility) as a share of one core,
  with the frames a second: an empty page, the page at rest, the standing wave (drive on,
  amplitude 2, free end, clock on) and a reference page that puts the same changed rectangles
  onto a canvas of the same size at the same pace and does nothing else. Each figure is taken
  in a new browser whose window really is 1920 x 1080 CSS pixels at a device pixel ratio of 1,
  the cases interleaved run by run; with --before a second site (an older build) is measured
  in the same runs, beside this one.
trace: where the standing wave's frames go, from Chromium's own trace: busy time per thread and
  the events that take it, per frame; then the same for the reference page with the rectangles
  of the same site (and so for the --before site).
screenshots: the page at a few sizes, with the wave, the tape and an information page."""
import argparse
import collections
import json
import os
import re
import statistics
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', 'tests', 'web'))
from headless_chromium import browser, open_page  # noqa: E402

WIDTH, HEIGHT = 1920, 1080
TRACE_CATEGORIES = 'devtools.timeline,blink,cc,gpu,viz,v8.execute,toplevel'


def real_window(width, height, trace=False):
    """Chromium in a window that really is width x height CSS pixels at device pixel ratio 1:
    the window's own size, no emulated metrics."""
    options = webdriver.ChromeOptions()
    for argument in ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic',
                     '--no-first-run', '--disable-background-networking',
                     '--disable-component-update', '--disable-sync', '--hide-scrollbars',
                     '--force-device-scale-factor=1', f'--window-size={width},{height}',
                     '--user-data-dir=' + tempfile.mkdtemp(prefix='ondix-chromium-')]:
        options.add_argument(argument)
    options.binary_location = '/usr/bin/chromium'
    if trace:
        options.set_capability('goog:loggingPrefs', {'performance': 'ALL'})
        options.add_experimental_option('perfLoggingPrefs', {
            'enableNetwork': False, 'enablePage': False, 'traceCategories': TRACE_CATEGORIES})
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    driver.get('about:blank')
    inner = driver.execute_script('return [innerWidth, innerHeight, devicePixelRatio]')
    if inner[:2] != [width, height]:
        # Whatever the window's frame takes is added, once.
        outer = driver.get_window_size()
        driver.set_window_size(outer['width'] + width - inner[0], outer['height'] + height - inner[1])
        inner = driver.execute_script('return [innerWidth, innerHeight, devicePixelRatio]')
    if inner != [width, height, 1]:
        driver.quit()
        raise RuntimeError(f'the window is {inner}, not {width} x {height} at 1')
    return driver


def process_tree_seconds(root):
    """Processor seconds, user and system, of every process below `root` (not root itself)."""
    parent, seconds = {}, {}
    tick = os.sysconf('SC_CLK_TCK')
    for entry in os.listdir('/proc'):
        if not entry.isdigit():
            continue
        try:
            with open(f'/proc/{entry}/stat') as f:
                fields = f.read().rsplit(')', 1)[1].split()
        except OSError:
            continue
        parent[int(entry)] = int(fields[1])
        seconds[int(entry)] = (int(fields[11]) + int(fields[12])) / tick
    below = collections.defaultdict(list)
    for p, pp in parent.items():
        below[pp].append(p)
    total, todo = 0.0, list(below[root])
    while todo:
        p = todo.pop()
        total += seconds[p]
        todo += below[p]
    return total


def machine_busy():
    """Seconds all cores were busy and the wall clock, for the machine's load meanwhile."""
    with open('/proc/stat') as f:
        cpu = [int(v) for v in f.readline().split()[1:]]
    return (sum(cpu) - cpu[3] - cpu[4]) / os.sysconf('SC_CLK_TCK'), time.monotonic()


# The page's frames and passes: counted where the pacing runs the passes of a frame.
COUNT_FRAMES = '''
const module = window.ondixPage.module;
if (!window.counted) {
  window.counted = { frames: 0, passes: 0 };
  const ccall = module.ccall;
  module.ccall = function (name, ...rest) {
    if (name === 'ondix_run_passes') {
      window.counted.frames += 1;
      window.counted.passes += rest[2][0];
    }
    return ccall.call(this, name, ...rest);
  };
}
'''
FRAMES = 'return window.counted ? [window.counted.frames, window.counted.passes] : ' \
    '[window.reference ? window.reference.frames : 0, 0]'

# Every rectangle the page puts onto the canvas, by frame, for the reference page.
RECORD_RECTS = '''
window.recorded = [];
const first = window.counted.frames;
const put = CanvasRenderingContext2D.prototype.putImageData;
CanvasRenderingContext2D.prototype.putImageData = function (image, dx, dy, x, y, w, h) {
  const frame = window.counted.frames - first;
  while (window.recorded.length <= frame) window.recorded.push([]);
  window.recorded[frame].push(x === undefined ? [dx, dy, image.width, image.height] : [x, y, w, h]);
  return put.apply(this, arguments);
};
'''


def standing_wave(driver):
    """Drive on, free end, clock on, amplitude 2; a few seconds for the wave to stand."""
    for control in ['Command7', 'Command9', 'Command8']:
        driver.find_element(By.ID, control).click()
    for _ in range(10):
        driver.find_element(By.CSS_SELECTOR, '#HScroll1 .up').click()
    time.sleep(3)


def measure(driver, seconds):
    """Percent of one core for Chromium's processes, frames and passes a second, and the whole
    machine's load meanwhile in cores."""
    root = driver.service.process.pid
    frames0, passes0 = driver.execute_script(FRAMES)
    busy0, wall0 = machine_busy()
    cpu0, start = process_tree_seconds(root), time.monotonic()
    time.sleep(seconds)
    cpu1, end = process_tree_seconds(root), time.monotonic()
    busy1, wall1 = machine_busy()
    frames1, passes1 = driver.execute_script(FRAMES)
    span = end - start
    return (100 * (cpu1 - cpu0) / span, (frames1 - frames0) / span, (passes1 - passes0) / span,
            (busy1 - busy0) / (wall1 - wall0))


def page_case(site, wave, seconds):
    d = real_window(WIDTH, HEIGHT)
    try:
        open_page(d, site)
        d.execute_script(COUNT_FRAMES)
        if wave:
            standing_wave(d)
        else:
            time.sleep(2)
        return measure(d, seconds)
    finally:
        d.quit()


def empty_case(seconds):
    d = real_window(WIDTH, HEIGHT)
    try:
        time.sleep(2)
        return measure(d, seconds)
    finally:
        d.quit()


def record(site, frames=150):
    """The rectangles the page puts in `frames` frames of the standing wave, the canvas's size
    in pixels and its box in CSS pixels."""
    d = real_window(WIDTH, HEIGHT)
    try:
        open_page(d, site)
        d.execute_script(COUNT_FRAMES)
        standing_wave(d)
        d.execute_script(RECORD_RECTS)
        while len(d.execute_script('return window.recorded')) < frames + 2:
            time.sleep(0.5)
        recorded = [f for f in d.execute_script('return window.recorded')[1:frames + 1] if f]
        size = d.execute_script('const c = document.getElementById("Picture1"); '
                                'const r = c.getBoundingClientRect(); '
                                'return [c.width, c.height, r.left, r.top, r.width, r.height]')
        return recorded, size
    finally:
        d.quit()


def reference_case(recording, size, seconds):
    d = real_window(WIDTH, HEIGHT)
    try:
        d.get('file://' + os.path.join(HERE, 'reference.html'))
        d.execute_script('window.reference.start(arguments[0], arguments[1], arguments[2], '
                         'arguments[3])', size[2:], size[0], size[1], recording)
        time.sleep(2)
        return measure(d, seconds)
    finally:
        d.quit()


def folder_size(site):
    files = os.listdir(site)
    return sum(os.path.getsize(os.path.join(site, f)) for f in files), len(files)


def passes_a_second(site):
    d = real_window(WIDTH, HEIGHT)
    try:
        open_page(d, site, '#test')
        d.find_element(By.ID, 'Command7').click()
        return d.execute_script('const t = performance.now(); ondix.runPasses(200000);'
                                'return 200000 / ((performance.now() - t) / 1000);')
    finally:
        d.quit()


def spread(values, digits=1):
    low, high = min(values), max(values)
    return f'{low:.{digits}f}–{high:.{digits}f} (median {statistics.median(values):.{digits}f})'


def cpu(args):
    sites = [('this', args.site)] + ([('before', args.before)] if args.before else [])
    for name, site in sites:
        size, count = folder_size(site)
        print(f'{name}: {site}: {size / 1024:.0f} KB in {count} files, '
              f'{passes_a_second(site):,.0f} passes a second (drive on, drawing included)')
    recordings = {}
    for name, site in sites:
        recording, size = record(site)
        recordings[name] = (recording, size)
        calls = [len(f) for f in recording]
        area = [sum(w * h for _, _, w, h in f) for f in recording]
        print(f'{name}: canvas {size[0]} x {size[1]} pixels in a box of {size[4]:.0f} x '
              f'{size[5]:.0f} CSS px; a frame of the standing wave puts {spread(calls, 0)} '
              f'rectangles, {spread(area, 0)} pixels')
    cases = [('empty page', lambda: empty_case(args.seconds))]
    for name, site in sites:
        cases.append((f'{name}: at rest', lambda site=site: page_case(site, False, args.seconds)))
        cases.append((f'{name}: standing wave',
                      lambda site=site: page_case(site, True, args.seconds)))
        recording, size = recordings[name]
        cases.append((f'{name}: reference page',
                      lambda r=recording, s=size: reference_case(r, s, args.seconds)))
    results = collections.defaultdict(list)
    for run in range(args.runs):
        for name, case in cases:
            results[name].append(case())
            load, fps, passes, machine = results[name][-1]
            print(f'run {run + 1}, {name}: {load:.1f} % of one core, {fps:.1f} frames/s, '
                  f'{passes:.0f} passes/s; machine busy {machine:.2f} of '
                  f'{os.cpu_count()} cores', flush=True)
    print(f'\nChromium, all processes, % of one core over {args.seconds:.0f} s windows, '
          f'{args.runs} runs, window {WIDTH} x {HEIGHT} at device pixel ratio 1:')
    print(f'{"case":32} {"CPU %":28} {"frames/s":28} machine busy (cores)')
    for name, _ in cases:
        r = results[name]
        print(f'{name:32} {spread([x[0] for x in r]):28} {spread([x[1] for x in r]):28} '
              f'{spread([x[3] for x in r], 2)}')
    for name, _ in sites:
        page = statistics.median(x[0] for x in results[f'{name}: standing wave'])
        ref = statistics.median(x[0] for x in results[f'{name}: reference page'])
        print(f'{name}: standing wave / reference page (medians): {page / ref:.2f}')


def trace_events(driver, tries=1):
    """The trace's events since the last call; the trace's data may come late, so with `tries`
    it is asked for again a few times while nothing came."""
    events = []
    for attempt in range(tries):
        for entry in driver.get_log('performance'):
            message = json.loads(entry['message'])['message']
            if message['method'] == 'Tracing.dataCollected':
                params = message['params']
                events += params['value'] if 'value' in params else [params]
        if events:
            break
        time.sleep(0.5)
    return events


def thread_names(root):
    """(pid, tid) -> 'process type/thread name' for Chromium's living threads below `root`."""
    names = {}
    for entry in os.listdir('/proc'):
        try:
            with open(f'/proc/{entry}/cmdline') as f:
                command = f.read().replace('\0', ' ')
            if 'chromium' not in command.split(' ', 1)[0]:
                continue
            kind = re.search(r'--type=(\S+)', command)
            kind = kind.group(1) if kind else 'browser'
            sub = re.search(r'--utility-sub-type=(\S+)', command)
            if sub:
                kind = sub.group(1).rsplit('.', 1)[-1]
            for tid in os.listdir(f'/proc/{entry}/task'):
                with open(f'/proc/{entry}/task/{tid}/comm') as f:
                    names[(int(entry), int(tid))] = f'{kind}/{f.read().strip()}'
        except (OSError, ValueError):
            continue
    return names


def where_frames_go(events, frames, names, top=8):
    """Busy time per thread (the top-level events' wall and thread time) and the events with
    the most thread time of their own, in milliseconds per frame."""
    by_thread = collections.defaultdict(list)
    open_ = collections.defaultdict(list)
    for e in events:
        key = (e.get('pid'), e.get('tid'))
        if e.get('ph') == 'X' and 'dur' in e:
            by_thread[key].append((e['ts'], e['dur'], e.get('tdur', e['dur']), e['name']))
        elif e.get('ph') == 'B':
            open_[key].append(e)
        elif e.get('ph') == 'E' and open_[key]:
            b = open_[key].pop()
            by_thread[key].append((b['ts'], e['ts'] - b['ts'],
                                   e.get('tts', e['ts']) - b.get('tts', b['ts']), b['name']))
    rows = []
    for key, slices in by_thread.items():
        slices.sort(key=lambda s: (s[0], -s[1]))
        wall = cpu = 0.0
        self_time = collections.Counter()
        stack = []  # [end, name, own thread time]
        for ts, dur, tdur, name in slices:
            while stack and ts >= stack[-1][0]:
                _, n, own = stack.pop()
                self_time[n] += own
            if stack:
                stack[-1][2] -= tdur
            else:
                wall += dur
                cpu += tdur
            stack.append([ts + dur, name, tdur])
        for _, n, own in stack:
            self_time[n] += own
        thread = names.get(key, f'{key[0]}/{key[1]}')
        rows.append((wall, cpu, thread, self_time))
    rows.sort(reverse=True)
    for wall, cpu, thread, self_time in rows[:8]:
        print(f'{thread}: {cpu / 1000 / frames:.2f} ms thread time a frame '
              f'({wall / 1000 / frames:.2f} ms wall)')
        for name, t in self_time.most_common(top):
            print(f'    {t / 1000 / frames:6.3f} ms  {name}')


def traced(driver, before_measuring):
    """The trace's events over --seconds once `before_measuring` has run, the frames a second
    meanwhile and the threads' names."""
    before_measuring()
    trace_events(driver)  # what came before
    frames0, _ = driver.execute_script(FRAMES)
    time.sleep(traced.seconds)
    frames1, _ = driver.execute_script(FRAMES)
    return trace_events(driver, tries=6), (frames1 - frames0) / traced.seconds, \
        thread_names(driver.service.process.pid)


def show_trace(title, events, rate, names):
    # The trace may hold less than the whole time (its buffer is bounded): frames are counted
    # at the page's rate over the time the events span.
    stamps = [e['ts'] for e in events if 'ts' in e and e.get('ph') in ('X', 'B', 'E')]
    span = (max(stamps) - min(stamps)) / 1e6
    print(f'\n{title}: {rate:.1f} frames/s; {len(events)} trace events over {span:.1f} s '
          f'({TRACE_CATEGORIES})')
    where_frames_go(events, rate * span, names)


def trace(args):
    """The standing wave's trace for the site (and the --before site), each followed by the
    reference page's trace with the same site's rectangles."""
    traced.seconds = args.seconds
    sites = [('this', args.site)] + ([('before', args.before)] if args.before else [])
    for name, site in sites:
        d = real_window(WIDTH, HEIGHT, trace=True)
        try:
            open_page(d, site)
            d.execute_script(COUNT_FRAMES)
            result = traced(d, lambda: standing_wave(d))
        finally:
            d.quit()
        show_trace(f'{name}: {site}: standing wave', *result)
        recording, size = record(site)
        d = real_window(WIDTH, HEIGHT, trace=True)
        try:
            d.get('file://' + os.path.join(HERE, 'reference.html'))
            result = traced(d, lambda: (d.execute_script(
                'window.reference.start(arguments[0], arguments[1], arguments[2], arguments[3])',
                size[2:], size[0], size[1], recording), time.sleep(2)))
        finally:
            d.quit()
        show_trace(f'{name}: reference page with its rectangles', *result)


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
    builder.perform()  # the right button held: the tape stays on the screen


# The smallest control a finger meets, in CSS pixels: buttons, options, scroll bars' arrows.
SMALLEST = '''
let smallest = [1e9, 1e9, ''];
for (const e of document.querySelectorAll('#Ondix15 button, #Ondix15 .option, #Ondix15 .bar')) {
  const r = e.getBoundingClientRect();
  if (r.height < smallest[1]) smallest = [r.width, r.height, e.id || e.className];
}
return [matchMedia('(pointer: coarse)').matches, smallest];
'''


def screenshots(args):
    shots = args.screenshots
    os.makedirs(shots, exist_ok=True)
    for width, height in [(1920, 1080), (1024, 768)]:
        d = real_window(width, height)
        try:
            open_page(d, args.site)
            coarse, (w, h, name) = d.execute_script(SMALLEST)
            print(f'{width}x{height}: finger pointer {coarse}, smallest control {name} {w:.0f} x {h:.0f} px')
            d.find_element(By.ID, 'Command7').click()
            time.sleep(2.5)
            d.save_screenshot(f'{shots}/wave-{width}x{height}.png')
            d.find_element(By.ID, 'Command11').click()
            drag(d, interaction.POINTER_MOUSE, 2, [view_point(d, 20, 1.5), view_point(d, 50, 1.5),
                                                   view_point(d, 63.4, 1.5)])
            d.save_screenshot(f'{shots}/tape-{width}x{height}.png')
            d.find_element(By.ID, 'Command6').click()
            time.sleep(0.3)
            d.save_screenshot(f'{shots}/info-{width}x{height}.png')
        finally:
            d.quit()

    d = browser(1280, 800, touch=True)
    try:
        open_page(d, args.site)
        coarse, (w, h, name) = d.execute_script(SMALLEST)
        print(f'1280x800 touch: finger pointer {coarse}, smallest control {name} {w:.0f} x {h:.0f} px')
        d.find_element(By.ID, 'Command7').click()
        time.sleep(2)
        d.find_element(By.ID, 'Command11').click()
        drag(d, interaction.POINTER_TOUCH, 0, [view_point(d, 30, 2), view_point(d, 45, 2),
                                                view_point(d, 72.3, 2)], hold=0.8)
        d.save_screenshot(f'{shots}/touch-tape-1280x800.png')
    finally:
        d.quit()
    print(f'screenshots in {shots}')


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('what', nargs='?', choices=['cpu', 'trace', 'screenshots'], default='cpu')
    parser.add_argument('--site', default='build/web/site')
    parser.add_argument('--before', help='an older build of the site, measured beside it')
    parser.add_argument('--runs', type=int, default=3)
    parser.add_argument('--seconds', type=float, default=10)
    parser.add_argument('--screenshots', default='build/web/screenshots')
    args = parser.parse_args()
    args.site = os.path.abspath(args.site)
    if args.before:
        args.before = os.path.abspath(args.before)
    {'cpu': cpu, 'trace': trace, 'screenshots': screenshots}[args.what](args)


if __name__ == "__main__":
    main()
