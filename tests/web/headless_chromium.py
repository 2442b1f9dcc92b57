"""Headless Chromium for the page's test and its benchmark: Debian's chromium driven through
chromedriver, with a new profile each time and nothing that reaches for the network."""
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def browser(width, height, touch=False):
    driver = launch([])
    set_scale(driver, width, height, 1)
    if touch:
        # A touch screen as the only pointer: the page sees (pointer: coarse).
        driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True,
                                                                      'maxTouchPoints': 5})
    return driver


def real_window(width, height, device_scale=1, touch=False):
    """A browser window really width x height CSS pixels, each device_scale pixels of the screen
    wide (200 % zoom: half the CSS pixels at twice the scale); with `touch` a touch screen as
    the only pointer, the mouse's events sent as touches."""
    driver = launch(['--window-size=%d,%d' % (width, height),
                     '--force-device-scale-factor=%g' % device_scale])
    # The window's frame, whatever the platform adds, is added to its size.
    driver.get('about:blank')
    inner = driver.execute_script('return [innerWidth, innerHeight]')
    outer = driver.get_window_size()
    driver.set_window_size(outer['width'] + width - inner[0], outer['height'] + height - inner[1])
    if touch:
        driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True,
                                                                      'maxTouchPoints': 5})
        driver.execute_cdp_cmd('Emulation.setEmitTouchEventsForMouse', {'enabled': True,
                                                                        'configuration': 'mobile'})
    return driver


def launch(arguments):
    options = webdriver.ChromeOptions()
    for argument in arguments + ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic',
                     '--no-first-run', '--disable-background-networking',
                     '--disable-component-update', '--disable-sync', '--hide-scrollbars',
                     '--user-data-dir=' + tempfile.mkdtemp(prefix='ondix-chromium-')]:
        options.add_argument(argument)
    options.binary_location = '/usr/bin/chromium'
    return webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)


def set_scale(driver, width, height, device_scale):
    """A window of width x height CSS pixels, each device_scale pixels of the screen wide."""
    driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                           {'width': width, 'height': height, 'deviceScaleFactor': device_scale,
                            'mobile': False})


def open_page(driver, site, hash_part=''):
    driver.get('about:blank')  # a new page, also where only the part after '#' changes
    driver.get('file://' + site + '/index.html' + hash_part)
    for _ in range(100):
        if driver.execute_script('return document.body.dataset.ready === "1"'):
            return
        time.sleep(0.05)
    raise RuntimeError('the page did not start')
