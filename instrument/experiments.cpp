#include "instrument/experiments.h"

std::optional<Experiments::Experiment> Experiments::numbered(int number) {
    if (number < 1 || number > static_cast<int>(kExperiments.size())) {
        return std::nullopt;
    }
    return kExperiments[static_cast<std::size_t>(number - 1)];
}

Experiments::Instruction Experiments::instructionOf(const Experiment& experiment) {
    return {std::string(Language::translate(experiment.title)),
            std::string(Language::translate(experiment.task)) + "\n\n" +
                std::string(Language::translate(experiment.watch)) + "\n\n" +
                std::string(Language::translate(experiment.question))};
}
