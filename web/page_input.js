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
    page.act(() => page.module.ccall('ondix_pointer', null,
      ['string', 'string', 'number', 'number', 'number', 'number', 'number', 'number', 'number',
        'number', 'number', 'number'],
      [event.type, event.pointerType, event.pointerId, event.button, event.buttons, event.shiftKey,
        event.ctrlKey, event.altKey, x, y, event.timeStamp, Math.round(DRAG_DISTANCE * page.pixelScale())]));
  }

  const modifiers = (event) => [event.shiftKey, event.ctrlKey, event.altKey];

  function keyDown(event) {
    const M = page.module;
    if (!page.call(() => M.ccall('ondix_key_reaches_view', 'number', ['string'], [event.key]))) return;
    keyedFocus = true;
    canvas.classList.add('keyed');
    let taken = 0;
    page.act(() => {
      taken = M.ccall('ondix_key_down', 'number', ['string', 'number', 'number', 'number'],
        [event.key, ...modifiers(event)]);
    });
    // Escape that the view leaves (no pointer, no tape) closes the time diagram's strip.
    if (taken || (event.key === 'Escape' && page.controls.closeDiagram())) event.preventDefault();
  }

  function keyUp(event) {
    page.act(() => page.module.ccall('ondix_key_up', null, ['string', 'number', 'number', 'number'],
      [event.key, ...modifiers(event)]));
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
      page.act(() => page.module.ccall('ondix_double_click', null, ['number', 'number'], [x, y]));
    });
    canvas.addEventListener('keydown', keyDown);
    canvas.addEventListener('keyup', keyUp);
    canvas.addEventListener('focus', () => {
      if (keyedFocus) canvas.classList.add('keyed');
      page.controls.nameTheView();
    });
    canvas.addEventListener('blur', () => {
      canvas.classList.remove('keyed');
      page.act(() => page.module.ccall('ondix_focus_lost', null, [], []));
      page.controls.nameTheView();
    });
    // Focus that arrives by the Tab key shows the band at once; by a click, at the first key.
    document.addEventListener('keydown', (event) => { if (event.key === 'Tab') keyedFocus = true; }, true);
    document.addEventListener('pointerdown', () => { keyedFocus = false; }, true);
  }

  page.input = { connect };
})(window.ondixPage = window.ondixPage || {});
