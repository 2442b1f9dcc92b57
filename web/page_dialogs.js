// The page's dialogs: the message box (a run-time error, the end, a failure of the module) and
// the information windows, each a page of coloured text blocks as the module describes it.
'use strict';

((page) => {
  const $ = (id) => document.getElementById(id);
  const MARGIN = 16; // CSS pixels of the browser's window left around a dialog

  let texts = null; // the buttons' words, from the form
  let closed = null; // what closing the message does besides hiding it
  let shownInfo = null; // the information page open, laid out again at a new window size

  // The message with one button, `button` its caption where it is not the form's "OK"; the button and
  // Escape close it and call `onClose`. While it shows, everything else on the page is inert
  // (an information window open beneath it too) and the focus stays on its button.
  function showMessage(text, button, onClose) {
    $('messageText').textContent = text;
    $('messageOk').textContent = button || texts.ok;
    closed = onClose || null;
    if ($('info').open) {
      $('info').close();
      $('info').show(); // kept in sight, no longer modal: the message is the one dialog
    }
    for (const e of document.body.children) e.inert = e !== $('message') && e.tagName !== 'SCRIPT';
    $('message').hidden = false;
    $('messageOk').focus();
  }

  function closeMessage() {
    $('message').hidden = true;
    for (const e of document.body.children) e.inert = false;
    if (closed) closed();
  }

  // `info`: title, width and height, and blocks with box, back colour and text, in CSS pixels.
  // At the panels' scale where its two columns fit the browser's window; else in one column,
  // each block as high as its text. The window scrolls where the page is higher.
  function showInfo(info) {
    shownInfo = info;
    const dialog = $('info');
    const scale = page.layout.scale();
    const room = innerWidth - MARGIN;
    const oneColumn = info.width * scale + 2 > room;
    const zoom = oneColumn ? Math.max(1, scale) : scale;
    $('infoTitle').textContent = info.title;
    const holder = $('infoPage');
    holder.replaceChildren();
    dialog.classList.toggle('one-column', oneColumn);
    Object.assign(holder.style, oneColumn ? { width: '', height: '' }
      : { width: info.width + 'px', height: info.height + 'px' });
    // Read column by column, each from its top; a block across both columns after them.
    const across = (block) => (block.box[2] > info.width / 2 ? 1 : 0);
    const blocks = oneColumn ? [...info.blocks].sort((a, b) => across(a) - across(b) || a.box[0] - b.box[0] || a.box[1] - b.box[1])
      : info.blocks;
    for (const block of blocks) {
      const div = document.createElement('div');
      const [left, top, width, height] = block.box;
      if (!oneColumn) Object.assign(div.style, { left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px' });
      Object.assign(div.style, { background: block.back, fontSize: info.points + 'pt' });
      div.textContent = block.text;
      holder.appendChild(div);
    }
    Object.assign(dialog.style, { zoom, maxWidth: room / zoom + 'px', maxHeight: (innerHeight - MARGIN) / zoom + 'px' });
    if (!dialog.open) dialog.showModal();
  }

  $('messageOk').addEventListener('click', closeMessage);
  document.addEventListener('keydown', (event) => {
    if ($('message').hidden) return;
    if (event.key === 'Escape') closeMessage();
    else if (event.key === 'Tab') $('messageOk').focus(); // the only stop
    else return;
    event.preventDefault();
  });
  document.addEventListener('focusin', (event) => {
    if (!$('message').hidden && !$('message').contains(event.target)) $('messageOk').focus();
  });
  $('infoClose').addEventListener('click', () => $('info').close());
  // A turned phone, a window made narrower: the page laid out again, two columns or one.
  addEventListener('resize', () => {
    if ($('info').open && $('message').hidden) showInfo(shownInfo);
  });

  function build(form) {
    texts = form;
    $('infoClose').setAttribute('aria-label', form.close);
  }

  page.dialogs = { build, showMessage, showInfo, messageShown: () => !$('message').hidden };
})(window.ondixPage = window.ondixPage || {});
