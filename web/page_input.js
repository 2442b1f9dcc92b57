// The chain view's input: mouse, pen and fingers, and the keys while it has the focus. Every
// event goes to the module with its own fields (type, pointerType, buttons, key, ...); the
// module decides what it means.
'use strict';

((page) => {
  const canvas = page.picture.canvas;
  const DRAG_DISTANCE = 10; // CSS pixels a finger moves before it counts as moved
  let keyedFocus = false;
  let lastPointerType = 'mouse';

  function pointer(event) {
    lastPointerType = event.pointerType;
    if (event.type === 'pointerdown') {
      canvas.focus({ preventScroll: true });
      canvas.setPointerCapture(event.pointerId);
    }
    const [x, y] = page.picture.point(event);
    page.act(() => page.api.pointer(event, x, y, Math.round(DRAG_DISTANCE * page.pixelScale())));
  }

  function keyDown(event) {
    if (!page.call(() => page.api.keyReachesView(event.key))) return;
    keyedFocus = true;
    canvas.classList.add('keyed');
    let taken = false;
    page.act(() => {
      taken = page.api.keyDown(event);
    });
    // Escape that the view leaves (no pointer, no tape) closes the time diagram's strip.
    if (taken || (event.key === 'Escape' && page.controls.closeDiagram())) event.preventDefault();
  }

  function keyUp(event) {
    page.act(() => page.api.keyUp(event));
  }

  function connect() {
    for (const type of ['pointerdown', 'pointermove', 'pointerup', 'pointercancel']) {
      canvas.addEventListener(type, pointer);
    }
    canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    // A double click of the mouse; a finger's double tap the module finds in its own events.
    canvas.addEventListener('dblclick', (event) => {
      if (lastPointerType === 'touch') return;
      const [x, y] = page.picture.point(event);
      page.act(() => page.api.doubleClick(x, y));
    });
    canvas.addEventListener('keydown', keyDown);
    canvas.addEventListener('keyup', keyUp);
    canvas.addEventListener('focus', () => {
      if (keyedFocus) canvas.classList.add('keyed');
      page.controls.nameTheView();
    });
    canvas.addEventListener('blur', () => {
      canvas.classList.remove('keyed');
      page.act(page.api.focusLost);
      page.controls.nameTheView();
    });
    // Focus that arrives by the Tab key shows the band at once; by a click, at the first key.
    document.addEventListener('keydown', (event) => { if (event.key === 'Tab') keyedFocus = true; }, true);
    document.addEventListener('pointerdown', () => { keyedFocus = false; }, true);
  }

  page.input = { connect };
})(window.ondixPage = window.ondixPage || {});
