// The wave machine's page: shows the instrument of the WebAssembly module (ondix.js), passes
// the student's input to it, and paces its run at 250 passes a second.
'use strict';

(() => {
  const DESIGN_WIDTH = 1276; // the main window at its design size, in CSS pixels
  const DESIGN_HEIGHT = 980;
  const VIEW_WIDTH = 1276; // the chain view in it
  const VIEW_HEIGHT = 653;
  const PASSES_PER_MS = 0.25;
  const MOST_PASSES_A_FRAME = 25; // after a stall the run goes on; it does not catch up
  // The moving chain is shown at most 30 times a second, each frame with the passes due: a frame
  // costs the browser about the same whatever changed, and twice the frames nearly twice the
  // processor time.
  const FRAME_MS = 1000 / 30;
  const DRAG_DISTANCE = 10; // CSS pixels a finger moves before it counts as moved
  const KEYS = { ArrowUp: 0, ArrowDown: 1, ArrowLeft: 2, ArrowRight: 3, Enter: 4, ' ': 5, m: 6, M: 6, Escape: 7 };
  const OTHER_KEY = 8;
  const TOUCH = { begin: 0, update: 1, end: 2, cancel: 3 };
  const FINGER = { pressed: 0, moved: 1, released: 3 };
  const testMode = location.hash === '#test';

  const $ = (id) => document.getElementById(id);
  const windowBox = $('Ondix15');
  const canvas = $('Picture1');
  const context = canvas.getContext('2d', { alpha: false });
  let M = null; // the module
  let names = [];
  let control = {}; // name -> number
  let image = null;
  let scale = 0; // picture pixels per CSS pixel of the view
  let stopped = false; // after a run-time error or "Ende"
  let frameRequest = 0;
  let lastTime = 0;
  let shownAt = -Infinity; // the time of the last frame shown
  let due = 0;
  let keyedFocus = false;

  // Every call into the module: a run-time error aborts the module and stops the page's run.
  function call(action) {
    if (stopped) return undefined;
    try {
      return action();
    } catch (error) {
      stop();
      if (!$('message').hidden) return undefined;
      showMessage('Das Programm wurde wegen eines Fehlers angehalten.\n' + error);
      return undefined;
    }
  }

  function stop() {
    stopped = true;
    if (frameRequest) cancelAnimationFrame(frameRequest);
    frameRequest = 0;
    for (const element of windowBox.querySelectorAll('button, input, .bar')) {
      element.disabled = true;
      element.setAttribute('aria-disabled', 'true');
    }
  }

  function showMessage(text) {
    $('messageText').textContent = text;
    $('message').hidden = false;
    $('messageOk').focus();
  }

  // ---- The picture: changed rectangles from the module's memory onto the canvas ----

  let countAddress = 0; // where the module writes the number of changed rectangles

  function drawChanges(all) {
    if (!countAddress) countAddress = M._malloc(4);
    const rects = M._ondix_take_changes(countAddress);
    const count = M.HEAP32[countAddress >> 2];
    if (all) {
      copyRect(0, 0, canvas.width, canvas.height);
      return;
    }
    for (let i = 0; i < count; ++i) {
      const r = (rects >> 2) + 4 * i;
      copyRect(M.HEAP32[r], M.HEAP32[r + 1], M.HEAP32[r + 2], M.HEAP32[r + 3]);
    }
  }

  function copyRect(x, y, width, height) {
    const pixels = M.HEAPU32;
    const base = M._ondix_pixels() >> 2;
    const out = image.data;
    const rowLength = canvas.width;
    for (let row = y; row < y + height; ++row) {
      let from = base + row * rowLength + x;
      let to = (row * rowLength + x) * 4;
      for (let column = 0; column < width; ++column, ++from, to += 4) {
        const p = pixels[from]; // 0xAARRGGBB
        out[to] = (p >>> 16) & 255;
        out[to + 1] = (p >>> 8) & 255;
        out[to + 2] = p & 255;
        out[to + 3] = 255;
      }
    }
    context.putImageData(image, 0, 0, x, y, width, height);
  }

  // ---- The controls: shown from the panels' state as the handlers change it ----

  // The view's user scale (left, width, top, height), as the module has it.
  const extent = () => M.HEAPF32.subarray(M._ondix_view_extent() >> 2);
  const viewX = (x) => Math.floor((x - extent()[0]) * VIEW_WIDTH / extent()[1] + 0.5);
  const viewY = (y) => Math.floor((y - extent()[2]) * VIEW_HEIGHT / extent()[3] + 0.5);

  function readControl(number) {
    const address = M._ondix_control(number) >> 2;
    const h = M.HEAP32;
    return {
      caption: M.UTF8ToString(h[address], h[address + 1]),
      visible: h[address + 2] === 1,
      checked: h[address + 3] === 1,
      back: h[address + 4],
      minimum: h[address + 5],
      maximum: h[address + 6],
      smallChange: h[address + 7],
      largeChange: h[address + 8],
      value: h[address + 9],
      x: M.HEAPF32[address + 10],
      y: M.HEAPF32[address + 11],
    };
  }

  function syncControls() {
    const changed = M._ondix_changed_controls();
    for (let i = 0; i < names.length; ++i) {
      if (M.HEAPU8[changed + i] === 0) continue;
      M.HEAPU8[changed + i] = 0;
      showControl(names[i], readControl(i));
    }
  }

  function showControl(name, state) {
    if (name === 'Ondix15') {
      document.title = state.caption.replace(/ {2,}/g, ' – ') || 'Ondix15';
      return;
    }
    const element = $(name);
    if (!element) return;
    const holder = element.type === 'radio' ? element.parentElement : element;
    if (name === 'KeyboardPointer') {
      element.style.display = state.visible ? 'block' : 'none';
      element.style.left = viewX(state.x) - 10 + 'px';
      element.style.top = viewY(state.y) - 10 + 'px';
      return;
    }
    if (element.classList.contains('bar')) {
      element.state = state;
      showBar(element);
      return;
    }
    // Only what differs is written: a write makes the browser look at the element again.
    const display = state.visible ? '' : 'none';
    if (holder.style.display !== display) holder.style.display = display;
    const back = state.back >= 0 ? '#' + state.back.toString(16).padStart(6, '0') : undefined;
    if (back !== undefined && holder.dataset.back !== back) {
      holder.style.background = back;
      holder.dataset.back = back;
    }
    if (element.type === 'radio') {
      element.checked = state.checked;
      holder.querySelector('span').textContent = state.caption;
    } else if (element.tagName === 'INPUT') {
      if (element.value !== state.caption) element.value = state.caption;
    } else if (element.classList.contains('frame')) {
      element.querySelector('.caption').textContent = state.caption;
    } else {
      element.textContent = state.caption;
    }
    if (name === 'Text1') {
      element.style.left = viewX(state.x) + 'px';
      element.style.top = viewY(state.y) + 'px';
      nameTheView();
    }
  }

  // While the view has the focus its name carries the tape's reading, for a screen reader.
  function nameTheView() {
    const tape = $('Text1');
    const reading = document.activeElement === canvas && tape.style.display !== 'none';
    canvas.setAttribute('aria-label', 'Wellenmaschine' + (reading ? ', Messband ' + tape.value : ''));
  }

  // ---- Scroll bars: arrows a small change, the track a large one, the thumb on release ----

  function showBar(bar) {
    const s = bar.state;
    const span = Math.max(1, s.maximum - s.minimum + s.largeChange);
    const track = bar.querySelector('.track');
    const length = track.clientWidth || (bar.clientWidth - 2 * bar.clientHeight);
    const thumb = Math.max(8, Math.round(length * s.largeChange / span));
    const position = s.maximum > s.minimum ? (s.value - s.minimum) / (s.maximum - s.minimum) : 0;
    const t = bar.querySelector('.thumb');
    t.style.width = thumb + 'px';
    t.style.left = Math.round(position * (length - thumb)) + 'px';
    bar.setAttribute('aria-valuemin', s.minimum);
    bar.setAttribute('aria-valuemax', s.maximum);
    bar.setAttribute('aria-valuenow', s.value);
  }

  function makeBar(bar) {
    bar.setAttribute('role', 'scrollbar');
    bar.setAttribute('aria-orientation', 'horizontal');
    bar.tabIndex = 0;
    bar.innerHTML = '<button class="arrow down" tabindex="-1" aria-hidden="true"></button>' +
      '<div class="track"><div class="thumb"></div></div>' +
      '<button class="arrow up" tabindex="-1" aria-hidden="true"></button>';
    const number = control[bar.id];
    // The handler reads the value that the bar's owner entered, and nobody is told of it.
    const commit = (value) => {
      input(() => M._ondix_scroll(number, value));
      if (stopped) return;
      bar.state = readControl(number);
      showBar(bar);
    };
    const by = (steps) => commit(bar.state.value + steps);
    bar.querySelector('.down').addEventListener('click', () => by(-bar.state.smallChange));
    bar.querySelector('.up').addEventListener('click', () => by(bar.state.smallChange));
    const track = bar.querySelector('.track');
    const thumb = bar.querySelector('.thumb');
    track.addEventListener('pointerdown', (event) => {
      if (event.target === thumb || event.button !== 0) return;
      const left = thumb.getBoundingClientRect().left;
      by(event.clientX < left ? -bar.state.largeChange : bar.state.largeChange);
    });
    thumb.addEventListener('pointerdown', (event) => {
      if (event.button !== 0) return;
      event.stopPropagation();
      thumb.setPointerCapture(event.pointerId);
      const k = bar.getBoundingClientRect().width / bar.offsetWidth; // the page's scale
      const startX = event.clientX;
      const startLeft = thumb.offsetLeft;
      const range = track.clientWidth - thumb.offsetWidth;
      let value = bar.state.value;
      const move = (e) => {
        const left = Math.min(range, Math.max(0, startLeft + (e.clientX - startX) / k));
        thumb.style.left = left + 'px';
        const s = bar.state;
        value = s.minimum + Math.round((range > 0 ? left / range : 0) * (s.maximum - s.minimum));
      };
      const release = () => {
        thumb.removeEventListener('pointermove', move);
        thumb.removeEventListener('pointerup', release);
        thumb.removeEventListener('pointercancel', release);
        commit(value);
        showBar(bar);
      };
      thumb.addEventListener('pointermove', move);
      thumb.addEventListener('pointerup', release);
      thumb.addEventListener('pointercancel', release);
    });
    bar.addEventListener('keydown', (event) => {
      const s = bar.state;
      const steps = { ArrowLeft: -s.smallChange, ArrowRight: s.smallChange, PageUp: -s.largeChange,
        PageDown: s.largeChange }[event.key];
      if (steps !== undefined) by(steps);
      else if (event.key === 'Home') commit(s.minimum);
      else if (event.key === 'End') commit(s.maximum);
      else return;
      event.preventDefault();
    });
  }

  // ---- The run: the passes due at each display frame, none while nothing changes ----

  function input(action) {
    call(action);
    refresh(false);
    wake();
  }

  function refresh(all) {
    call(() => {
      syncControls();
      drawChanges(all);
    });
  }

  function wake() {
    if (stopped || testMode || frameRequest || document.hidden) return;
    if (!call(() => M._ondix_running())) return;
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
    due = Math.min(MOST_PASSES_A_FRAME, due + Math.max(0, time - lastTime) * PASSES_PER_MS);
    lastTime = time;
    shownAt = time;
    const passes = Math.floor(due);
    due -= passes;
    call(() => M._ondix_run_passes(passes));
    refresh(false);
    // Halted, or at rest with nothing moving: no further frame until something happens.
    if (!stopped && call(() => M._ondix_running() && !M._ondix_at_rest())) {
      frameRequest = requestAnimationFrame(frame);
    }
  }

  document.addEventListener('visibilitychange', () => {
    if (document.hidden) {
      if (frameRequest) cancelAnimationFrame(frameRequest);
      frameRequest = 0;
    } else {
      wake(); // from the time it is seen again: no catching up
    }
  });

  // ---- The chain view: mouse, pen and fingers, and the keys ----

  function picturePoint(event) {
    const r = canvas.getBoundingClientRect();
    return [(event.clientX - r.left) * canvas.width / r.width,
      (event.clientY - r.top) * canvas.height / r.height];
  }

  const shiftOf = (e) => (e.shiftKey ? 1 : 0) + (e.ctrlKey ? 2 : 0) + (e.altKey ? 4 : 0);
  const buttonOf = (button) => ({ 0: 1, 2: 2, 1: 4 }[button] || 0);
  const fingers = new Set();

  function pointerEvent(kind, event) {
    const [x, y] = picturePoint(event);
    if (event.pointerType === 'touch') {
      touch(kind, event, x, y);
      return;
    }
    if (kind === 'down') canvas.setPointerCapture(event.pointerId);
    if (kind === 'move' && event.button >= 0) {
      // Another button pressed or released while one is held.
      const code = buttonOf(event.button);
      kind = (event.buttons & code) ? 'down' : 'up';
    }
    const codes = { down: 0, move: 1, up: 2 };
    const button = kind === 'move' ? event.buttons & 7 : buttonOf(event.button);
    input(() => M._ondix_pointer(codes[kind], button, shiftOf(event), x, y));
  }

  function touch(kind, event, x, y) {
    let type = TOUCH.update;
    let state = FINGER.moved;
    if (kind === 'down') {
      type = fingers.size === 0 ? TOUCH.begin : TOUCH.update;
      state = FINGER.pressed;
      fingers.add(event.pointerId);
      canvas.setPointerCapture(event.pointerId);
    } else if (kind === 'up') {
      fingers.delete(event.pointerId);
      type = fingers.size === 0 ? TOUCH.end : TOUCH.update;
      state = FINGER.released;
    } else if (kind === 'cancel') {
      fingers.clear();
      type = TOUCH.cancel;
      state = FINGER.released;
    } else if (!fingers.has(event.pointerId)) {
      return;
    }
    input(() => M._ondix_touch(type, event.pointerId, state, x, y, event.timeStamp,
      Math.round(DRAG_DISTANCE * scale)));
  }

  canvas.addEventListener('pointerdown', (e) => { canvas.focus({ preventScroll: true }); pointerEvent('down', e); });
  canvas.addEventListener('pointermove', (e) => pointerEvent('move', e));
  canvas.addEventListener('pointerup', (e) => pointerEvent('up', e));
  canvas.addEventListener('pointercancel', (e) => {
    if (e.pointerType === 'touch') pointerEvent('cancel', e);
  });
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());

  // A modifier on its own is no key of the view's; it only comes with the next one.
  const MODIFIERS = ['Shift', 'Control', 'Alt', 'Meta', 'AltGraph'];

  canvas.addEventListener('keydown', (event) => {
    if (event.key === 'Tab' || MODIFIERS.includes(event.key)) {
      return;
    }
    keyedFocus = true;
    canvas.classList.add('keyed');
    const key = KEYS[event.key] ?? OTHER_KEY;
    let taken = false;
    input(() => { taken = M._ondix_key_press(key, shiftOf(event)) === 1; });
    if (taken) event.preventDefault();
  });
  canvas.addEventListener('keyup', (event) => {
    if (MODIFIERS.includes(event.key)) return;
    const key = KEYS[event.key] ?? OTHER_KEY;
    input(() => M._ondix_key_release(key, shiftOf(event)));
  });
  canvas.addEventListener('focus', () => {
    if (keyedFocus) canvas.classList.add('keyed');
    nameTheView();
  });
  canvas.addEventListener('blur', () => {
    canvas.classList.remove('keyed');
    input(() => M._ondix_focus_lost());
    nameTheView();
  });
  // Focus that arrives by the Tab key shows the band at once; by a click, at the first key.
  document.addEventListener('keydown', (e) => { if (e.key === 'Tab') keyedFocus = true; }, true);
  document.addEventListener('pointerdown', () => { keyedFocus = false; }, true);

  // ---- Buttons, options and the information windows ----

  function connectClicks() {
    for (const name of names) {
      const element = $(name);
      if (!element || !/^(Command|Option)/.test(name)) continue;
      element.addEventListener('click', (event) => {
        if (name === 'Command6') {
          showInfo();
          return;
        }
        if (element.type === 'radio') event.preventDefault(); // the handler sets the check
        input(() => M._ondix_click(control[name]));
        if (element.type === 'radio') {
          setTimeout(() => refresh(false));
        }
      });
    }
    $('messageOk').addEventListener('click', () => { $('message').hidden = true; });
    $('infoClose').addEventListener('click', () => $('info').close());
  }

  function showInfo() {
    const text = call(() => M.UTF8ToString(M._ondix_info_page()));
    if (!text) return;
    const page = JSON.parse(text);
    const px = (twips) => Math.round(twips / 15) + 'px';
    $('infoTitle').textContent = page.title;
    const holder = $('infoPage');
    holder.replaceChildren();
    holder.style.width = px(page.width);
    holder.style.height = px(page.height);
    for (const block of page.blocks) {
      const div = document.createElement('div');
      div.style.left = px(block.left);
      div.style.top = px(block.top);
      div.style.width = px(block.width);
      div.style.height = px(block.height);
      div.style.background = `rgb(${block.rgb.join(',')})`;
      div.textContent = block.text;
      holder.appendChild(div);
    }
    const dialog = $('info');
    dialog.style.zoom = pageScale();
    if (!dialog.open) dialog.showModal();
  }

  // ---- Scaling with the browser's window ----

  function pageScale() {
    return Math.min(innerWidth / DESIGN_WIDTH, innerHeight / DESIGN_HEIGHT);
  }

  function layOut(first) {
    const k = pageScale();
    windowBox.style.transform = `scale(${k})`;
    windowBox.style.left = Math.max(0, (innerWidth - DESIGN_WIDTH * k) / 2) + 'px';
    scale = k * (window.devicePixelRatio || 1);
    const width = Math.max(1, Math.round(VIEW_WIDTH * scale));
    const height = Math.max(1, Math.round(VIEW_HEIGHT * scale));
    if (!first && width === canvas.width && height === canvas.height) return;
    canvas.width = width;
    canvas.height = height;
    image = context.createImageData(width, height);
    call(() => (first ? M._ondix_start(width, height, scale) : M._ondix_resize(width, height, scale)));
    refresh(true);
    for (const bar of windowBox.querySelectorAll('.bar')) if (bar.state) showBar(bar);
  }

  function placeViewLabels() {
    // Their places in the view's own scale, as the desktop's layout puts them.
    const places = { Label3: [1, -2.8], Label4: [85, -2.8], Label5: [85, 2.5], Label6: [1, 2.4],
      Label7: [25, -2.8], Label8: [75, -2.8] };
    for (const [name, [x, y]] of Object.entries(places)) {
      $(name).style.left = viewX(x) + 'px';
      $(name).style.top = viewY(y) + 'px';
    }
  }

  // ---- Start ----

  createOndix({
    onRunTimeError(code, message) {
      stop();
      showMessage(`Laufzeitfehler '${code}':\n\n${message}`);
    },
    onEnd() {
      stop();
      windowBox.hidden = true;
      showMessage('Die Wellenmaschine ist beendet. Neu laden startet sie wieder.');
    },
  }).then((module) => {
    M = module;
    const count = M._ondix_control_count();
    for (let i = 0; i < count; ++i) {
      names.push(M.UTF8ToString(M._ondix_control_name(i)));
      control[names[i]] = i;
    }
    $('keyList').textContent = M.UTF8ToString(M._ondix_key_list());
    canvas.title = $('keyList').textContent;
    for (const bar of windowBox.querySelectorAll('.bar')) makeBar(bar);
    placeViewLabels();
    connectClicks();
    layOut(true);
    addEventListener('resize', () => { layOut(false); wake(); });
    wake();
    // For tests and measurements: the run paced by hand (page opened with #test), the state.
    window.ondix = {
      runPasses: (n) => { call(() => M._ondix_run_passes(n)); refresh(false); },
      stateHash: () => M._ondix_state_hash() >>> 0,
      pictureHash: () => M._ondix_picture_hash() >>> 0,
      pictureSize: () => [canvas.width, canvas.height],
      setStep: (dt) => call(() => M._ondix_set_step(dt)),
      running: () => !stopped && M._ondix_running() === 1,
      framePending: () => frameRequest !== 0,
    };
    document.body.dataset.ready = '1';
  });
})();
