// The teacher's link, beneath the panels and outside the instrument's form: the notes on what of
// the setup in the page's address was ignored, and the button that puts the settings now into
// the address and copies it (or, where the browser refuses, selects it in a box for copying).
'use strict';

((page) => {
  const $ = (id) => document.getElementById(id);
  const status = $('setupNotes');
  const box = $('setupAddress');
  let texts = null;

  function say(lines) {
    status.replaceChildren(...lines.map((line) => {
      const p = document.createElement('div');
      p.textContent = line;
      return p;
    }));
  }

  // `notes`: a heading and the lines, as the module gives them; nothing is shown without lines.
  function showNotes(notes) {
    say(notes.lines.length ? [notes.heading, ...notes.lines] : []);
  }

  async function makeLink() {
    const query = page.call(page.api.setupLink);
    if (query === undefined) return;
    try {
      history.replaceState(history.state, '', '?' + query + location.hash);
    } catch {
      // An address that may not be rewritten: the link is still offered for copying.
    }
    const address = location.href.split('?')[0] + '?' + query + location.hash;
    try {
      await navigator.clipboard.writeText(address);
      box.hidden = true;
      say([texts.copied]);
    } catch {
      box.value = address;
      box.hidden = false;
      box.focus();
      box.select();
      say([texts.toCopy]);
    }
  }

  function build(form) {
    texts = form.setupLink;
    $('setupLink').textContent = texts.button;
    $('setupLink').addEventListener('click', makeLink);
  }

  page.setup = { build, showNotes };
})(window.ondixPage = window.ondixPage || {});
