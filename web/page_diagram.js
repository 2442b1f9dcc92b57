// The time diagram's strip: while the diagram's button is pressed, a box that the layout makes
// room for beneath the chain view or in a column beside it or beside the panels, so that it
// covers no control. The module draws the diagram (pixels and the places of its texts);
// the strip puts the pixels on its canvas and writes the texts there in the page's font.
'use strict';

((page) => {
  let texts = null; // the title, the span's name and range, as the module gives them
  let panel = null;
  let canvas = null;
  let context = null;
  let span = null;
  let spanText = null;
  let open = false; // as the layout last placed it
  const SIDE_WIDTH = 640; // CSS pixels of a strip wide enough for its bar beside the plot
  const SIDE_PLOT = 140; // CSS pixels of a plot low enough to take the bar beside it (grows with the panels)

  function build() {
    texts = page.api.diagramForm();
    panel = document.createElement('section');
    panel.id = 'TimeDiagram';
    panel.className = 'diagram-panel';
    panel.setAttribute('role', 'region');
    panel.setAttribute('aria-labelledby', 'TimeDiagramTitle');
    panel.setAttribute('aria-keyshortcuts', 'A');
    panel.title = texts.speakHint;
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
    close.addEventListener('click', () => page.controls.byRole('diagram').click());
    span = document.createElement('input');
    span.id = 'TimeDiagramSpan';
    span.type = 'range';
    Object.assign(span, { min: texts.minimum, max: texts.maximum, step: texts.step, value: texts.span });
    span.setAttribute('aria-label', texts.spanName);
    span.addEventListener('input', () => page.act(() => page.api.diagramSpan(Number(span.value))));
    spanText = document.createElement('span');
    spanText.className = 'span-text';
    spanText.setAttribute('aria-hidden', 'true');
    bar.append(title, span, spanText, close);
    canvas = document.createElement('canvas');
    canvas.id = 'TimeDiagramCanvas';
    canvas.setAttribute('role', 'img');
    canvas.setAttribute('aria-label', texts.title);
    context = canvas.getContext('2d', { alpha: false });
    panel.append(bar, canvas);
    document.body.appendChild(panel);
  }

  // Whether the strip is asked for: the diagram's button checked, as the module says.
  const wanted = () => page.controls.isChecked('diagram');

  // What the strip takes above its canvas (the title bar, taller on a touch screen, and the
  // borders) and the least height of the strip for its bar (with `side` a column beside the
  // canvas), in CSS pixels, measured as it would be shown.
  function measure(side) {
    const [hidden, wasSide] = [panel.hidden, panel.classList.contains('side')];
    panel.hidden = false;
    panel.classList.toggle('side', side);
    const above = panel.offsetHeight - canvas.offsetHeight;
    // The column's parts, centred in it: as high as they reach, with the bar's padding.
    const bar = panel.firstChild;
    const parts = [...bar.children].map((e) => e.getBoundingClientRect());
    const column = side ? Math.max(...parts.map((r) => r.bottom)) - Math.min(...parts.map((r) => r.top))
      + bar.offsetHeight - bar.clientHeight + parseFloat(getComputedStyle(bar).paddingTop) * 2
      + panel.offsetHeight - panel.clientHeight : 0;
    panel.classList.toggle('side', wasSide);
    panel.hidden = hidden;
    return { above, column };
  }

  // The strip's box in the page, in CSS pixels, or null where it is closed (by the layout): in a
  // wide, low box its bar is a column beside the canvas where that leaves the plot more height.
  // `kept`, it stays in sight where the page scrolls, as the view above it.
  function place(box, kept) {
    open = box !== null;
    panel.hidden = !open;
    if (!open) return;
    const [left, top, width, height] = box;
    const { above } = measure(false);
    const side = width >= SIDE_WIDTH && height - above < SIDE_PLOT * page.layout.grow() && measure(true).column <= height;
    panel.classList.toggle('side', side);
    panel.classList.toggle('kept', Boolean(kept));
    Object.assign(panel.style, { left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px' });
  }

  // The diagram's pixels and texts, drawn anew only when the module says they changed; a new
  // layout first where the button opened or closed the strip.
  function show() {
    if (!panel) return;
    if (wanted() !== open) page.relayout();
    if (!open) return;
    // At the screen's own pixels, its margins and labels as large as the panels' text.
    const ratio = window.devicePixelRatio || 1;
    const box = canvas.getBoundingClientRect();
    const width = Math.max(1, Math.round(box.width * ratio));
    const height = Math.max(1, Math.round(box.height * ratio));
    const d = page.api.diagram(width, height, ratio * page.layout.grow());
    if (!d) return;
    canvas.width = d.width;
    canvas.height = d.height;
    context.putImageData(new ImageData(page.api.bytes(d.bytes, d.width * d.height * 4), d.width, d.height), 0, 0);
    context.font = d.labelPixels + 'px ' + getComputedStyle(panel).fontFamily;
    context.textBaseline = 'middle';
    for (const label of d.labels) {
      context.fillStyle = label.colour;
      context.textAlign = label.align;
      // A text running from its place to the right (the legend, the hint, y's caption) is
      // narrowed to the canvas, or to where the next text in its row begins (the second ball's
      // legend, t's caption), rather than cut off or overlapping on a phone.
      if (label.align === 'left') {
        const starts = d.labels.filter((l) => l.y === label.y && l.x > label.x).map((l) => l.x - d.labelPixels / 2
          - { left: 0, center: 0.5, right: 1 }[l.align] * context.measureText(l.text).width);
        const end = Math.min(d.width - 2, ...starts);
        context.fillText(label.text, label.x, label.y, Math.max(1, end - label.x));
      } else {
        context.fillText(label.text, label.x, label.y);
      }
    }
    if (Number(span.value) !== d.span) span.value = d.span;
    span.setAttribute('aria-valuetext', d.spanCaption);
    spanText.textContent = d.spanCaption;
    canvas.dataset.labels = JSON.stringify(d.labels.map((l) => l.text));
    canvas.dataset.bytes = d.bytes;
    canvas.dataset.labelPixels = d.labelPixels;
  }

  page.diagram = { build, show, wanted, measure, place };
})(window.ondixPage = window.ondixPage || {});
