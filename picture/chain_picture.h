#pragma once

#include "core/chain_constants.h"
#include "picture/changed_columns.h"
#include "picture/user_scale.h"

#include <array>
#include <cstdint>
#include <vector>

// The chain's picture, free of any toolkit: a raster of pixels with the chain's user scale (see
// UserScale), drawn exactly, without antialiasing: a dot is a filled disc whose diameter is the
// pen width, a line is a row of such discs, and erasing is drawing in the background colour. It
// keeps the pixel columns changed since a front end last took them (`changes`), so that only
// those go to the screen. A front end shows the pixels as they are: one 32-bit word per pixel,
// rows one after the other, each word 0xAARRGGBB with the alpha always 0xFF.
class ChainPicture {
public:
    using Pixel = std::uint32_t;

    static constexpr Pixel pixelOf(Chain::Rgb colour) {
        return 0xFF000000u | (static_cast<Pixel>(colour.r) & 0xFFu) << 16 |
               (static_cast<Pixel>(colour.g) & 0xFFu) << 8 | (static_cast<Pixel>(colour.b) & 0xFFu);
    }

    ChainPicture();

    // A new size in pixels, with `scale` pixels to a unit of pen width (the screen's device
    // pixels to a logical one). What fits of the old picture is kept at its place, the rest is
    // background; every change mark is forgotten.
    void resize(int width, int height, double scale);

    int width() const { return width_; }
    int height() const { return height_; }
    double scale() const { return scale_; }
    Pixel* pixels() { return pixels_.data(); }
    const Pixel* pixels() const { return pixels_.data(); }
    Pixel pixel(int x, int y) const { return pixels_[std::size_t(y) * width_ + x]; }

    void setBackground(Pixel colour) { background_ = colour; }
    Pixel background() const { return background_; }
    // The colour of lines that have none of their own.
    void setForeground(Pixel colour) { foreground_ = colour; }
    Pixel foreground() const { return foreground_; }

    // Fills the whole picture with the background colour, and the backdrop too.
    void clear();

    // The backdrop: what lies behind the moving dots, so that a dot erased in the background
    // colour uncovers it instead of the plain background (a snapshot of the chain). Kept only
    // while in use; a new size or a clearing leaves it plain, for its owner to draw anew.
    void useBackdrop(bool used);
    bool hasBackdrop() const { return !backdrop_.empty(); }
    // A dot on the backdrop at the pen width: shown at once where the picture shows background,
    // behind whatever else is drawn there.
    void drawBehind(float x, float y, Pixel colour);
    // A dashed vertical line across the whole height on the backdrop, at the pen width and
    // centred on x: shown where the picture shows background, behind the moving dots.
    void drawDashesBehind(float x, Pixel colour);

    // How many times the picture was cleared or had a line drawn on it: a front end that shows
    // the dots once per frame shows what a handler drew at once.
    std::uint64_t strokes() const { return strokes_; }

    // The pen width in units (clamped to 1..100); dots and lines are drawn at it, scaled.
    void setPenWidth(int units);
    int penWidth() const { return penWidth_; }

    // The pixel of a point in user coordinates.
    UserScale::Point toPixel(double x, double y) const {
        return UserScale::toPixel(x, y, width_, height_);
    }

    // A dot moved: erased at (x, fromY) in `eraser`, drawn at (x, toY) in `colour`. Where both
    // fall on the same pixel the new dot covers the old one exactly, and the erasing is left
    // out, so that a chain at rest changes no pixel. The run loop's hot path: allocates nothing.
    void moveDot(float x, float fromY, float toY, Pixel eraser, Pixel colour);
    void drawLine(float x1, float y1, float x2, float y2, Pixel colour);
    void drawLine(float x1, float y1, float x2, float y2) { drawLine(x1, y1, x2, y2, foreground_); }

    // Counts as a stroke: a handler's moving of dots, which a front end must show at once.
    void noteStroke() { ++strokes_; }

    // The pixels changed since a front end last took them.
    ChangedColumns& changes() { return changes_; }

private:
    // A disc as one horizontal run of pixels per row, relative to its top-left corner.
    struct Span {
        int begin;
        int end;
    };
    using Disc = std::vector<Span>;

    const Disc& discFor(int diameter);
    // Marks the dot's square as changed; with `mayBeUnchanged` only if a pixel changed.
    void stamp(UserScale::Point centre, Pixel colour, bool mayBeUnchanged);
    // The dot's pixels uncovered: the backdrop's at the same places.
    void uncover(UserScale::Point centre);
    // Calls paint(rowPixels, begin, end, y) for each row of the dot that lies in the picture;
    // returns false if none does.
    template <typename Paint> bool eachRow(UserScale::Point centre, Paint paint);

    std::vector<Pixel> pixels_;
    std::vector<Pixel> backdrop_; // empty while unused
    int width_ = 0;
    int height_ = 0;
    double scale_ = 1;
    Pixel background_ = 0xFFFFFFFFu;
    Pixel foreground_ = 0xFF000000u;
    std::uint64_t strokes_ = 0;
    int penWidth_ = 1;  // in units, as set
    int scaledPen_ = 1; // the same in pixels

    static constexpr int kCachedDiscs = 16;
    std::array<Disc, kCachedDiscs + 1> discs_;
    Disc otherDisc_;
    int otherDiameter_ = 0;

    ChangedColumns changes_;
};
