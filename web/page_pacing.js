// The run's display frames: at most 30 a second, each having the instrument run the passes due
// at its time (the instrument keeps the pace and its rule for stalls); none while the run is
// halted or at rest, none while the tab is hidden.
'use strict';

((page) => {
  // A frame costs the browser about the same whatever changed, and twice the frames nearly
  // twice the processor time.
  const FRAME_MS = 1000 / 30;
  let frameRequest = 0;
  let shownAt = -Infinity; // the time of the last frame shown

  function running() {
    return page.call(page.api.running) === true;
  }

  function wake() {
    if (page.stopped || page.testMode || frameRequest || document.hidden || !running()) return;
    frameRequest = requestAnimationFrame(frame);
  }

  function frame(time) {
    frameRequest = 0;
    if (time - shownAt < FRAME_MS - 4) {
      // Too soon after the last one shown: nothing to do but wait for the next.
      frameRequest = requestAnimationFrame(frame);
      return;
    }
    shownAt = time;
    page.call(() => page.api.runDue(time));
    page.refresh(false);
    // Halted, or at rest with nothing moving: no further frame until something happens.
    if (!page.stopped && running()
        && page.call(page.api.atRest) === false) {
      frameRequest = requestAnimationFrame(frame);
    }
  }

  function cancel() {
    if (frameRequest) cancelAnimationFrame(frameRequest);
    frameRequest = 0;
  }

  function start() {
    document.addEventListener('visibilitychange', () => {
      if (document.hidden) cancel();
      else wake(); // the instrument starts its schedule afresh: no catching up
    });
    wake();
  }

  page.pacing = { start, wake, cancel, framePending: () => frameRequest !== 0 };
})(window.ondixPage = window.ondixPage || {});
