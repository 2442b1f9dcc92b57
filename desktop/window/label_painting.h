#pragma once

#include "instrument/time_diagram.h"

class QPainter;

// Writing a text the instrument placed (a TimeDiagram::Label: a point, an alignment, a colour)
// in the painter's font at `pixels` high, centred vertically on the label's y: in the diagram's
// window and in the saved image alike.
namespace LabelPainting {

void draw(QPainter& painter, const TimeDiagram::Label& label, int pixels);

} // namespace LabelPainting
