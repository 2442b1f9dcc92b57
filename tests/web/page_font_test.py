#!/usr/bin/python3
"""The page's font (a subset) shows every text of the program in every language, at the whole
font's widths. The texts: every catalogue's German msgids and translations, and what the page
shows in each language after every one of its buttons is pressed once (captions, accessible
names, information windows, messages, the setup link's notes, the canvases' words).

page_font_test.py <site folder> <the whole LiberationSans-Regular.ttf> <catalogue.po>..."""
import base64
import io
import os
import re
import sys

import polib
from fontTools.ttLib import TTFont

sys.dont_write_bytecode = True
from headless_chromium import browser, open_page

SITE, WHOLE_FONT, *CATALOGUES = sys.argv[1:]
texts = {}  # each text, with where it was found first
for catalogue in CATALOGUES:
    for entry in polib.pofile(catalogue):
        for text in (entry.msgid, entry.msgstr):
            texts.setdefault(text, os.path.basename(catalogue))

# What the page shows, gathered after each button (but the message's own) is pressed: after
# "Ende", the run stops and the rest stay disabled.
SHOWN = '''
const shown = [];
const fillText = CanvasRenderingContext2D.prototype.fillText;
CanvasRenderingContext2D.prototype.fillText = function (text, ...at) {
  shown.push(String(text)); return fillText.call(this, text, ...at);
};
const gather = () => {
  ondix.runPasses(5);
  shown.push(document.title);
  const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  while (walker.nextNode()) shown.push(walker.currentNode.data);
  for (const e of document.querySelectorAll('[aria-label], [title], input')) {
    shown.push(e.getAttribute('aria-label') || '', e.title, e.value || '');
  }
};
gather();
for (const button of document.querySelectorAll('button:not(#messageOk)')) { button.click(); gather(); }
return shown;'''

# Each text's width in the page's font and in the whole font loaded beside it.
WIDTHS = '''
const [texts, whole, done] = arguments;
(async () => {
  const face = new FontFace('Whole', Uint8Array.from(atob(whole), (c) => c.charCodeAt(0)));
  document.fonts.add(await face.load());
  await document.fonts.load('40px "Liberation Sans"', texts.join(''));
  const context = document.createElement('canvas').getContext('2d');
  done(texts.map((text) => ['40px "Liberation Sans"', '40px Whole'].map((font) => {
    context.font = font; return context.measureText(text).width;
  })));
})();'''

with open(os.path.join(SITE, 'font.css'), encoding='ascii') as css:
    font = base64.b64decode(re.search(r'base64,([^)]*)\)', css.read()).group(1))
covered = TTFont(io.BytesIO(font)).getBestCmap()
with open(WHOLE_FONT, 'rb') as whole_font:
    whole = base64.b64encode(whole_font.read()).decode('ascii')
driver = browser(1280, 900)
try:
    for language in ['de'] + [os.path.basename(c)[:-3] for c in CATALOGUES]:
        open_page(driver, SITE, '?lang=%s&unbekannt=1#test' % language)
        for text in driver.execute_script(SHOWN):
            texts.setdefault(text, 'the page in ' + language)
    listed = sorted(texts)
    widths = driver.execute_async_script(WIDTHS, listed, whole)
finally:
    driver.quit()

failures = ['%s: U+%04X %r not in the page font, in %r' % (texts[t], ord(c), c, t[:80])
            for t in listed for c in sorted(set(t)) if c >= ' ' and ord(c) not in covered]
failures += ['%s: %r is %g px wide, in the whole font %g' % (texts[t], t[:80], *w)
             for t, w in zip(listed, widths) if w[0] != w[1]]
print('\n'.join(failures))
print('%d texts of %d characters, %d failures' % (len(listed), len(set(''.join(listed))), len(failures)))
sys.exit(1 if failures else 0)
