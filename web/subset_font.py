"""The page's font, cut down to the characters its texts can show, as font.css.

    subset_font.py FONT.ttf OUTPUT.css CATALOGUE.po... -- PAGE_FILE...

The whole Liberation Sans is two thirds of the site, while the program shows a few hundred
characters. The subset keeps every character of every text in every language: the German texts
(each catalogue's msgids are the sources' texts word for word), their translations, and the
page's own files (index.html and its scripts, read whole); and Latin-1 besides, for the numbers,
units and letters a teacher types into the setup link. Nothing else decides which characters the
page can show: a new text brings its characters with it on the next build.

Every caption is fitted to the font's widths, so the subset keeps them exactly: the same glyph
outlines, advance widths and hinting, and the layout features a browser applies by default
(kerning and mark positioning in GPOS); only the features a page must ask for (dlig, subs, sups)
and glyphs no text reaches are left out. WOFF2, and a data address, since a page opened from a
file may not load fonts from other files.
"""
import base64
import io
import sys

import polib
from fontTools import subset

LATIN_1 = [*range(0x20, 0x7F), *range(0xA0, 0x100)]


def characters(catalogues, page_files):
    """The code points the page's texts use, with Latin-1."""
    texts = []
    for catalogue in catalogues:
        for entry in polib.pofile(catalogue):
            texts += [entry.msgid, entry.msgid_plural, entry.msgstr,
                      *entry.msgstr_plural.values()]
    for name in page_files:
        with open(name, encoding='utf-8') as page_file:
            texts.append(page_file.read())
    return sorted(set(LATIN_1) | {ord(c) for text in texts for c in text if c >= ' '})


def font_css(font_file, unicodes):
    options = subset.Options()
    options.flavor = 'woff2'
    options.notdef_outline = True
    options.drop_tables += ['FFTM']  # FontForge's time stamps
    options.name_IDs = ['*']  # the copyright and the licence (OFL 1.1) travel with the font
    font = subset.load_font(font_file, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=unicodes)
    subsetter.subset(font)
    data = io.BytesIO()
    subset.save_font(font, data, options)
    return ("@font-face { font-family: 'Liberation Sans'; font-weight: normal; "
            "font-style: normal; src: url(data:font/woff2;base64,%s) format('woff2'); }\n"
            % base64.b64encode(data.getvalue()).decode('ascii'))


def main(font_file, output, *lists):
    split = lists.index('--')
    css = font_css(font_file, characters(lists[:split], lists[split + 1:]))
    with open(output, 'w', encoding='ascii') as out:
        out.write(css)


if __name__ == '__main__':
    main(*sys.argv[1:])
