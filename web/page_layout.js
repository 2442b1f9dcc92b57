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
  const FULL_HD = [1920, 1080]; // up to this size the panels keep their smallest scale
  const SMALLEST_VIEW = 120; // CSS pixels of the view's height, and a fifth of the window's
  const DIAGRAM = [110, 220]; // CSS pixels of the time diagram's canvas: least, most
  const windowBox = document.getElementById('Ondix15');
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

  // The smallest caption at 12 CSS pixels, more where the browser's default font is larger than
  // 16 pixels (rem), and beyond a full-HD screen growing with it, as that screen scaled up.
  function panelScale(width, height) {
    const rem = parseFloat(getComputedStyle(document.documentElement).fontSize) / DEFAULT_FONT;
    const smallest = Math.min(form.window.points, ...form.controls.map((c) => c.points)) * 4 / 3;
    return SMALLEST_TEXT / smallest * Math.max(1, rem)
      * Math.max(1, Math.min(width / FULL_HD[0], height / FULL_HD[1]));
  }

  // A window child's size and a control's box in its frame, in pixels of the design: a frame as
  // snug as what it holds, the taller boxes where a finger is the pointer.
  const childSize = (c) => (c.kind === 'Frame' ? (fingers.matches ? c.fingerSnug : c.snug) : c.box.slice(2));
  const boxInFrame = (c) => (fingers.matches && c.finger ? c.finger : c.box);

  // One column's size and its children's places in it, in pixels of the design: its rows one
  // beneath the other, or with `inLine` all its children side by side.
  function column(rows, gap, inLine) {
    const places = [];
    let [left, top, width, height] = [0, 0, 0, 0];
    for (const row of rows) {
      for (const name of row) {
        const [w, h] = childSize(byName[name]);
        places.push([name, left, top, w, h]);
        left += w + gap;
        height = Math.max(height, h);
      }
      width = Math.max(width, left - gap);
      if (!inLine) [left, top, height] = [0, top + height + gap, 0];
    }
    return { width, height: inLine ? height : top - gap, places };
  }

  // The columns in rows of at most `room` wide, in their order; a column alone in its row lays
  // its children side by side where they fit, so that the row is lower.
  function rowsOf(room, gap) {
    const rows = [];
    for (const children of form.columns) {
      const c = column(children, gap, false);
      const row = rows[rows.length - 1];
      if (row && row.width + gap + c.width <= room) {
        row.columns.push(c);
        row.width += gap + c.width;
        row.height = Math.max(row.height, c.height);
        row.alone = null;
      } else {
        rows.push({ columns: [c], width: c.width, height: c.height, alone: children });
      }
    }
    for (const row of rows) {
      const inLine = row.alone && column(row.alone, gap, true);
      if (inLine && inLine.width <= room && inLine.height < row.height) {
        Object.assign(row, { columns: [inLine], width: inLine.width, height: inLine.height });
      }
    }
    return rows;
  }

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

  // Everything placed at the window's size now; the chain view's size in CSS pixels.
  function update() {
    const width = document.documentElement.clientWidth;
    const height = document.documentElement.clientHeight;
    scale = panelScale(width, height);
    const gap = form.gap;
    const rows = rowsOf(width / scale - 2 * gap, gap);
    const panelsHeight = rows.reduce((sum, row) => sum + row.height + gap, gap) * scale;
    const viewTop = viewControl.box[1];
    const below = setupBar.offsetHeight;
    const least = Math.max(SMALLEST_VIEW, height / 5);
    let viewHeight = Math.floor(height - below - viewTop - panelsHeight);
    // The time diagram's strip, while it is open, beneath the view and above the panels: its
    // title bar and a canvas of two fifths of the view's room, less where the view would fall
    // short, never less than the least.
    let strip = 0;
    if (page.diagram.wanted()) {
      const bar = page.diagram.barHeight();
      strip = bar + Math.round(Math.max(DIAGRAM[0],
        Math.min(DIAGRAM[1], 0.4 * viewHeight - bar, viewHeight - least - bar)));
    }
    viewHeight -= strip;
    if (viewHeight < least) {
      // Too little room: the view takes most of the window and the page scrolls to the panels.
      viewHeight = Math.floor(Math.min(0.75 * height, width / 2));
    }
    view = { width, height: viewHeight };
    windowBox.style.setProperty('--panel', scale);
    windowBox.style.fontSize = form.window.points * scale + 'pt';
    setBox(page.controls.holder(viewControl.name), [0, viewTop, width, viewHeight]);
    const windowTop = windowBox.getBoundingClientRect().top + scrollY;
    page.diagram.place(strip ? [0, windowTop + viewTop + viewHeight, width, strip] : null);
    let y = viewTop + viewHeight + strip + gap * scale;
    for (const row of rows) {
      let x = (width - row.width * scale) / 2;
      for (const column of row.columns) {
        for (const [name, left, top, w, h] of column.places) {
          setBox(page.controls.holder(name), [x + left * scale, y + top * scale, w * scale, h * scale]);
        }
        x += (column.width + gap) * scale;
      }
      y += (row.height + gap) * scale;
    }
    windowBox.style.width = px(width);
    windowBox.style.height = px(Math.max(height - below, Math.ceil(y)));
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
    // The link's bar beneath the window, as its notes and its box come and go.
    let barHeight = setupBar.offsetHeight;
    new ResizeObserver(() => {
      if (setupBar.offsetHeight !== barHeight) changed();
      barHeight = setupBar.offsetHeight;
    }).observe(setupBar);
  }

  function build(theForm) {
    form = theForm;
    byName = Object.fromEntries(form.controls.map((c) => [c.name, c]));
    viewControl = form.controls.find((c) => c.kind === 'View');
  }

  page.layout = { build, update, placeGiven, watch, scale: () => scale, fingers: () => fingers.matches };
})(window.ondixPage = window.ondixPage || {});
