// The page's start: the module made, the controls built from its form and laid out at the
// browser window's size, the run paced; every call into the module guarded.
'use strict';

((page) => {
  const windowBox = document.querySelector('.window');
  const api = page.api;
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
    // The instruction and the view's label name the finger on a touch screen.
    page.call(() => api.useTouch(page.layout.fingers()));
    page.call(() => api.layOut(first, width, height, pixelScale));
    page.refresh(true);
  }

  api.create({
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
  }).then(() => {
    // The setup in the page's address; the language it names, for the choice of the language.
    page.setupLanguage = api.setup(location.search);
    // The language: the address's where the program has it, else the browser's.
    const preferred = (navigator.languages || [navigator.language || '']).join(',');
    document.documentElement.lang = api.chooseLanguage(page.setupLanguage, preferred);
    form = api.form();
    // A finger's target size, for the style sheet and the scroll bars' thumbs.
    document.documentElement.style.setProperty('--finger', form.finger + 'px');
    page.dialogs.build(form);
    page.controls.build(form);
    page.layout.build(form);
    page.setup.build(form);
    page.controls.connectClicks();
    page.diagram.build();
    page.controls.connectStrip();
    page.input.connect();
    page.call(api.createInstrument);
    page.experiments.build(); // its list's heading is the button's caption, which the instrument sets
    page.setup.showNotes(api.setupNotes());
    page.relayout = () => { layOut(false); page.pacing.wake(); };
    layOut(true);
    page.experiments.sync(); // an experiment the address names
    page.layout.watch(page.relayout);
    page.pacing.start();
    // For tests and measurements: the run paced by hand (with #test), the state; the form, and
    // with the tests' module its memory.
    window.ondix = {
      runPasses: (n) => { page.call(() => api.runPasses(n)); page.refresh(false); },
      pictureSize: () => [page.picture.canvas.width, page.picture.canvas.height],
      running: () => !page.stopped && api.running(),
      framePending: page.pacing.framePending,
    };
    if (page.testMode && api.test.present()) {
      const { memory, panels, diagram, setStep } = api.test;
      Object.assign(window.ondix, { form, buffer: api.memory, memory, panels, diagram,
        setStep: (dt) => page.call(() => setStep(dt)) });
    }
    document.body.dataset.ready = '1';
  });
})(window.ondixPage = window.ondixPage || {});
