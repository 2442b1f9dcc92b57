// The page's dialogs: the message box (a run-time error, the end, a failure of the module) and
// the information windows, each a page of coloured text blocks as the module describes it.
'use strict';

((page) => {
  const $ = (id) => document.getElementById(id);

  let closed = null; // what closing the message does besides hiding it

  // The message with one button, `button` its caption where it is not "OK"; the button and
  // Escape close it and call `onClose`.
  function showMessage(text, button, onClose) {
    $('messageText').textContent = text;
    $('messageOk').textContent = button || 'OK';
    closed = onClose || null;
    $('message').hidden = false;
    $('messageOk').focus();
  }

  function closeMessage() {
    $('message').hidden = true;
    if (closed) closed();
  }

  // `info`: title, width and height, and blocks with box, back colour and text, in CSS pixels.
  function showInfo(info, zoom) {
    $('infoTitle').textContent = info.title;
    const holder = $('infoPage');
    holder.replaceChildren();
    holder.style.width = info.width + 'px';
    holder.style.height = info.height + 'px';
    for (const block of info.blocks) {
      const div = document.createElement('div');
      const [left, top, width, height] = block.box;
      Object.assign(div.style, {
        left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px',
        background: block.back, fontSize: info.points + 'pt',
      });
      div.textContent = block.text;
      holder.appendChild(div);
    }
    const dialog = $('info');
    dialog.style.zoom = zoom;
    if (!dialog.open) dialog.showModal();
  }

  $('messageOk').addEventListener('click', closeMessage);
  document.addEventListener('keydown', (event) => {
    if (event.key === 'Escape' && !$('message').hidden) {
      event.preventDefault();
      closeMessage();
    }
  });
  $('infoClose').addEventListener('click', () => $('info').close());

  page.dialogs = { showMessage, showInfo, messageShown: () => !$('message').hidden };
})(window.ondixPage = window.ondixPage || {});
