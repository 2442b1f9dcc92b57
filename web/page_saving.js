// Saving, as downloads under the names the module gives: the view as a PNG image (the chain
// view's canvas, the time diagram's beneath it while its strip is open) and the diagram's samples
// as a CSV table. A file that cannot be made shows the module's message, and nothing else changes.
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

  // The view's pixels, and the diagram's beneath them while it is open, as the screen has them.
  function picture() {
    const view = page.picture.canvas;
    const diagram = page.diagram.wanted() ? document.getElementById('TimeDiagramCanvas') : null;
    const both = document.createElement('canvas');
    both.width = Math.max(view.width, diagram ? diagram.width : 0);
    both.height = view.height + (diagram ? diagram.height : 0);
    const context = both.getContext('2d', { alpha: false });
    context.fillStyle = '#fff';
    context.fillRect(0, 0, both.width, both.height);
    context.drawImage(view, 0, 0);
    if (diagram) context.drawImage(diagram, 0, view.height);
    return new Promise((done) => both.toBlob(done, 'image/png'));
  }

  function samples() {
    const text = page.call(page.api.samplesCsv);
    return text === undefined ? null : new Blob([text], { type: 'text/csv;charset=utf-8' });
  }

  page.saving = { image: () => save(false, picture), samples: () => save(true, samples) };
})(window.ondixPage = window.ondixPage || {});
