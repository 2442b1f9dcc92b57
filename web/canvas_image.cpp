#include "web/canvas_image.h"

#include "picture/chain_picture.h"
#include "picture/shown_picture.h"
#include "web/canvas_pixels.h"

CanvasImage::CanvasImage(ShownPicture& shown) : shown_(shown) {}

const std::vector<PixelRect>& CanvasImage::changedRects(bool all) {
    const ChainPicture& picture = shown_.picture();
    const std::size_t size = std::size_t(picture.width()) * std::size_t(picture.height()) * 4;
    if (bytes_.size() != size) {
        bytes_.assign(size, 0);
        all = true;
    }
    const std::vector<PixelRect>& changed = shown_.takeChanges();
    if (!all) {
        // A canvas's put costs mostly per rectangle: a dot's strokes down a column go as one.
        return ChangedColumns::mergeColumns(changed, merged_);
    }
    whole_.assign(1, PixelRect{0, 0, picture.width(), picture.height()});
    return whole_;
}

void CanvasImage::copy(const PixelRect& rect) {
    const ChainPicture& picture = shown_.picture();
    const int width = picture.width();
    for (int row = rect.y; row < rect.y + rect.height; ++row) {
        const ChainPicture::Pixel* from = picture.pixels() + std::size_t(row) * width + rect.x;
        CanvasPixels::toRgba(from, std::size_t(rect.width),
                             bytes_.data() + (std::size_t(row) * width + rect.x) * 4);
    }
}
