// The time diagram's panel: a floating, non-modal panel at the lower right, over the form and
// never over the chain view where the window leaves room, shown while the diagram's button is
// pressed. The module draws the diagram (pixels and the places of its texts); the panel puts
// the pixels on its canvas and writes the texts there in the page's font.
'use strict';

((page) => {
  const $ = (id) => document.getElementById(id);
  let texts = null; // the title, the span's name and range, as the module gives them
  let panel = null;
  let canvas = null;
  let context = null;
  let span = null;
  let button = null;

  function build() {
    texts = JSON.parse(page.module.ccall('ondix_diagram_form', 'string', [], []));
    panel = document.createElement('section');
    panel.id = 'TimeDiagram';
    panel.className = 'diagram-panel';
    panel.setAttribute('role', 'dialog');
    panel.setAttribute('aria-modal', 'false');
    panel.setAttribute('aria-labelledby', 'TimeDiagramTitle');
    panel.hidden = true;
    const bar = document.createElement('div');
    bar.className = 'title-bar';
    const title = document.createElement('span');
    title.id = 'TimeDiagramTitle';
    title.textContent = texts.title;
    const close = document.createElement('button');
    close.id = 'TimeDiagramClose';
    close.textContent = '×';
    close.setAttribute('aria-label', texts.close);
    close.addEventListener('click', () => button.click());
    bar.append(title, close);
    canvas = document.createElement('canvas');
    canvas.id = 'TimeDiagramCanvas';
    canvas.setAttribute('role', 'img');
    canvas.setAttribute('aria-label', texts.title);
    context = canvas.getContext('2d', { alpha: false });
    span = document.createElement('input');
    span.id = 'TimeDiagramSpan';
    span.type = 'range';
    Object.assign(span, { min: texts.minimum, max: texts.maximum, step: texts.step });
    span.setAttribute('aria-label', texts.spanName);
    span.addEventListener('input', () => page.call(() => page.module.ccall('ondix_diagram_span',
      null, ['number'], [Number(span.value)])));
    panel.append(bar, canvas, span);
    document.body.appendChild(panel);
    button = $('Command14');
  }

  // The diagram's pixels and texts, drawn anew only when the module says they changed.
  function show() {
    if (!panel) return;
    const shown = button.getAttribute('aria-pressed') === 'true';
    if (panel.hidden === shown) panel.hidden = !shown;
    if (!shown) return;
    // As tall as the room below the chain view allows, between 120 and 230 CSS pixels.
    const free = window.innerHeight - page.picture.canvas.getBoundingClientRect().bottom - 8;
    const chrome = panel.offsetHeight - canvas.offsetHeight;
    const tall = Math.round(Math.max(120, Math.min(230, free - chrome))) + 'px';
    if (canvas.style.height !== tall) canvas.style.height = tall;
    const width = Math.max(1, canvas.clientWidth);
    const height = Math.max(1, canvas.clientHeight);
    const reply = page.module.ccall('ondix_diagram', 'string', ['number', 'number'], [width, height]);
    if (!reply) return;
    const d = JSON.parse(reply);
    canvas.width = d.width;
    canvas.height = d.height;
    const bytes = new Uint8ClampedArray(page.module.HEAPU8.buffer, d.bytes, d.width * d.height * 4);
    context.putImageData(new ImageData(bytes, d.width, d.height), 0, 0);
    context.font = d.labelPixels + 'px ' + getComputedStyle(panel).fontFamily;
    context.textBaseline = 'middle';
    for (const label of d.labels) {
      context.fillStyle = label.colour;
      context.textAlign = label.align;
      context.fillText(label.text, label.x, label.y);
    }
    if (Number(span.value) !== d.span) span.value = d.span;
    span.setAttribute('aria-valuetext', d.spanCaption);
    canvas.dataset.labels = JSON.stringify(d.labels.map((l) => l.text));
    canvas.dataset.bytes = d.bytes;
  }

  page.diagram = { build, show };
})(window.ondixPage = window.ondixPage || {});
