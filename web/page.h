#pragma once

#include "instrument/instrument.h"
#include "web/browser_input.h"
#include "web/canvas_image.h"
#include "web/panels_feed.h"

#include <cstdint>
#include <vector>

// The page's one instrument and what the page keeps of it for the browser, made once the
// language is chosen (ondix_create); the page's exports and its tests' reach it here.
struct Page {
    Instrument instrument{std::string(Language::decimalSeparator(","))};
    PanelsFeed feed{instrument.panels()};
    BrowserInput input{instrument};
    CanvasImage image{instrument};
    // The time diagram's pixels as a canvas takes them, the revision and the scale they show.
    std::vector<std::uint8_t> diagramBytes;
    std::uint64_t diagramShown = ~std::uint64_t(0);
    double diagramScale = 0;
    // The file last made for saving: the image's pixels as a canvas takes them, or the CSV's
    // bytes; kept until the next file is made.
    std::vector<std::uint8_t> savedBytes;
};

extern Page* page;
