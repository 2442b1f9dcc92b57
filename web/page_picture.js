// The chain's picture on the canvas: the module copies the changed pixels into the bytes of an
// ImageData in its own memory and names each changed rectangle, which alone goes to the canvas.
'use strict';

((page) => {
  const canvas = document.querySelector('.view-box canvas');
  const context = canvas.getContext('2d', { alpha: false });
  let image = null;

  // The ImageData over the module's bytes at `address`, made anew when they move (a new size,
  // or memory that grew).
  function imageAt(address) {
    if (!image || image.data.buffer !== page.api.memory() || image.data.byteOffset !== address
        || image.width !== canvas.width || image.height !== canvas.height) {
      image = new ImageData(page.api.bytes(address, canvas.width * canvas.height * 4),
        canvas.width, canvas.height);
    }
    return image;
  }

  // The pixels changed since the last call, or with `all` every pixel, onto the canvas.
  function show(all) {
    page.api.updateImage(all);
  }

  // Called by the module for each rectangle it copied into its bytes at `address`.
  function putRect(address, x, y, width, height) {
    context.putImageData(imageAt(address), 0, 0, x, y, width, height);
  }

  // A new size in pixels; true if it differs from the one before.
  function resize(width, height) {
    if (width === canvas.width && height === canvas.height) return false;
    canvas.width = width;
    canvas.height = height;
    image = null;
    return true;
  }

  // The point of an event in pixels of the picture.
  function point(event) {
    const r = canvas.getBoundingClientRect();
    return [(event.clientX - r.left) * canvas.width / r.width,
      (event.clientY - r.top) * canvas.height / r.height];
  }

  page.picture = { canvas, show, putRect, resize, point };
})(window.ondixPage = window.ondixPage || {});
