// The page's start: the module made, the controls built from its form, the window scaled to
// the browser's, the run paced; every call into the module guarded.
'use strict';

((page) => {
  const windowBox = document.getElementById('Ondix15');
  let form = null;
  let pixelScale = 0; // pixels of the picture to a CSS pixel of the view
  page.stopped = false; // after a run-time error, "Ende" or a failure
  page.testMode = location.hash === '#test'; // the run paced by the tests alone
  // Thrown by the module through its calls after "Ende", which must not return: the run is
  // over, and nothing failed.
  const endOfRun = { ondixEnd: true };

  function stop() {
    page.stopped = true;
    page.pacing.cancel();
    for (const e of windowBox.querySelectorAll('button, input, .bar')) {
      e.disabled = true;
      e.setAttribute('aria-disabled', 'true');
    }
  }

  // Every call into the module: a run-time error aborts the module and stops the page's run.
  page.call = (action) => {
    if (page.stopped) return undefined;
    try {
      return action();
    } catch (error) {
      stop();
      if (error !== endOfRun && !page.dialogs.messageShown()) {
        page.dialogs.showMessage(form.failure + '\n' + error);
      }
      return undefined;
    }
  };

  // The controls and the picture as the module has them now.
  page.refresh = (all) => page.call(() => {
    page.controls.showChanges();
    page.picture.show(all);
  });

  // The student's input: handled, shown, and the run woken.
  page.act = (action) => {
    page.call(action);
    page.refresh(false);
    page.pacing.wake();
  };

  page.scale = () => Math.min(innerWidth / form.window.width, innerHeight / form.window.height);
  page.pixelScale = () => pixelScale;

  // The window scaled to the browser's, the picture at the screen's own pixels. Zoomed, not
  // transformed: under a scaling transform the compositor would draw the canvas scaled, which
  // costs about as much again as showing it 1:1.
  function layOut(first) {
    const k = page.scale();
    windowBox.style.zoom = k;
    windowBox.style.left = Math.max(0, (innerWidth - form.window.width * k) / 2) / k + 'px';
    pixelScale = k * (window.devicePixelRatio || 1);
    const [, , viewWidth, viewHeight] = form.controls.find((c) => c.kind === 'View').box;
    const width = Math.max(1, Math.round(viewWidth * pixelScale));
    const height = Math.max(1, Math.round(viewHeight * pixelScale));
    if (!page.picture.resize(width, height) && !first) return;
    page.call(() => page.module.ccall(first ? 'ondix_start' : 'ondix_resize', null,
      ['number', 'number', 'number'], [width, height, pixelScale]));
    page.refresh(true);
  }

  createOndix({
    onRunTimeError(text) {
      stop();
      page.dialogs.showMessage(text);
    },
    // "Ende": the run stops for good, and the message starts the page again as at its load,
    // from the same folder, so that it works offline and over file:// too.
    onEnd(text, button) {
      stop();
      windowBox.hidden = true;
      page.dialogs.showMessage(text, button, () => location.reload());
    },
    endOfRun,
    onPictureRect: (...rect) => page.picture.putRect(...rect),
  }).then((module) => {
    page.module = module;
    form = JSON.parse(module.ccall('ondix_form', 'string', [], []));
    page.controls.build(form);
    page.controls.connectClicks();
    page.input.connect();
    layOut(true);
    addEventListener('resize', () => { layOut(false); page.pacing.wake(); });
    page.pacing.start(form.passesPerSecond);
    // For tests and measurements: the run paced by hand (with #test), the state; the module's
    // memory only for the tests.
    window.ondix = {
      runPasses: (n) => { page.call(() => module.ccall('ondix_run_passes', 'number', ['number'], [n])); page.refresh(false); },
      pictureSize: () => [page.picture.canvas.width, page.picture.canvas.height],
      running: () => !page.stopped && module.ccall('ondix_running', 'number', [], []) === 1,
      framePending: page.pacing.framePending,
    };
    if (page.testMode) {
      Object.assign(window.ondix, {
        module,
        memory: () => JSON.parse(module.ccall('ondix_test_memory', 'string', [], [])),
        panels: () => JSON.parse(module.ccall('ondix_test_panels', 'string', [], [])),
        setStep: (dt) => page.call(() => module.ccall('ondix_set_step', null, ['number'], [dt])),
      });
    }
    document.body.dataset.ready = '1';
  });
})(window.ondixPage = window.ondixPage || {});
