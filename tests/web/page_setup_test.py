#!/usr/bin/python3
"""The teacher's link on the page in headless Chromium, opened over file://:
- each setup of setups.table as the address's query starts the page, after 200 passes, in the
  chain state, picture and controls the desktop's window ends in (setups.expected);
- "Link zu dieser Einstellung" puts the settings into the address and copies it, or where the
  browser refuses to copy, selects it in a box; the link opened again shows the same settings;
- seeded random and malformed addresses (ONDIX_RANDOM_SEED replays a run) start the page with
  every control as the module holds it, their notes in the status line, and no console error.

page_setup_test.py <site folder> <setups.table> <setups.expected> [addresses]"""
import os
import random
import sys

sys.dont_write_bytecode = True  # the page's other tests are imported from the source folder
from headless_chromium import at_design_size, browser, check, console_errors, failures, open_page, set_scale
from page_in_browser_test import end_state_differences
from page_random_test import PAGE_SHOWS_MODULE

SITE, TABLE, EXPECTED = sys.argv[1:4]
ADDRESSES = int(sys.argv[4]) if len(sys.argv) > 4 else 300
SEED = int(os.environ.get('ONDIX_RANDOM_SEED', random.randrange(1 << 31)))


def notes(driver):
    return driver.execute_script('return [...document.querySelectorAll("#setup [role=status] div")].map((d) => d.textContent)')


# The page's language and the module's settings but the clock's reading (the read-out named "Uhr", "Clock"),
# which the passes since the start change.
SETTINGS = '''const lang = document.documentElement.lang, clock = document.querySelector(`input[aria-label=${{ de: 'Uhr', en: 'Clock' }[lang]}]`);
return [lang, ...ondix.panels().filter((s) => s.name !== clock.id).map((s) => [s.name, s.caption, s.visible, s.checked, s.value])];'''
# Once the page has copied: the address, what the clipboard holds and what the page says.
AFTER_THE_COPY = '''
const done = arguments[arguments.length - 1];
setTimeout(async () => done([location.href, await navigator.clipboard.readText(),
  document.getElementById('setupNotes').textContent]), 200);
'''
COPIED = {'de': 'Der Link steht in der Adresszeile und ist kopiert.', 'en': 'The link is in the address bar and copied.'}


def link_test(driver, setup):
    """The link offered after the start and 200 passes, opened again: the same settings, in the
    same language (the browser prefers German)."""
    before = driver.execute_script(SETTINGS)
    driver.find_element('id', 'setupLink').click()
    address, copied, shown = driver.execute_async_script(AFTER_THE_COPY)
    check(address == copied and shown == COPIED[before[0]],
          f'{setup}: address {address!r}, copied {copied!r}, said {shown!r}')
    link = address.split('?', 1)[1].split('#')[0]
    open_page(driver, SITE, '?' + link + '#test')
    check(driver.execute_script(SETTINGS) == before and not notes(driver),
          f'{setup}: the link {link} opened again shows other settings or language, or notes {notes(driver)}')
    # Where the browser refuses to copy: the link selected in a box beside the button.
    driver.execute_script('navigator.clipboard.writeText = () => Promise.reject(new Error("refused"))')
    driver.find_element('id', 'setupLink').click()
    driver.execute_async_script('setTimeout(arguments[0], 200)')
    box = driver.execute_script('const b = document.getElementById("setupAddress"); return [b.hidden, b.value, '
                                'b.selectionStart, b.selectionEnd, document.activeElement === b, location.search]')
    check(box[:1] == [False] and box[1].split('?', 1)[1].split('#')[0] == link and box[2:5] == [0, len(box[1]), True]
          and box[5] == '?' + link, f'{setup}: the link for copying by hand: {box}')


def setups_test(driver):
    blocks = open(EXPECTED, encoding='utf-8').read().split('setup ')[1:]
    table = [l for l in open(TABLE, encoding='utf-8').read().splitlines() if l and not l.startswith('#')]
    check([b.split('\n', 1)[0] for b in blocks] == table, 'setups.expected has a block for each setup of the table')
    for block in blocks:
        setup, *expected = block.rstrip('\n').split('\n')
        at_design_size(driver, SITE, '?' + setup.lstrip('?') + '#test')
        driver.execute_script('ondix.runPasses(200)')
        found, state, picture = end_state_differences(driver, expected)
        check(not found, f'{setup}: ' + '; '.join(found))
        print(f'{setup}: chain state {state}, picture {picture}, {len(notes(driver))} lines of notes')
        link_test(driver, setup)
    # A page whose address chose English, in a German browser: the link keeps the language.
    at_design_size(driver, SITE, '?lang=en&traeger=pendel#test')
    check(driver.execute_script(SETTINGS)[0] == 'en', 'lang=en shows the English page')
    link_test(driver, 'lang=en&traeger=pendel')


# Parts of random addresses: names in both spellings and cases, unknown ones, right and wrong
# values, escapes of any byte, blanks and separators.
NAMES = ['traeger', 'Carrier', 'amplitude', 'periode', 'PERIOD', 'anregung', 'drive', 'daempfung', 'damping',
         'hindernis', 'obstacle', 'brechung', 'refraction', 'tempo', 'speed', 'uhr', 'clock', 'halt', 'lauf', 'run',
         'lang', 'sprache', 'tr%C3%A4ger', 'farbe', '', '%00', '%FF%FE', '<b>', '"\'', 'periode%3D1']
VALUES = ['pendel', 'torsion', 'pendulum', 'an', 'aus', 'on', 'off', 'ja', 'nein', 'yes', 'no', 'en', 'de', 'xx',
          '0', '1', '2', '10', '22', '22,5', '22.5', '0.1', '1.45', '50', '51', '100', '1000', '-3', '+7', '1e3',
          '', ',', '..', '%', '%2', '%E2%82%AC', '%C3', '%0A%0D', '%3Cscript%3Ealert(1)%3C/script%3E', 'x' * 300]
# The notes' heading in each language the address may choose.
HEADINGS = {'de': 'Einstellung beim Start:', 'en': 'Setup at the start:'}


def random_address(generator):
    parts = []
    for _ in range(generator.randrange(0, 12)):
        name, value = generator.choice(NAMES), generator.choice(VALUES)
        parts.append(generator.choice([f'{name}={value}', f'{name}={value}', name, f'{name}=={value}',
                                       f'{name}={value}&{name}={generator.choice(VALUES)}',
                                       f'{name}+={value}+', f'{name}={value};x']))
    return '?' * generator.randrange(1, 3) + generator.choice(['&', '&&', '&=&']).join(parts)


def random_test(driver):
    print(f'seed {SEED}, {ADDRESSES} addresses')
    generator = random.Random(SEED)
    set_scale(driver, 1276, 980, 1)
    driver.get_log('browser')
    for i in range(ADDRESSES):
        address = random_address(generator)
        open_page(driver, SITE, address + '#test')
        if generator.random() < 0.5:
            driver.execute_script('ondix.runPasses(20)')
        wrong = driver.execute_script(PAGE_SHOWS_MODULE)
        stopped = driver.execute_script('return !document.getElementById("message").hidden')
        lines = notes(driver)
        heading = HEADINGS[driver.execute_script('return document.documentElement.lang')]
        check(not wrong and not stopped and (not lines or lines[0] == heading) and len(lines) != 1,
              f'address {i} {address!r}: page differs from the module {wrong}, stopped {stopped}, notes {lines}')
        if failures:
            print(f'replay with ONDIX_RANDOM_SEED={SEED}')
            break
    log = console_errors(driver)
    check(not log, f'browser console: {log[:5]}')


driver = browser(1276, 980)
try:
    # Copying needs the page's permission, as a user's click in a real browser has it.
    driver.execute_cdp_cmd('Browser.grantPermissions', {'permissions': ['clipboardReadWrite', 'clipboardSanitizedWrite']})
    setups_test(driver)
    random_test(driver)
finally:
    driver.quit()
sys.exit(1 if failures else 0)
