// The panels' controls: built at start from the module's form (kind, container, look,
// accessible name, Tab order; page_layout.js places and sizes them), then shown as the handlers change them, from one plain
// object per changed control.
'use strict';

((page) => {
  const windowBox = document.querySelector('.window');
  const canvas = page.picture.canvas;
  const viewBox = canvas.parentElement;
  const elements = {}; // by name: the control (the canvas, an option's radio button)
  const holders = {}; // by name: the box that is placed and shown or hidden
  const toggles = new Set(); // the names of the buttons that stay on or off
  const named = {}; // by the role the form gives a few: their names
  const checked = {}; // by name: the check as the module last said
  let controls = [];
  let viewName = '';
  let tape = null; // the tape's read-out, whose reading the view's name carries
  let readingName = '';

  function element(tag, className) {
    const e = document.createElement(tag);
    if (className) e.className = className;
    return e;
  }

  // The element of one control, and the holder that is placed, by the control's kind.
  function create(control) {
    switch (control.kind) {
    case 'View':
      canvas.setAttribute('role', 'application');
      return [canvas, viewBox];
    case 'Frame': {
      const frame = element('div', 'frame');
      const caption = element('div', 'caption');
      caption.id = control.name + '-caption';
      frame.appendChild(caption);
      frame.setAttribute('role', 'group');
      frame.setAttribute('aria-labelledby', caption.id);
      return [frame, frame];
    }
    case 'Button': {
      const button = element('button');
      button.type = 'button';
      return [button, button];
    }
    case 'Label': {
      return Array(2).fill(element('div', 'label ' + control.look));
    }
    case 'TextBox': {
      const box = element('input', 'box');
      box.type = 'text';
      box.readOnly = control.readOnly;
      return [box, box];
    }
    case 'ScrollBar': {
      const bar = element('div', 'bar');
      page.scrollBar.make(bar, (value) => {
        page.act(() => page.api.scroll(control.name, value));
        if (bar.ondixState) page.scrollBar.show(bar);
      });
      return [bar, bar];
    }
    case 'Option': {
      const holder = element('label', 'option');
      const radio = element('input');
      radio.type = 'radio';
      radio.name = control.parent; // the group is one Tab stop, the arrow keys move within it
      holder.append(radio, element('span'));
      return [radio, holder];
    }
    default: {
      const pointer = element('div', 'pointer');
      pointer.setAttribute('aria-hidden', 'true');
      return [pointer, pointer];
    }
    }
  }

  function build(form) {
    const win = form.window;
    windowBox.id = win.name;
    holders[win.name] = windowBox;
    elements[win.name] = windowBox;
    controls = form.controls;
    for (const control of [win, ...controls]) if (control.role) named[control.role] = control.name;
    for (const control of controls) {
      const [e, holder] = create(control);
      e.id = control.name;
      elements[control.name] = e;
      holders[control.name] = holder;
      if (control.accessibleName) e.setAttribute('aria-label', control.accessibleName);
      // A switch is described by its indicator; a scroll bar's read-out gives its value text.
      if (control.shownBy && control.kind === 'Button') e.setAttribute('aria-describedby', control.shownBy);
      if (control.toggle) toggles.add(control.name);
      if (e.tagName !== 'DIV' || control.kind === 'ScrollBar') e.tabIndex = control.tab || -1;
      if (e === canvas) {
        viewName = control.accessibleName;
        continue;
      }
      const parent = elements[control.parent];
      (parent === canvas ? viewBox : parent).appendChild(holder);
      if (control.kind === 'Option') parent.setAttribute('role', 'radiogroup');
    }
    const description = document.createElement('div');
    description.id = 'viewDescription';
    description.hidden = true;
    description.textContent = form.viewDescription;
    viewBox.appendChild(description);
    canvas.setAttribute('aria-describedby', description.id);
    canvas.title = form.viewDescription;
  }

  // One control as the panels' state says. Only what differs is written: a write makes the
  // browser look at the element again.
  function show(state) {
    const e = elements[state.name];
    const holder = holders[state.name];
    if (e === windowBox) {
      document.title = state.pageTitle;
      return;
    }
    if (!e || e === canvas) return;
    const display = state.visible ? '' : 'none';
    if (holder.style.display !== display) holder.style.display = display;
    // A button that takes no input now: greyed, out of the Tab order, spoken as unavailable.
    if (e.tagName === 'BUTTON' && e.disabled !== !state.enabled) e.disabled = !state.enabled;
    if (state.at) page.layout.placeGiven(state.name, state.at);
    // No colour of its own: the page's, as at the start.
    const back = state.back || '';
    if ((holder.dataset.back || '') !== back) {
      holder.style.background = back;
      holder.dataset.back = back;
    }
    if (state.range) {
      e.ondixState = state;
      page.scrollBar.show(e);
    } else if (e.type === 'radio') {
      e.checked = state.checked;
      holder.querySelector('span').textContent = state.caption;
    } else if (e.tagName === 'INPUT') {
      if (e.value !== state.caption) e.value = state.caption;
    } else if (e.classList.contains('frame')) {
      e.querySelector('.caption').textContent = state.caption;
    } else if (!e.classList.contains('pointer') && e.textContent !== state.caption) {
      e.textContent = state.caption;
    }
    checked[state.name] = state.checked;
    if (toggles.has(state.name) && e.getAttribute('aria-pressed') !== String(state.checked)) {
      e.setAttribute('aria-pressed', String(state.checked));
    }
    if (state.viewNameWithReading !== undefined) {
      tape = holder;
      readingName = state.viewNameWithReading;
      nameTheView();
    }
  }

  // The controls the handlers changed since the last look.
  function showChanges() {
    for (const state of page.api.changedControls()) show(state);
  }

  // While the view has the focus its name carries the tape's reading, for a screen reader.
  function nameTheView() {
    const reading = document.activeElement === canvas && tape && tape.style.display !== 'none';
    canvas.setAttribute('aria-label', reading ? readingName : viewName);
  }

  // What the page does where the module asks more of it after a click.
  const answers = {
    information: (asked) => page.dialogs.showInfo(asked.page),
    experiments: () => page.experiments.showList(),
    saveImage: () => page.saving.image(),
    saveSamples: () => page.saving.samples(),
  };

  // The buttons and options, each click through the module, and what it asks of the page.
  function connectClicks() {
    for (const control of controls) {
      if (control.kind !== 'Button' && control.kind !== 'Option') continue;
      elements[control.name].addEventListener('click', () => {
        let asked = null;
        page.act(() => {
          asked = page.api.click(control.name);
        });
        if (asked && answers[asked.reply]) answers[asked.reply](asked);
        page.experiments.sync();
      });
    }
  }

  // The time diagram's strip lies between the view and the panels, and so in the Tab order: after
  // the view and what lies in it. Escape in it closes it, and the focus goes back where it came
  // from; the diagram's own keys (A: its words) act in it. Its words are spoken as the diagram
  // says them (TimeDiagram::spoken).
  let strip = null;
  let cameFrom = null;
  let summary = null;
  let spokenCount = -1;

  function connectStrip() {
    strip = document.getElementById('TimeDiagram');
    const afterView = Math.max(...controls.filter((c) => elements[c.name] === canvas || elements[c.parent] === canvas)
      .map((c) => c.tab));
    for (const e of strip.querySelectorAll('button, input')) e.tabIndex = afterView;
    strip.addEventListener('focusin', (event) => {
      if (event.relatedTarget && !strip.contains(event.relatedTarget)) cameFrom = event.relatedTarget;
    });
    strip.addEventListener('keydown', (event) => {
      if (event.ctrlKey || event.altKey || event.metaKey) return;
      if (page.call(() => page.api.diagramKey(event.key))) {
        event.preventDefault();
        page.refresh(false);
        return;
      }
      if (event.key !== 'Escape' || !closeDiagram()) return;
      event.preventDefault();
      (cameFrom && cameFrom.isConnected ? cameFrom : canvas).focus();
    });
    summary = element('div', 'spoken-only');
    summary.id = 'TimeDiagramSummary';
    summary.setAttribute('aria-live', 'polite');
    document.body.appendChild(summary);
    document.getElementById('TimeDiagramCanvas').setAttribute('aria-describedby', summary.id);
  }

  // The strip closed as its close button does; false where it was not open.
  function closeDiagram() {
    if (!strip || !page.diagram.wanted()) return false;
    document.getElementById('TimeDiagramClose').click();
    return true;
  }

  // The diagram's words while its strip is open, each time the diagram says them: a new text
  // node, which a reader speaks even where the words are the same.
  function describeDiagram() {
    if (!summary) return;
    if (!page.diagram.wanted()) {
      if (summary.firstChild) summary.replaceChildren();
      return;
    }
    const count = page.api.diagramSpoken();
    if (count === spokenCount) return;
    spokenCount = count;
    summary.replaceChildren(page.api.diagramSummary());
  }

  // The control the form gives `role` ('window', 'view', 'diagram'), and whether the module last
  // said it is checked.
  const byRole = (role) => elements[named[role]];
  const isChecked = (role) => checked[named[role]] === true;

  page.controls = { build, showChanges, nameTheView, connectClicks, connectStrip, closeDiagram,
    describeDiagram, holder: (name) => holders[name], byRole, isChecked };
})(window.ondixPage = window.ondixPage || {});
