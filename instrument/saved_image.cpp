#include "instrument/saved_image.h"

#include "instrument/control.h"
#include "instrument/form.h"
#include "instrument/form_layout.h"
#include "instrument/instrument.h"
#include "picture/chain_picture.h"

#include <cmath>

SavedImage::SavedImage(Instrument& instrument) {
    const FormLayout design = FormLayout::design();
    const FormLayout::Box& view = design[Role::kChainView];
    const bool withDiagram = instrument.panels()[Role::kDiagramButton].checked;
    raster_.resize(view.width, view.height + (withDiagram ? kDiagramHeight : 0),
                   ChainPicture::pixelOf(Chain::kBackground));

    const ChainPicture chain = instrument.viewAt(view.width, view.height);
    raster_.put(0, 0, chain.pixels(), chain.width(), chain.height());
    // The labels the view shows, each an opaque box with its text from the left, in the size of
    // the form's font at the design's resolution.
    for (const Form::Entry& e : Form::entries()) {
        const Panels::State& shown = instrument.panels()[e.control];
        if (e.placement != Form::Placement::InView || !shown.visible || shown.caption.empty()) {
            continue;
        }
        const FormLayout::Box& box = design[e.control];
        raster_.fillRect(box.x, box.y, box.right(), box.y + box.height,
                         ChainPicture::pixelOf(shown.back.value_or(kLabelSurface)));
        const int pixels =
            static_cast<int>(std::lround(Form::pointsOf(e.font) * Form::kDesignDotsPerInch / 72.0));
        texts_.push_back({{shown.caption, box.x + 2, box.y + box.height / 2,
                           TimeDiagram::Label::Align::Left, Chain::Rgb{0, 0, 0}},
                          pixels});
    }

    if (withDiagram) {
        // A copy draws at the image's size, so that the diagram shown keeps its own drawing.
        TimeDiagram diagram = instrument.diagram();
        diagram.draw(view.width, kDiagramHeight);
        raster_.put(0, view.height, diagram.raster().pixels(), diagram.raster().width(),
                    diagram.raster().height());
        for (TimeDiagram::Label label : diagram.labels()) {
            label.y += view.height;
            texts_.push_back({std::move(label), diagram.labelPixels()});
        }
    }
}
