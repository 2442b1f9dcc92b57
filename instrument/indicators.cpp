#include "instrument/indicators.h"

#include "instrument/panels.h"
#include "language/language.h"

std::string onOffText(bool on) {
    return on ? "On" : "Off";
}

std::string onOffCaption() {
    return onOffText(true) + '/' + onOffText(false);
}

Chain::Rgb indicatorColour(bool on) {
    return on ? Chain::Rgb{255, 0, 0} : Chain::Rgb{192, 192, 192};
}

void showSwitch(Panels& panels, Control toggle, Control indicator, bool on) {
    panels.setChecked(toggle, on);
    panels.setCaption(indicator, onOffText(on));
    panels.setBack(indicator, indicatorColour(on));
}

std::string driveModeCaption(bool harmonicOn, InputCodes::Device device) {
    return std::string(harmonicOn ? Language::translate("Harmonisch bewegt")
                       : device == InputCodes::Device::Touch
                           ? Language::translate("Bewegung mit dem Finger")
                           : Language::translate("Bewegung mit Maus"));
}
