// The run loop's budget: one pass of the physics should cost well under a microsecond, one pass
// with the drawing of the 98 masses into a full-width view well under 100 microseconds, and a
// pass with the clock off should allocate nothing (reported as allocs_per_pass).

#include "core/chain_constants.h"
#include "core/chain_physics.h"
#include "core/chain_state.h"
#include "desktop/platform/qt_colour.h"
#include "desktop/view/chain_view.h"
#include "instrument/chain_pass.h"
#include "instrument/instrument.h"
#include "instrument/panels.h"
#include "instrument/time_diagram.h"
#include "probes/counting_allocator.h"

#include <QApplication>
#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include <optional>

namespace {

// Start values with the drive on, run until the wave has spread over the whole chain.
ChainState movingChain() {
    ChainState s;
    setStartValues(s);
    s.harmonicOn = 1;
    for (int pass = 0; pass < 2000; ++pass) {
        integratePass(s);
    }
    return s;
}

void BM_IntegratePass(benchmark::State& state) {
    ChainState chain = movingChain();
    for (auto _ : state) {
        integratePass(chain);
        advanceClock(chain);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_IntegratePass);

// A whole pass of the run loop (physics, erasing and drawing every mass, clock time) into a
// view of 1920 x 700 pixels, with the clock off. Arguments: refraction off or on (wider pen from
// mass 47 on); the time diagram: 0 none, 1 two masses recorded, 2 recorded and drawn at
// 640 x 320 every fourth pass (a frame at 60 Hz of 250 passes a second), with a full recording.
void BM_DrawPass(benchmark::State& state) {
    ChainState chain = movingChain();
    chain.refractionOn = static_cast<std::int16_t>(state.range(0));
    ChainView view;
    view.setBackgroundColour(toQRgb(Chain::kBackground));
    view.resize(1920, 700);
    if (view.grab().size() != QSize(1920, 700)) {
        state.SkipWithError("the chain view has no image of 1920 x 700 pixels");
        return;
    }
    Panels panels;
    ChainPass pass(chain, view.canvas(), panels);
    TimeDiagram diagram(",");
    const auto diagramUse = state.range(1);
    if (diagramUse > 0) {
        diagram.chooseNearest(20);
        diagram.chooseNearest(60);
        pass.recordInto(diagram);
        diagram.setSpan(TimeDiagram::kMaxSpan);
        for (int i = 0; i < 5000; ++i) {
            diagram.record(chain); // a full span's samples at the step of 0.1
        }
    }
    int passes = 0;
    // The passes as a frame of the program runs them, one per iteration; the first warms up.
    std::optional<AllocationCounter> allocations;
    pass.begin();
    do {
        view.prepare();
        pass.step();
        if (!allocations) {
            allocations.emplace();
        }
        if (diagramUse == 2 && ++passes % 4 == 0) {
            diagram.draw(640, 320);
        }
        benchmark::ClobberMemory();
    } while (state.KeepRunning());
    state.counters["allocs_per_pass"] = benchmark::Counter(
        static_cast<double>(allocations->count()), benchmark::Counter::kAvgIterations);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawPass)->ArgNames({"refraction", "diagram"})->ArgsProduct({{0, 1}, {0, 1, 2}});

// A display frame as the window shows one, into a shown view of 1920 x 700 pixels: the passes
// of a frame at 60 Hz (4 at 250 a second) run by the instrument with the drive on, the
// rectangles they changed taken into the view's update and painted by the toolkit.
void BM_Frame(benchmark::State& state) {
    Instrument instrument(",");
    ChainView view(instrument);
    view.resize(1920, 700);
    view.show();
    view.prepare();
    instrument.start();
    instrument.click(Role::kDriveSwitch);
    instrument.runPasses(2000);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        view.prepare();
        instrument.runPasses(4);
        view.flush();
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Frame);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
