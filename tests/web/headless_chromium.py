"""Headless Chromium for the page's test and its benchmark: Debian's chromium driven through
chromedriver, with a new profile each time and nothing that reaches for the network."""
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def browser(width, height, touch=False, real_scale=None, language='de-DE'):
    """With `real_scale`: a real window of width x height CSS px at real_scale device px each, touch for mouse.
    The browser prefers `language` (German, the program's own, unless a test asks for another)."""
    options = webdriver.ChromeOptions()
    options.add_argument('--lang=' + language)
    options.add_experimental_option('prefs', {'intl.accept_languages': language})
    real = ['--window-size=%d,%d' % (width, height), '--force-device-scale-factor=%g' % real_scale] if real_scale else []
    for argument in real + ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic',
                     '--no-first-run', '--disable-background-networking',
                     '--disable-component-update', '--disable-sync', '--hide-scrollbars',
                     '--user-data-dir=' + tempfile.mkdtemp(prefix='ondix-chromium-')]:
        options.add_argument(argument)
    options.binary_location = '/usr/bin/chromium'
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    if real_scale:  # what the window's frame takes is added to its size
        inner, outer = driver.execute_script('return [innerWidth, innerHeight]'), driver.get_window_size()
        driver.set_window_size(outer['width'] + width - inner[0], outer['height'] + height - inner[1])
    else:
        set_scale(driver, width, height, 1)
    if touch:
        # A touch screen as the only pointer: the page sees (pointer: coarse).
        driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True,
                                                                      'maxTouchPoints': 5})
        driver.execute_cdp_cmd('Emulation.setEmitTouchEventsForMouse', {'enabled': bool(real_scale)})
    return driver


def set_scale(driver, width, height, device_scale):
    """A window of width x height CSS pixels, each device_scale pixels of the screen wide."""
    driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                           {'width': width, 'height': height, 'deviceScaleFactor': device_scale,
                            'mobile': False})


def open_page(driver, site, hash_part='', wrapper=None):
    """The page, or a `wrapper` page in `site` with the page in its first frame."""
    driver.get('about:blank')  # a new page, also where only the part after '#' changes
    driver.get('file://' + site + '/' + (wrapper or 'index.html' + hash_part))
    if wrapper:
        driver.switch_to.frame(0)
    if not started(driver):
        raise RuntimeError('the page did not start')


VIEW = "document.querySelector('[role=application]')"  # the chain view, as a screen reader finds it
failures = []  # of the checks of the test that runs


def check(condition, message):
    if not condition:
        failures.append(message)
        print('FAIL:', message)


def console_errors(driver):
    """The errors in the browser's console since the last look."""
    return [entry for entry in driver.get_log('browser') if entry['level'] == 'SEVERE']


def at_design_size(driver, site, address):
    """The page in a window as high as puts its chain's picture at 1276 x 653 CSS px; the window's height."""
    set_scale(driver, 1276, 980, 1)
    open_page(driver, site, address)
    height = 980 + 653 - driver.execute_script(f'return {VIEW}.clientHeight')
    set_scale(driver, 1276, height, 1)
    open_page(driver, site, address)
    return height


def started(driver):
    """Whether the page has started (or started again), within five seconds."""
    for _ in range(100):
        if driver.execute_script('return document.body.dataset.ready === "1"'):
            return True
        time.sleep(0.05)
    return False
