// The prepared experiments: the list the experiments' button opens, one button a title, in their
// order and numbered; a choice starts the experiment through the module, as its link would, and
// its instruction shows in a box that the layout makes room for beneath the chain view or in a
// column beside it or beside the panels, so that it covers no control. Its close button
// and Escape in it close it; a new choice replaces it.
'use strict';

((page) => {
  let texts = null; // the list's heading, the close button's name, the titles
  let list = null;
  let panel = null;
  let shown = ''; // the instruction as the module last gave it, as its JSON
  let opener = null; // where the focus goes back to
  const SIDE_WIDTH = 700; // CSS pixels of a strip wide enough for its title beside its text

  function element(tag, className, id) {
    const e = document.createElement(tag);
    if (className) e.className = className;
    if (id) e.id = id;
    return e;
  }

  // A title bar: the title and a close button named by the module.
  function titleBar(id, onClose) {
    const bar = element('div', 'title-bar');
    const close = element('button', '', id + 'Close');
    close.type = 'button';
    close.textContent = '×';
    close.setAttribute('aria-label', texts.close);
    close.addEventListener('click', onClose);
    bar.append(element('span', '', id + 'Title'), close);
    return bar;
  }

  function build() {
    texts = page.api.experiments();
    list = element('dialog', 'experiment-list', 'Experiments');
    list.setAttribute('aria-labelledby', 'ExperimentsTitle');
    const titles = element('ol');
    texts.titles.forEach((title, i) => {
      const choice = element('button', '', 'Experiment' + (i + 1));
      choice.type = 'button';
      choice.textContent = title;
      choice.addEventListener('click', () => choose(i + 1));
      titles.appendChild(element('li')).appendChild(choice);
    });
    list.append(titleBar('Experiments', () => list.close()), titles);
    list.querySelector('#ExperimentsTitle').textContent = texts.heading;
    // The arrow keys, Home and End move among the titles, as in a menu.
    list.addEventListener('keydown', (event) => {
      const choices = [...titles.querySelectorAll('button')];
      const at = choices.indexOf(document.activeElement);
      const to = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: choices.length - 1 }[event.key];
      if (to === undefined || at < 0 && !['Home', 'End'].includes(event.key)) return;
      event.preventDefault();
      choices[(to + choices.length) % choices.length].focus();
    });
    list.addEventListener('close', () => {
      if (opener && !panel.contains(document.activeElement)) opener.focus();
    });
    document.body.appendChild(list);

    panel = element('section', 'instruction-panel', 'Instruction');
    panel.setAttribute('role', 'region');
    panel.tabIndex = -1;
    panel.hidden = true;
    panel.append(titleBar('Instruction', close), element('div', 'instruction-text'));
    panel.lastChild.addEventListener('scroll', markMore);
    panel.addEventListener('keydown', (event) => {
      if (event.key !== 'Escape') return;
      event.preventDefault();
      close();
    });
    document.body.appendChild(panel);
  }

  // The list, its first title focused, from the button that opened it.
  function showList() {
    opener = document.activeElement;
    list.showModal();
    list.querySelector('li button').focus();
  }

  function choose(number) {
    list.close();
    page.act(() => page.api.chooseExperiment(number));
    sync();
    if (!panel.hidden) panel.focus();
  }

  // Closed with the focus in it, the focus goes back to the list's button that opened it, or to
  // the chain view where a link opened it (never to the page's body, where the keys reach nothing).
  function close() {
    const focused = panel.contains(document.activeElement);
    page.act(page.api.closeInstruction);
    sync();
    if (focused) (opener && opener.isConnected ? opener : page.picture.canvas).focus();
  }

  // The strip as the module holds the instruction now: filled anew and laid out where it changed.
  function sync() {
    if (!panel) return;
    const now = page.call(() => page.api.instruction());
    const text = now ? JSON.stringify(now) : '';
    if (text === shown) return;
    shown = text;
    if (now) {
      panel.querySelector('#InstructionTitle').textContent = now.title;
      panel.setAttribute('aria-label', now.title);
      panel.lastChild.replaceChildren(...now.paragraphs.map((words) => {
        const p = element('p');
        p.textContent = words;
        return p;
      }));
      // In the Tab order after the time diagram's strip, which lies above it.
      panel.querySelector('button').tabIndex = document.getElementById('TimeDiagramClose').tabIndex;
    }
    page.relayout();
  }

  // The strip's height at `width` CSS pixels, with `side` its title beside its text, and the least
  // it may be cut to, its text then scrolling inside it: its title bar and three lines of the text.
  // Both 0 while no instruction is shown.
  function height(width, side) {
    if (!shown) return [0, 0];
    const [hidden, wasSide] = [panel.hidden, panel.classList.contains('side')];
    panel.hidden = false;
    panel.classList.toggle('side', side);
    Object.assign(panel.style, { width: width + 'px', height: '' });
    const [bar, text] = panel.children;
    const padding = (e) => parseFloat(getComputedStyle(e).paddingTop) + parseFloat(getComputedStyle(e).paddingBottom);
    const lines = Math.min(text.offsetHeight, Math.ceil(3 * parseFloat(getComputedStyle(text).lineHeight) + padding(text)));
    const title = padding(bar) + Math.max(...[...bar.children].map((c) => c.offsetHeight)); // the bar stretches beside the text
    const edges = panel.offsetHeight - panel.clientHeight;
    const sizes = [Math.ceil(panel.getBoundingClientRect().height), edges + (side ? Math.max(title, lines) : title + lines)];
    panel.classList.toggle('side', wasSide);
    panel.hidden = hidden;
    return sizes;
  }

  // Whether more of the text lies below what its strip shows: the strip's foot then fades.
  function markMore() {
    const text = panel.lastChild;
    text.classList.toggle('more', text.scrollTop + text.clientHeight < text.scrollHeight - 1);
  }

  // The strip's box in the page, in CSS pixels, or null while it is closed (by the layout). Where
  // a wide box is too low for its text beneath the title, the title goes beside the text if that
  // is lower; what still does not fit scrolls inside the text.
  function place(box) {
    panel.hidden = box === null;
    if (!box) return;
    const [left, top, width, boxHeight] = box;
    const side = width >= SIDE_WIDTH && height(width, false)[0] > boxHeight
      && height(width, true)[0] < height(width, false)[0];
    panel.classList.toggle('side', side);
    Object.assign(panel.style, { left: left + 'px', top: top + 'px', width: width + 'px', height: boxHeight + 'px' });
    markMore();
  }

  page.experiments = { build, showList, sync, height, place };
})(window.ondixPage = window.ondixPage || {});
