// The page's layout at the browser window's size, made at start and again on every change of
// that size, of the display's scale, of the default font size and of the kind of pointer; never
// per frame. The chain view lies across the top at the window's full width; the panels follow
// beneath it in the form's columns, which wrap into more rows where the width runs out. One panel
// scale, CSS pixels to a pixel of the form's design, sizes every panel, what it holds and its
// text, so that each frame keeps its inner layout.
'use strict';

((page) => {
  const SMALLEST_TEXT = 12; // CSS pixels of the smallest caption at the default font size
  const DEFAULT_FONT = 16; // the browser's default font size, in CSS pixels, unless changed
  const SMALLEST_VIEW = 120; // CSS pixels of the view's height, and a fifth of the window's
  const DIAGRAM = [110, 220]; // CSS pixels of the time diagram's canvas: least, most
  const VIEW_FLOOR = 60; // CSS pixels of the view's height that it keeps beside the open diagram
  const windowBox = document.querySelector('.window');
  const setupBar = document.getElementById('setup'); // beneath the window, the teacher's link
  const fingers = matchMedia('(pointer: coarse)');
  const placedAt = {}; // by name: the place a handler gave in the view, in pixels of the design
  let form = null;
  let byName = {};
  let viewControl = null; // the chain view's entry
  let scale = 1;
  let view = { width: 0, height: 0 };

  const px = (value) => value + 'px';
  function setBox(holder, [left, top, width, height]) {
    Object.assign(holder.style, { left: px(left), top: px(top), width: px(width), height: px(height) });
  }

  // The least panel scale: the smallest caption at 12 CSS pixels, more where the browser's
  // default font is larger than 16 pixels (rem).
  function leastScale() {
    const rem = parseFloat(getComputedStyle(document.documentElement).fontSize) / DEFAULT_FONT;
    return SMALLEST_TEXT / smallestCaption() * Math.max(1, rem);
  }
  const smallestCaption = () => Math.min(form.window.points, ...form.controls.map((c) => c.points)) * 4 / 3;
  // The panel scale to its least at the default font size: what the parts beside the panels (the
  // link's bar, the time diagram) grow by.
  const grow = () => scale / (SMALLEST_TEXT / smallestCaption());

  // The panels flowed into a room `room` pixels of the design wide (the module's one rule, as the
  // desktop flows them): the widest row, the rows' height, each child's place from the room's
  // left and the first row's top, the rows centred in the room.
  const flow = (room) => page.api.panelFlow(room, fingers.matches);

  // The panel scale now `panel`; what the link's bar beneath the window then takes, as it grows
  // with the panels.
  function scaleTo(panel) {
    scale = panel;
    document.documentElement.style.setProperty('--grow', grow());
    return setupBar.offsetHeight;
  }

  // The panel scale and the panels' flow at the window's size: the least scale, or where there is
  // room more, so that the panels fill the window's width while the view keeps half its height.
  // A larger scale leaves a narrower room, which the rows of the least scale still fill: no row
  // wraps anew. The link's bar beneath the window, as high as it is then (none `beside` the
  // panels).
  function panelsAt(width, height, beside) {
    const gap = form.gap;
    const least = leastScale();
    let panels = flow(width / least - 2 * gap);
    const fill = width / (panels.width + 2 * gap);
    let below = scaleTo(least);
    for (let i = 0; i < 2 && fill > least; i++) {
      const half = (height / 2 - (beside ? 0 : below) - viewControl.box[1]) / (panels.height + 2 * gap);
      below = scaleTo(Math.max(least, Math.min(fill, half)));
    }
    if (scale > least) panels = flow(width / scale - 2 * gap);
    return { panels, below };
  }

  // A control's box in its frame, in pixels of the design: the taller box where a finger is the
  // pointer.
  const boxInFrame = (c) => (fingers.matches && c.finger ? c.finger : c.box);

  // A control in the chain view: its size by the panel scale, its place (the form's, or the one
  // a handler gave, both in pixels of the design's view) by the view's own scale, inside the view.
  function placeInView(c) {
    const [, , designWidth, designHeight] = viewControl.box;
    const [w, h] = [c.box[2] * scale, c.box[3] * scale];
    let [left, top] = placedAt[c.name] || c.box;
    if (c.kind === 'Pointer') { // centred on its point
      left = (left + c.box[2] / 2) * view.width / designWidth - w / 2;
      top = (top + c.box[3] / 2) * view.height / designHeight - h / 2;
    } else {
      left = Math.min(left * view.width / designWidth, view.width - w);
      top = Math.min(top * view.height / designHeight, view.height - h);
    }
    setBox(page.controls.holder(c.name), [Math.max(0, left), Math.max(0, top), w, h]);
  }

  // Whether the link's bar fits beside the panels' last row, in the window's bottom-right corner,
  // so that the window keeps the height it would take beneath: then it lies there.
  function barBeside(panels, width) {
    const gap = form.gap;
    setupBar.classList.add('beside');
    const [barWidth, barHeight] = [setupBar.offsetWidth, setupBar.offsetHeight];
    const free = panels.places.every(([, x, y, w, h]) => (x + gap + w) * scale <= width - barWidth
      || (panels.height + gap - y - h) * scale >= barHeight);
    setupBar.classList.toggle('beside', free);
    return free;
  }

  // The time diagram's strip at a room `room` CSS pixels high that it shares with the view above
  // it: its bar and a canvas of half the room, less where the view would fall short of `least`,
  // never less than the plot's least; both grow with the panels. With `side`, the bar is a column
  // beside the canvas, which the strip is at least as high as.
  function stripHeight(room, least, side) {
    const [fewest, most] = DIAGRAM.map((v) => v * grow());
    const { above, column } = page.diagram.measure(side);
    return above + Math.round(Math.max(fewest, column - above,
      Math.min(most, room / 2 - above, room - least - above)));
  }

  // Everything placed at the window's size now; the chain view's size in CSS pixels.
  function update() {
    const width = document.documentElement.clientWidth;
    const height = document.documentElement.clientHeight;
    // The link's bar beside the panels where it fits there, also at the larger scale that the
    // height it leaves allows.
    let laid = panelsAt(width, height, false);
    if (barBeside(laid.panels, width)) {
      const larger = panelsAt(width, height, true);
      if (barBeside(larger.panels, width)) laid = larger;
      else barBeside((laid = panelsAt(width, height, false)).panels, width);
    }
    const { panels, below } = laid;
    const gap = form.gap;
    const viewTop = viewControl.box[1];
    const beneath = setupBar.classList.contains('beside') ? 0 : below;
    // The room of the view and the diagram's strip between the window's top and the panels, less
    // the instruction's strip beneath them while one is shown.
    const free = Math.floor(height - beneath - viewTop - (panels.height + 2 * gap) * scale);
    const least = Math.max(SMALLEST_VIEW, height / 5);
    // Where the view would fall short of its least, the instruction's title moves beside its text
    // if that leaves more, and the view gives up height, down to its floor.
    const [atop, beside] = [page.experiments.height(width, false), page.experiments.height(width, true)];
    const noteSide = free - atop[0] < least && beside[0] < atop[0];
    let [note, noteLeast] = noteSide ? beside : atop;
    const room = free - note;
    // The strip, while it is open, beneath the view and above the panels. Where the view would
    // fall short of its least, the strip's bar moves beside its canvas if that leaves more, and
    // the view gives up height, down to its floor.
    let strip = 0;
    let side = false;
    if (page.diagram.wanted()) {
      strip = stripHeight(room, least, false);
      if (room - strip < least && stripHeight(room, least, true) < strip) {
        side = true;
        strip = stripHeight(room, least, true);
      }
    }
    let viewHeight = room - strip;
    if (note && viewHeight < VIEW_FLOOR && note - noteLeast >= VIEW_FLOOR - viewHeight) {
      // Still short of the floor: the instruction gives up height, down to its least, and its
      // text scrolls inside it.
      note -= VIEW_FLOOR - viewHeight;
      viewHeight = VIEW_FLOOR;
    }
    if (viewHeight < (strip || note ? VIEW_FLOOR : least)) {
      // Too little room: the view takes most of the window and the page scrolls to the panels.
      viewHeight = Math.floor(Math.min(0.75 * height, width / 2));
    }
    view = { width, height: viewHeight };
    windowBox.style.setProperty('--panel', scale);
    windowBox.style.fontSize = form.window.points * scale + 'pt';
    setBox(page.controls.holder(viewControl.name), [0, viewTop, width, viewHeight]);
    const windowTop = windowBox.getBoundingClientRect().top + scrollY;
    page.diagram.place(strip ? [0, windowTop + viewTop + viewHeight, width, strip] : null, side);
    page.experiments.place(note ? [0, windowTop + viewTop + viewHeight + strip, width, note] : null, noteSide);
    const top = viewTop + viewHeight + strip + note + gap * scale;
    for (const [name, x, y, w, h] of panels.places) {
      setBox(page.controls.holder(name), [(x + gap) * scale, top + y * scale, w * scale, h * scale]);
    }
    const windowHeight = Math.max(height - beneath, Math.ceil(top + (panels.height + gap) * scale));
    windowBox.style.width = px(width);
    windowBox.style.height = px(windowHeight);
    if (beneath === 0) setupBar.style.top = px(windowTop + windowHeight - setupBar.offsetHeight);
    for (const c of form.controls) {
      const holder = page.controls.holder(c.name);
      holder.style.fontSize = c.points * scale + 'pt';
      if (c.parent === viewControl.name) placeInView(c);
      else if (c.parent !== form.window.name) setBox(holder, boxInFrame(c).map((v) => v * scale));
    }
    windowBox.dataset.panelScale = scale;
    for (const bar of windowBox.querySelectorAll('.bar')) if (bar.ondixState) page.scrollBar.show(bar);
    return view;
  }

  // A place in the view that a handler gave, in pixels of the design's view.
  function placeGiven(name, at) {
    placedAt[name] = at;
    placeInView(byName[name]);
  }

  // `changed()` after every change that asks for a new layout.
  function watch(changed) {
    addEventListener('resize', changed);
    fingers.addEventListener('change', changed);
    // The display's scale (a window moved to another screen, the browser's zoom); the query is
    // kept, or the browser may drop it with its listener.
    const kept = {};
    const watchScale = () => {
      kept.resolution = matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
      kept.resolution.addEventListener('change', () => {
        watchScale();
        changed();
      }, { once: true });
    };
    watchScale();
    // The default font size (the system's text size): a box of 1 rem changes its size.
    const rem = document.createElement('div');
    Object.assign(rem.style, { position: 'absolute', left: 0, top: 0, visibility: 'hidden', width: '1rem',
      height: '1rem' });
    document.body.appendChild(rem);
    let first = true;
    new ResizeObserver(() => {
      if (!first) changed();
      first = false;
    }).observe(rem);
    // The link's bar beneath the window or beside the panels, as its notes and its box come and
    // go.
    let barSize = '';
    new ResizeObserver(() => {
      const size = (setupBar.classList.contains('beside') ? setupBar.offsetWidth : '') + 'x' + setupBar.offsetHeight;
      if (barSize && size !== barSize) changed();
      barSize = size;
    }).observe(setupBar);
  }

  function build(theForm) {
    form = theForm;
    byName = Object.fromEntries(form.controls.map((c) => [c.name, c]));
    viewControl = form.controls.find((c) => c.role === 'view');
  }

  page.layout = { build, update, placeGiven, watch, scale: () => scale, fingers: () => fingers.matches,
    finger: () => form.finger, grow };
})(window.ondixPage = window.ondixPage || {});
