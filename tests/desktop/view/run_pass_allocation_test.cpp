// The passes as a display frame runs them allocate nothing: not the physics, not the 196 dots a
// pass draws, not the pen-width changes, not the clock's count. Only the frame's hand-over to
// the screen, once per frame, may allocate.

#include "core/chain_state.h"
#include "probes/counting_allocator.h"
#include "support/view_bench.h"

#include <QTest>

#include <optional>

class TestRunPassAllocations : public QObject {
    Q_OBJECT

private slots:
    void noneButInTheFramesHandOver();
};

void TestRunPassAllocations::noneButInTheFramesHandOver() {
    constexpr int kPasses = 300;
    ViewBench bench({1920, 700});
    bench.state.harmonicOn = 1;
    bench.state.clockOn = 1;

    std::optional<AllocationCounter> counter;
    std::size_t inFrames = 0;
    std::size_t outsideFrames = 0;
    int frames = 0;
    bench.onPass = [&](const ViewBench::ShowFrame& show) {
        // The first four passes warm up; half of the passes run with refraction on, which draws
        // with the wider pen.
        if (bench.passes == 5) {
            counter.emplace();
            frames = 0;
        }
        bench.state.refractionOn = static_cast<std::int16_t>(bench.passes >= kPasses / 2);
        // A frame after every fourth pass, as at 60 frames a second.
        if (bench.passes % 4 == 0) {
            const std::size_t before = counter ? counter->count() : 0;
            show();
            inFrames += counter ? counter->count() - before : 0;
            ++frames;
        }
        outsideFrames = counter ? counter->count() - inFrames : 0;
    };
    bench.run(kPasses);
    QVERIFY(counter.has_value());
    QCOMPARE(outsideFrames, 0u);
    // The frames' clock texts: proof that the counter sees what Qt allocates.
    QVERIFY(inFrames > 0);
    QVERIFY(frames > 0 && frames < kPasses);

    // The passes really drew: the left end's dot is black where the drive has put it, and the
    // clock shows the time counted.
    QVERIFY(bench.state.y[0] != 0.0f);
    QCOMPARE(shownImage(bench.view).pixel(bench.view.toPixel(1, bench.state.y[0])), qRgb(0, 0, 0));
    QCOMPARE(bench.clock.text(), QStringLiteral("  30"));
}

QTEST_MAIN(TestRunPassAllocations)
#include "run_pass_allocation_test.moc"
