#include "instrument/experiments.h"

#include "instrument/control.h"
#include "instrument/instrument.h"
#include "instrument/setup.h"

std::optional<Experiments::Experiment> Experiments::numbered(int number) {
    if (number < 1 || number > static_cast<int>(kExperiments.size())) {
        return std::nullopt;
    }
    return kExperiments[static_cast<std::size_t>(number - 1)];
}

void Experiments::apply(Instrument& instrument, const Experiment& experiment) {
    // Chosen in the middle of another experiment, it starts from a chain at rest, as from a
    // link, and "Zurück zum Start" returns to it.
    instrument.click(Role::kClearAll);
    Setup setup = Setup::parse(experiment.setup);
    instrument.applyStartSetup(setup);
}
