#include "instrument/experiments.h"

std::optional<Experiments::Experiment> Experiments::numbered(int number) {
    if (number < 1 || number > static_cast<int>(kExperiments.size())) {
        return std::nullopt;
    }
    return kExperiments[static_cast<std::size_t>(number - 1)];
}

Experiments::Instruction Experiments::instructionOf(const Experiment& experiment,
                                                    InputCodes::Device device) {
    // With a mouse the keys are at hand as well; a touch screen has the finger alone.
    const std::string_view tape = Language::translate(device == InputCodes::Device::Touch
                                                          ? N_("langer Druck")
                                                          : N_("rechte Maustaste oder Taste M"));
    std::string text;
    for (const std::string_view part :
         {experiment.predict, experiment.task, experiment.watch, experiment.question}) {
        std::string shown(Language::translate(part));
        if (const std::size_t at = shown.find("%1"); at != std::string::npos) {
            shown.replace(at, 2, tape);
        }
        text += (text.empty() ? "" : "\n\n") + shown;
    }
    return {std::string(Language::translate(experiment.title)), text};
}
