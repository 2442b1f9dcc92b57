#!/usr/bin/python3
"""The page's font, a subset, has every character of the catalogues' texts and of what the page
shows in each language with every button pressed once, at the whole font's widths.
page_font_test.py <site folder> <the whole LiberationSans-Regular.ttf> <catalogue.po>..."""
import base64
import io
import os
import sys

import polib
from fontTools.ttLib import TTFont

sys.dont_write_bytecode = True
from headless_chromium import browser, open_page

# The texts the page shows (with the note on an unknown setting in the address), on the page and
# its canvases, after each button but the message's (after "Ende" the rest are disabled), and
# each text's width in the page's font and in the whole font.
SHOWN_AND_WIDTHS = '''const [catalogued, whole, done] = arguments;
const shown = [], fillText = CanvasRenderingContext2D.prototype.fillText;
CanvasRenderingContext2D.prototype.fillText = function (text, ...at) {
  shown.push(String(text)); return fillText.call(this, text, ...at);
};
const gather = () => {
  const walker = document.createTreeWalker(document.documentElement, NodeFilter.SHOW_TEXT);
  while (walker.nextNode()) shown.push(walker.currentNode.data);
  for (const box of document.querySelectorAll('input')) shown.push(box.value);
};
gather();
for (const button of document.querySelectorAll('button:not(#messageOk)')) { button.click(); gather(); }
(async () => {
  const bytes = Uint8Array.from(atob(whole), (c) => c.charCodeAt(0));
  document.fonts.add(await new FontFace('Whole', bytes).load());
  const context = document.createElement('canvas').getContext('2d');
  const width = (text, font) => { context.font = '40px ' + font; return context.measureText(text).width; };
  done([...new Set([...catalogued, ...shown])]
    .map((t) => [t, width(t, '"Liberation Sans"'), width(t, 'Whole')]));
})();'''

SITE, WHOLE, *CATALOGUES = sys.argv[1:]
where = {t: os.path.basename(c) for c in CATALOGUES for e in polib.pofile(c)
         for t in (e.msgid, e.msgstr)}
with open(os.path.join(SITE, 'font.css'), encoding='ascii') as css:
    font = base64.b64decode(css.read().split('base64,')[1].split(')')[0])
covered = TTFont(io.BytesIO(font)).getBestCmap()
with open(WHOLE, 'rb') as whole:
    whole = base64.b64encode(whole.read()).decode('ascii')
widths, driver = {}, browser(1280, 900)
try:
    for language in ['de'] + [os.path.basename(c)[:-3] for c in CATALOGUES]:
        open_page(driver, SITE, '?lang=%s&unbekannt=1#test' % language)
        for text, *pair in driver.execute_async_script(SHOWN_AND_WIDTHS, list(where), whole):
            where.setdefault(text, 'the page in ' + language)
            widths[text] = pair
finally:
    driver.quit()
failures = ['%s: U+%04X %r not in the page font, in %r' % (where[t], ord(c), c, t[:80])
            for t in sorted(where) for c in sorted(set(t)) if c >= ' ' and ord(c) not in covered]
failures += ['%s: %r is %g px wide, in the whole font %g' % (where[t], t[:80], *w)
             for t, w in sorted(widths.items()) if w[0] != w[1]]
print('\n'.join(failures + ['%d texts, %d failures' % (len(where), len(failures))]))
sys.exit(1 if failures else 0)
