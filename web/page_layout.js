// The page's layout at the browser window's size, made at start and again on every change of
// that size, of the display's scale, of the default font size, of the kind of pointer and of the
// tools open; never per frame. The module's rule for the lesson (LessonLayout) places the chain
// view, the time diagram's and the instruction's strips and the panels' room; the panels flow
// into that room in the form's columns, which wrap into more rows where the width runs out. One
// panel scale, CSS pixels to a pixel of the form's design, sizes every panel, what it holds and
// its text, so that each frame keeps its inner layout.
'use strict';

((page) => {
  const SMALLEST_TEXT = 12; // CSS pixels of the smallest caption at the default font size
  const DEFAULT_FONT = 16; // the browser's default font size, in CSS pixels, unless changed
  const DIAGRAM = [110, 220]; // CSS pixels of the time diagram's plot: least, most
  const COLUMN = 360; // CSS pixels of the tools' column beside the view or the panels
  const LOW = 600; // CSS pixels of a window's height below which the page may scroll
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

  // What the lesson's tools need at the window's width, in CSS pixels, as they would be shown:
  // the diagram its bar above a plot of at least 110 px, up to 220 (both grow with the panels);
  // the instruction its title and three lines at least, and its whole text at the tools'
  // column's width and at the window's.
  function tools(width, column) {
    const diagram = { open: page.diagram.wanted(), least: 0, most: 0 };
    if (diagram.open) {
      const { above } = page.diagram.measure(false);
      [diagram.least, diagram.most] = DIAGRAM.map((v) => above + Math.ceil(v * grow()));
    }
    const [narrow, least] = page.experiments.height(column, false);
    const [wide] = page.experiments.height(width, false);
    return { diagram, instruction: { open: wide > 0, least, narrow: [column, narrow], wide: [width, wide] } };
  }

  // The module's rule at the panel scale now, in a window `height` high (less the link's bar
  // where it lies beneath), the panels' room `under` higher for the bar at its foot: where the
  // view, the tools and the panels' room go.
  function lessonAt(width, height, under) {
    const column = COLUMN * grow();
    // A finger's screen, or one too low for the panels beneath the view, may scroll: the view
    // then stays at the window's top and the rest passes beneath it.
    const mayScroll = fingers.matches || height < LOW;
    return page.api.lessonLayout({ width, height, top: viewControl.box[1], scale, finger: fingers.matches,
      under, column, mayScroll, ...tools(width, column) });
  }

  // A box of the rule from the window's top to one in the page.
  const inPage = (box, windowTop) => box && [box[0], windowTop + box[1], box[2], box[3]];

  // Everything placed at the window's size now; the chain view's size in CSS pixels.
  function update() {
    const width = document.documentElement.clientWidth;
    const height = document.documentElement.clientHeight;
    const toolsOpen = page.diagram.wanted() || page.experiments.height(width, false)[0] > 0;
    // The link's bar beside the panels where it fits there, also at the larger scale that the
    // height it leaves allows, while no tool is open; else at the foot of the panels' room, which
    // the rule makes room for.
    setupBar.classList.remove('under');
    Object.assign(setupBar.style, { left: '', width: '' });
    let laid = panelsAt(width, height, false);
    if (!toolsOpen && barBeside(laid.panels, width)) {
      const larger = panelsAt(width, height, true);
      if (barBeside(larger.panels, width)) laid = larger;
      else barBeside((laid = panelsAt(width, height, false)).panels, width);
    } else {
      setupBar.classList.remove('beside');
    }
    const beside = setupBar.classList.contains('beside');
    setupBar.classList.toggle('under', !beside);
    if (!beside) setupBar.style.width = px(width);
    const under = () => (beside ? 0 : setupBar.offsetHeight);
    let lesson = lessonAt(width, height, under());
    if (!lesson.fits && scale > leastScale()) {
      // Larger panels only where everything still keeps its least.
      scaleTo(leastScale());
      lesson = lessonAt(width, height, under());
    }
    const gap = form.gap;
    const scrolled = lesson.arrangement === 'Scrolled';
    view = { width: lesson.view[2], height: lesson.view[3] };
    windowBox.style.setProperty('--panel', scale);
    windowBox.style.fontSize = form.window.points * scale + 'pt';
    windowBox.dataset.arrangement = lesson.arrangement;
    const viewHolder = page.controls.holder(viewControl.name);
    const windowTop = windowBox.getBoundingClientRect().top + scrollY;
    // Scrolled, the view stays at the window's top while the rest passes beneath it.
    viewHolder.classList.toggle('kept', scrolled);
    setBox(viewHolder, scrolled ? inPage(lesson.view, windowTop) : lesson.view);
    // So does the diagram directly beneath it, where it comes before the panels.
    page.diagram.place(inPage(lesson.diagram, windowTop), scrolled && lesson.diagram && lesson.diagram[1] < lesson.panels[1]);
    page.experiments.place(inPage(lesson.instruction, windowTop));
    // A control the focus or a scroll brings into sight comes out beneath what stays in sight.
    const kept = [viewHolder, document.getElementById('TimeDiagram')].filter((e) => e && e.classList.contains('kept'));
    document.documentElement.style.scrollPaddingTop = kept.length
      ? px(Math.max(...kept.map((e) => e.offsetTop + e.offsetHeight))) : '';
    const [left, top, room] = lesson.panels;
    const panels = flow(room / scale - 2 * gap);
    for (const [name, x, y, w, h] of panels.places) {
      setBox(page.controls.holder(name), [left + (x + gap) * scale, top + y * scale, w * scale, h * scale]);
    }
    const windowHeight = Math.max(height, Math.ceil(lesson.contentHeight));
    windowBox.style.width = px(width);
    windowBox.style.height = px(windowHeight);
    if (!beside) Object.assign(setupBar.style, { left: px(left), width: px(room) });
    const barFoot = beside ? windowHeight : top + lesson.panels[3];
    setupBar.style.top = px(windowTop + barFoot - setupBar.offsetHeight);
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
