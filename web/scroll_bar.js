// A horizontal scroll bar made of plain elements: the arrows a small change, the track a large
// one, the thumb dragged and committed on release, the keys as a toolkit's scroll bar takes them.
'use strict';

((page) => {
  // The bar as the panels' state says: range and value (aria-value*, the value spoken as its
  // read-out shows it where it has one), the thumb's size and place.
  function show(bar) {
    const s = bar.ondixState;
    const range = s.range;
    const span = Math.max(1, range.maximum - range.minimum + range.largeChange);
    const track = bar.querySelector('.track');
    const length = track.clientWidth || (bar.clientWidth - 2 * bar.clientHeight);
    // A thumb a finger can hold where a finger is the pointer.
    const least = page.layout.fingers() ? page.layout.finger() : 8 * page.layout.scale();
    const thumbLength = Math.min(length, Math.max(least, Math.round(length * range.largeChange / span)));
    const position = range.maximum > range.minimum
      ? (s.value - range.minimum) / (range.maximum - range.minimum) : 0;
    const thumb = bar.querySelector('.thumb');
    thumb.style.width = thumbLength + 'px';
    thumb.style.left = Math.round(position * (length - thumbLength)) + 'px';
    bar.setAttribute('aria-valuemin', range.minimum);
    bar.setAttribute('aria-valuemax', range.maximum);
    bar.setAttribute('aria-valuenow', s.value);
    if (s.valueText !== undefined) bar.setAttribute('aria-valuetext', s.valueText);
  }

  // The bar's parts and their gestures; `commit(value)` hands a new value to its owner.
  function make(bar, commit) {
    bar.setAttribute('role', 'scrollbar');
    bar.setAttribute('aria-orientation', 'horizontal');
    bar.innerHTML = '<button class="arrow down" type="button" tabindex="-1" aria-hidden="true"></button>'
      + '<div class="track"><div class="thumb"></div></div>'
      + '<button class="arrow up" type="button" tabindex="-1" aria-hidden="true"></button>';
    const range = () => bar.ondixState.range;
    const by = (steps) => commit(bar.ondixState.value + steps);
    bar.querySelector('.down').addEventListener('click', () => by(-range().smallChange));
    bar.querySelector('.up').addEventListener('click', () => by(range().smallChange));
    const track = bar.querySelector('.track');
    const thumb = bar.querySelector('.thumb');
    track.addEventListener('pointerdown', (event) => {
      if (event.target === thumb || event.button !== 0) return;
      const left = thumb.getBoundingClientRect().left;
      by(event.clientX < left ? -range().largeChange : range().largeChange);
    });
    thumb.addEventListener('pointerdown', (event) => {
      if (event.button !== 0) return;
      event.stopPropagation();
      thumb.setPointerCapture(event.pointerId);
      const k = bar.getBoundingClientRect().width / bar.offsetWidth; // the page's scale
      const startX = event.clientX;
      const startLeft = thumb.offsetLeft;
      const room = track.clientWidth - thumb.offsetWidth;
      let value = bar.ondixState.value;
      const move = (e) => {
        const left = Math.min(room, Math.max(0, startLeft + (e.clientX - startX) / k));
        thumb.style.left = left + 'px';
        const r = range();
        value = r.minimum + Math.round((room > 0 ? left / room : 0) * (r.maximum - r.minimum));
      };
      const release = () => {
        thumb.removeEventListener('pointermove', move);
        thumb.removeEventListener('pointerup', release);
        thumb.removeEventListener('pointercancel', release);
        commit(value);
        show(bar);
      };
      thumb.addEventListener('pointermove', move);
      thumb.addEventListener('pointerup', release);
      thumb.addEventListener('pointercancel', release);
    });
    bar.addEventListener('keydown', (event) => {
      const r = range();
      const steps = { ArrowLeft: -r.smallChange, ArrowRight: r.smallChange,
        PageUp: -r.largeChange, PageDown: r.largeChange }[event.key];
      if (steps !== undefined) by(steps);
      else if (event.key === 'Home') commit(r.minimum);
      else if (event.key === 'End') commit(r.maximum);
      else return;
      event.preventDefault();
    });
  }

  page.scrollBar = { make, show };
})(window.ondixPage = window.ondixPage || {});
