// The page's start: the module made, the controls built from its form and laid out at the
// browser window's size, the run paced; every call into the module guarded.
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
    page.diagram.show();
    page.controls.describeDiagram();
  });

  // The student's input: handled, shown, and the run woken.
  page.act = (action) => {
    page.call(action);
    page.refresh(false);
    page.pacing.wake();
  };

  page.pixelScale = () => pixelScale;

  // The page laid out at the browser window's size, the picture at the screen's own pixels.
  function layOut(first) {
    const view = page.layout.update();
    const scale = window.devicePixelRatio || 1;
    const width = Math.max(1, Math.round(view.width * scale));
    const height = Math.max(1, Math.round(view.height * scale));
    if (!page.picture.resize(width, height) && scale === pixelScale && !first) return;
    pixelScale = scale;
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
    // The setup in the page's address; the language it names, for the choice of the language.
    page.setupLanguage = module.ccall('ondix_setup', 'string', ['string'], [location.search]);
    // The language: the address's where the program has it, else the browser's.
    const preferred = (navigator.languages || [navigator.language || '']).join(',');
    document.documentElement.lang = module.ccall('ondix_choose_language', 'string',
      ['string', 'string'], [page.setupLanguage, preferred]);
    form = JSON.parse(module.ccall('ondix_form', 'string', [], []));
    document.getElementById('infoClose').setAttribute('aria-label', form.close);
    page.controls.build(form);
    page.layout.build(form);
    page.setup.build(form);
    page.controls.connectClicks();
    page.diagram.build();
    page.controls.connectStrip();
    page.input.connect();
    page.call(() => module.ccall('ondix_create', null, [], []));
    page.setup.showNotes(JSON.parse(module.ccall('ondix_setup_notes', 'string', [], [])));
    page.relayout = () => { layOut(false); page.pacing.wake(); };
    layOut(true);
    page.layout.watch(page.relayout);
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
        diagram: () => JSON.parse(module.ccall('ondix_test_diagram', 'string', [], [])),
        setStep: (dt) => page.call(() => module.ccall('ondix_set_step', null, ['number'], [dt])),
      });
    }
    document.body.dataset.ready = '1';
  });
})(window.ondixPage = window.ondixPage || {});
