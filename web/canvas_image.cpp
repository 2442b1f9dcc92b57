#include "web/canvas_image.h"

#include "picture/chain_picture.h"
#include "web/canvas_pixels.h"

CanvasImage::CanvasImage(ChainPicture& picture) : picture_(picture) {}

const std::vector<PixelRect>& CanvasImage::changedRects(bool all) {
    const std::size_t size = std::size_t(picture_.width()) * std::size_t(picture_.height()) * 4;
    if (bytes_.size() != size) {
        bytes_.assign(size, 0);
        all = true;
    }
    ChangedColumns& changes = picture_.changes();
    const std::vector<PixelRect>& changed = changes.take();
    if (!all) {
        // A canvas's put costs mostly per rectangle: a dot's strokes down a column go as one.
        return changes.mergedColumns(changed);
    }
    whole_.assign(1, PixelRect{0, 0, picture_.width(), picture_.height()});
    return whole_;
}

void CanvasImage::copy(const PixelRect& rect) {
    const int width = picture_.width();
    for (int row = rect.y; row < rect.y + rect.height; ++row) {
        const ChainPicture::Pixel* from = picture_.pixels() + std::size_t(row) * width + rect.x;
        CanvasPixels::toRgba(from, std::size_t(rect.width),
                             bytes_.data() + (std::size_t(row) * width + rect.x) * 4);
    }
}
