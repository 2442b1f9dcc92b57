#pragma once

#include "picture/changed_columns.h"

#include <vector>

class ChainPicture;

// A picture as a face shows it: the pixels to read, the rectangles changed since the face last
// took them, and a new size, which the picture's owner draws anew. Nothing else gets in: the
// instrument's picture is drawn by the instrument alone.
class ShownPicture {
public:
    virtual const ChainPicture& picture() const = 0;
    // Valid until the next call.
    virtual const std::vector<PixelRect>& takeChanges() = 0;
    // `scale` pixels to a unit of pen width.
    virtual void resize(int width, int height, double scale) = 0;

protected:
    ShownPicture() = default;
    ShownPicture(const ShownPicture&) = default;
    ShownPicture& operator=(const ShownPicture&) = default;
    ~ShownPicture() = default;
};
