// Saving, as downloads under the names the module gives: the view as a PNG image (the module's
// picture, see picture below) and the diagram's samples as a CSV table, its bytes as the module
// wrote them. A file that cannot be made shows the module's message, and nothing else changes.
'use strict';

((page) => {
  function download(blob, name) {
    const url = URL.createObjectURL(blob);
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  // The file that `make` gives (a Blob, or a promise of one; null where it could not be made),
  // downloaded.
  async function save(samples, make) {
    const file = page.call(() => page.api.savedFile(samples, ''));
    if (!file) return;
    try {
      const blob = await make();
      if (!(blob instanceof Blob)) throw new Error('');
      download(blob, file.name);
    } catch (error) {
      const reason = error && error.message ? error.message : '';
      const failed = page.call(() => page.api.savedFile(samples, reason));
      if (failed) page.dialogs.showMessage(failed.notWritten);
    }
  }

  // The picture the module composes (the view at the window's design size with its labels, the
  // diagram beneath it while open), its texts written in the page's font.
  function picture() {
    const image = page.call(page.api.savedImage);
    if (!image) return null;
    const canvas = document.createElement('canvas');
    canvas.width = image.width;
    canvas.height = image.height;
    const context = canvas.getContext('2d', { alpha: false });
    const pixels = page.api.bytes(image.bytes, image.width * image.height * 4);
    context.putImageData(new ImageData(pixels, image.width, image.height), 0, 0);
    const family = getComputedStyle(document.body).fontFamily;
    context.textBaseline = 'middle';
    for (const text of image.texts) {
      context.font = text.pixels + 'px ' + family;
      context.fillStyle = text.colour;
      context.textAlign = text.align;
      context.fillText(text.text, text.x, text.y);
    }
    return new Promise((done) => canvas.toBlob(done, 'image/png'));
  }

  function samples() {
    const bytes = page.call(page.api.samplesCsv);
    return bytes === undefined ? null : new Blob([bytes], { type: 'text/csv;charset=utf-8' });
  }

  page.saving = { image: () => save(false, picture), samples: () => save(true, samples) };
})(window.ondixPage = window.ondixPage || {});
