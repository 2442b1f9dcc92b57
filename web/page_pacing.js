// The run's pace: the passes due at each display frame, at most 30 frames a second, none while
// the run is halted or at rest, none while the tab is hidden and no catching up afterwards.
'use strict';

((page) => {
  // A frame costs the browser about the same whatever changed, and twice the frames nearly
  // twice the processor time.
  const FRAME_MS = 1000 / 30;
  let passesPerMs = 0;
  let mostPassesAFrame = 0; // after a stall the run goes on; it does not catch up
  let frameRequest = 0;
  let lastTime = 0;
  let shownAt = -Infinity; // the time of the last frame shown
  let due = 0;

  function running() {
    return page.call(page.api.running) === true;
  }

  function wake() {
    if (page.stopped || page.testMode || frameRequest || document.hidden || !running()) return;
    lastTime = performance.now();
    due = 0;
    frameRequest = requestAnimationFrame(frame);
  }

  function frame(time) {
    frameRequest = 0;
    if (time - shownAt < FRAME_MS - 4) {
      // Too soon after the last one shown: nothing to do but wait for the next.
      frameRequest = requestAnimationFrame(frame);
      return;
    }
    due = Math.min(mostPassesAFrame, due + Math.max(0, time - lastTime) * passesPerMs);
    lastTime = time;
    shownAt = time;
    const passes = Math.floor(due);
    due -= passes;
    page.call(() => page.api.runPasses(passes));
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

  function start(passesPerSecond) {
    passesPerMs = passesPerSecond / 1000;
    mostPassesAFrame = passesPerSecond / 10;
    document.addEventListener('visibilitychange', () => {
      if (document.hidden) cancel();
      else wake(); // from the time it is seen again: no catching up
    });
    wake();
  }

  page.pacing = { start, wake, cancel, framePending: () => frameRequest !== 0 };
})(window.ondixPage = window.ondixPage || {});
