#pragma once

#include "instrument/time_diagram.h"
#include "picture/plot_raster.h"

#include <string>
#include <vector>

class Instrument;

// The picture "Bild" saves, one and the same on every face and every screen: the chain view as
// it is laid out at the window's design size, with its labels, and beneath it the time diagram
// at the same width while the diagram is open. The instrument composes every pixel (the view
// drawn anew at that size, the labels' boxes, the diagram) and places every text; a face only
// writes the texts' glyphs in its font at the places given, and encodes the whole as PNG. The
// glyphs are the one thing left to the faces: fonts and their rendering are theirs, and the
// texts are laid out so that either face's font fits.
class SavedImage {
public:
    // A text to write: centred vertically on y, aligned on x as the diagram's labels are.
    struct Text {
        TimeDiagram::Label label;
        int pixels; // the height of its font in pixels
    };

    // The height of the diagram beneath the view, in pixels.
    static constexpr int kDiagramHeight = 240;
    // The colour of the view's labels' boxes: the panels' surface, as both faces show them.
    static constexpr Chain::Rgb kLabelSurface{239, 239, 239};

    // The instrument is only drawn from: what it shows stays as it is.
    explicit SavedImage(Instrument& instrument);

    const PlotRaster& raster() const { return raster_; }
    const std::vector<Text>& texts() const { return texts_; }

private:
    PlotRaster raster_;
    std::vector<Text> texts_;
};
