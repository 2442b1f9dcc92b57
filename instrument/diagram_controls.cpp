#include "instrument/diagram_controls.h"

#include "core/chain_constants.h"
#include "instrument/chain_pass.h"
#include "instrument/markers.h"
#include "instrument/panels.h"
#include "instrument/time_diagram.h"
#include "language/language.h"

#include <array>
#include <optional>

DiagramControls::DiagramControls(TimeDiagram& diagram, ChainPass& pass, Markers& markers,
                                 Panels& panels)
    : diagram_(diagram), pass_(pass), markers_(markers), panels_(panels) {
    panels.setCaption(Role::kDiagramButton, Language::translate("Zeitdiagramm"));
    panels.setChecked(Role::kDiagramButton, false);
}

void DiagramControls::toggleShown() {
    panels_.setChecked(Role::kDiagramButton, !panels_[Role::kDiagramButton].checked);
}

void DiagramControls::chooseNearest(float x) {
    std::array<std::optional<int>, TimeDiagram::kMaxChosen> before{};
    for (int slot = 0; slot < TimeDiagram::kMaxChosen; ++slot) {
        before[std::size_t(slot)] = diagram_.chosen(slot);
    }
    diagram_.chooseNearest(x);
    auto repaint = [this](std::optional<int> mass) {
        if (!mass) {
            return;
        }
        const std::optional<Chain::Rgb> own = diagram_.colourOf(*mass);
        pass_.setDotColour(*mass, ChainPicture::pixelOf(own ? *own : Chain::kMassColour));
        markers_.redrawMass(*mass);
    };
    for (int slot = 0; slot < TimeDiagram::kMaxChosen; ++slot) {
        repaint(before[std::size_t(slot)]);
        repaint(diagram_.chosen(slot));
    }
}

void DiagramControls::cleared() {
    diagram_.clear();
}
