// The program as scripts/measure-cpu-load measures it under load: the same start-up as the
// shipped program, with the heaviest scenario switched on before the first pass. The drive runs
// at amplitude 2 and the loose end is free, so that a standing wave soon fills the whole view,
// and the clock runs. Not installed; the shipped program has no such switch.

#include "core/chain_constants.h"
#include "core/chain_state.h"
#include "platform/app_identity.h"
#include "platform/error_box.h"
#include "platform/paced_yield.h"
#include "platform/toolkit_language.h"
#include "platform/ui_metrics.h"
#include "ui/ondix15.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    installApplicationIdentity();
    installGermanToolkitTexts();
    UiMetrics::installFontSubstitutes();
    installRunTimeErrorBox();

    Ondix15* self = nullptr;
    Ondix15 window{[&self, paced = PacedYield(), started = false]() mutable {
        if (!started) {
            started = true;
            ChainState& s = self->state();
            s.harmonicOn = 1;
            s.amplitude = 2;
            s.endDamping = Chain::kDampingOff;
            s.endMarkG = static_cast<std::int16_t>(Chain::kFreeEndEraser.g);
            s.endMarkB = static_cast<std::int16_t>(Chain::kFreeEndEraser.b);
            s.clockOn = 1;
        }
        paced();
    }};
    self = &window;
    QTimer::singleShot(0, &window, &Ondix15::Form_Load);
    return QApplication::exec();
}
