#include "instrument/diagram_controls.h"

#include "core/chain_constants.h"
#include "instrument/chain_pass.h"
#include "instrument/panels.h"
#include "instrument/time_diagram.h"
#include "instrument/view_drawing.h"
#include "language/language.h"

#include <array>
#include <optional>

DiagramControls::DiagramControls(TimeDiagram& diagram, ChainPass& pass, ViewDrawing& view,
                                 Panels& panels)
    : diagram_(diagram), pass_(pass), view_(view), panels_(panels) {
    panels.setCaption(Role::kDiagramButton, Language::translate("Zeitdiagramm"));
    panels.setChecked(Role::kDiagramButton, false);
}

void DiagramControls::toggleShown() {
    panels_.setChecked(Role::kDiagramButton, !panels_[Role::kDiagramButton].checked);
    // Opened, it says what it shows, as its figures may have changed since it last spoke.
    if (panels_[Role::kDiagramButton].checked) {
        diagram_.speak();
    }
}

void DiagramControls::chooseNearest(float x) {
    std::array<std::optional<int>, TimeDiagram::kMaxChosen> before{};
    for (int slot = 0; slot < TimeDiagram::kMaxChosen; ++slot) {
        before[std::size_t(slot)] = diagram_.chosen(slot);
    }
    diagram_.chooseNearest(x);
    const auto recolour = [this](std::optional<int> mass) {
        if (mass) {
            const std::optional<Chain::Rgb> own = diagram_.colourOf(*mass);
            pass_.setDotColour(*mass, ChainPicture::pixelOf(own ? *own : Chain::kMassColour));
        }
    };
    std::array<std::optional<ViewDrawing::Mark>, ViewDrawing::kMarks> marks{};
    for (int slot = 0; slot < TimeDiagram::kMaxChosen; ++slot) {
        const std::size_t s = std::size_t(slot);
        recolour(before[s]);
        recolour(diagram_.chosen(slot));
        if (const std::optional<int> mass = diagram_.chosen(slot)) {
            marks[s] = ViewDrawing::Mark{*mass, TimeDiagram::kColours[s]};
        }
    }
    // The view drawn anew with the chosen masses' lines and every dot in its colour.
    view_.markChosen(marks);
}

void DiagramControls::cleared() {
    diagram_.clear();
}
