// The operator controls through the real buttons of the main window, with its run loop going:
// markers and masses after the view is cleared, halt and continue against an uninterrupted run,
// queued halt and continue clicks and the speed's scroll bar.

#include "core/chain_state.h"
#include "desktop/view/chain_view.h"
#include "instrument/info_pages.h"
#include "support/expected_look.h"
#include "support/scroll_bar_part.h"
#include "support/view_bench.h"
#include "support/window_session.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

constexpr QRgb kDampingRed = qRgb(255, 128, 128);
constexpr QRgb kObstacleMagenta = qRgb(255, 0, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

// Pixels of the view in none of the given colours.
int strayPixels(ChainView& view, std::initializer_list<QRgb> allowed) {
    const QImage image = shownImage(view); // 0xffRRGGBB, row after row
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return int(std::count_if(pixels, pixels + image.width() * image.height(), [&](QRgb pixel) {
        return std::find(allowed.begin(), allowed.end(), pixel) == allowed.end();
    }));
}

// Masses drawn in black where they are.
int drawnMasses(WindowSession& s) {
    const QImage image = shownImage(s.view());
    int drawn = 0;
    for (int i = 0; i <= ChainState::kLastMass; ++i) {
        drawn += image.pixel(s.view().toPixel(i + 1, s.state.y[i])) == kBlack ? 1 : 0;
    }
    return drawn;
}

// Right after a click that cleared the view, with the obstacle and damping on: the pixels in
// no marker's colour nor the masses', the gaps in each active marker beside the masses' dots,
// and the masses drawn.
QString clearedView(WindowSession& s) {
    ChainView& view = s.view();
    const QRgb foreground = view.foregroundColour();
    const ChainState& st = s.state;
    const bool refraction = st.refractionOn == 1;
    const int stray = strayPixels(view, {kViewBackground, kDampingRed, kObstacleMagenta, kBlack});
    return QStringLiteral("stray %1, gaps %2 %3 %4, masses %5")
        .arg(stray)
        .arg(wrongRows(view, 48, kObstacleMagenta, {st.yShown[47]}))
        .arg(wrongRows(view, 98, kDampingRed, {st.yShown[97]}))
        .arg(refraction ? wrongRows(view, 47.5f, foreground, {st.yShown[46], st.yShown[47]}) : 0)
        .arg(drawnMasses(s));
}

// Every value of the chain state, one line each, so that a comparison names the one that differs.
QStringList described(const ChainState& s) {
    QStringList lines;
    const ChainState::Row* rows[] = {&s.y, &s.v, &s.accel, &s.yShown, &s.massFactor};
    const char* names[] = {"y", "v", "accel", "yShown", "massFactor"};
    for (int r = 0; r < 5; ++r) {
        for (int i = 0; i <= 100; ++i) {
            lines << QStringLiteral("%1(%2) %3").arg(names[r]).arg(i).arg((*rows[r])[i], 0, 'g', 9);
        }
    }
    for (float value : {s.dt, s.endDamping, s.selfCoeff, s.clockTime, s.driveTime, s.omega,
                        s.amplitude, s.drivePhase, s.clockCarry, s.driveCarry}) {
        lines << QString::number(double(value), 'g', 9);
    }
    for (int value : {s.halted, s.harmonicOn, s.refractionOn, s.obstacleOn, s.clockOn}) {
        lines << QString::number(value);
    }
    return lines;
}

void zeroSlots(std::initializer_list<ChainState::Row*> rows) {
    for (ChainState::Row* row : rows) {
        for (int i = 0; i <= 99; ++i) {
            (*row)[i] = 0;
        }
    }
}

// The effects that several controls share, from the values the controls stand for.
void cleared(ChainState& s) {
    zeroSlots({&s.y, &s.v, &s.accel, &s.yShown});
    s.clockTime = s.driveTime = s.drivePhase = s.clockCarry = s.driveCarry = 0;
}
void refraction(ChainState& s, bool on) {
    s.refractionOn = on;
    for (int i = 48; i <= 99; ++i) {
        s.massFactor[i] = on ? 0.25f : 1.0f;
    }
}

// A control operated by a student: a click on a button, on a scroll bar's right arrow.
void operate(QWidget* control) {
    if (auto* bar = qobject_cast<QScrollBar*>(control)) {
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          scrollBarPart(*bar, QStyle::SC_ScrollBarAddLine).center());
    } else {
        QTest::mouseClick(control, Qt::LeftButton);
    }
}

// What one control must do, written from its purpose: the controls clicked at the first pass
// to set the scene, the control operated at a later pass, and its effect on the chain state as
// it was just before. Every value the effect does not name must stay as it was, bit for bit.
struct ControlCase {
    const char* name;
    std::vector<Control> scene;
    Control control;
    std::function<void(ChainState&)> effect;
    QString alsoShown = {}; // a read-out's text, or "window" and the name of one that opens
    Control readout = Role::kWindow; // that read-out
};

const std::vector<ControlCase>& controlCases() {
    using namespace Role;
    // clang-format off
    static const std::vector<ControlCase> cases{
        {"v(i) = 0", {}, kClearVelocities, [](ChainState& s) { zeroSlots({&s.v}); }},
        {"y(i) = 0 with every marker", {kRefractionSwitch, kObstacleSwitch}, kClearDisplacements, [](ChainState& s) { zeroSlots({&s.y, &s.yShown}); }},
        {"Löschen with every marker", {kRefractionSwitch, kObstacleSwitch}, kClearAll, cleared},
        {"Löschen, damping off", {kDampingSwitch}, kClearAll, cleared},
        {"damping off", {}, kDampingSwitch, [](ChainState& s) { s.endDamping = 0; }},
        {"damping on again", {kDampingSwitch}, kDampingSwitch, [](ChainState& s) { s.endDamping = 2; }},
        {"obstacle on", {}, kObstacleSwitch, [](ChainState& s) { s.obstacleOn = 1; }},
        {"obstacle off", {kObstacleSwitch}, kObstacleSwitch, [](ChainState& s) { s.obstacleOn = 0; }},
        {"refraction on", {}, kRefractionSwitch, [](ChainState& s) { refraction(s, true); }},
        {"refraction off, obstacle on", {kRefractionSwitch, kObstacleSwitch}, kRefractionSwitch, [](ChainState& s) { refraction(s, false); }},
        {"halt with refraction on", {kRefractionSwitch}, kHaltButton, [](ChainState& s) { s.halted = 1; }},
        {"clock started", {}, kClockSwitch, [](ChainState& s) { s.clockOn = 1, s.clockTime = s.clockCarry = 0; }},
        {"clock stopped", {kClockSwitch}, kClockSwitch, [](ChainState& s) { s.clockOn = 0; }},
        {"drive on", {}, kDriveSwitch, [](ChainState& s) { s.harmonicOn = 1; }},
        {"drive off", {kDriveSwitch}, kDriveSwitch, [](ChainState& s) { s.harmonicOn = 0; }},
        {"pendulum chain", {}, kPendulumOption, [](ChainState& s) { s.selfCoeff = 2.1f; }},
        {"torsion chain again", {kPendulumOption}, kTorsionOption, [](ChainState& s) { s.selfCoeff = 2; }},
        {"amplitude up", {}, kAmplitudeBar, [](ChainState& s) { s.amplitude = 1.1f; }, "1,1", kAmplitudeReadout},
        {"period up, phase kept", {kDriveSwitch}, kPeriodBar, [](ChainState& s) {
             s.drivePhase = float(double(s.omega) * (double(s.driveTime) + double(s.driveCarry)) + double(s.drivePhase));
             s.driveTime = s.driveCarry = 0;
             s.omega = float((double(Chain::kPi) + double(Chain::kPi)) / 251 * 10);
         }, "25,1", kPeriodReadout},
        {"speed up", {}, kSpeedBar, [](ChainState& s) { s.dt = 0.11f; }},
        {"information", {}, kInfoButton, [](ChainState&) {}, QStringLiteral("window ") + InfoPages::torsionChain().name.data()},
    };
    // clang-format on
    return cases;
}

// The region of the paint events a widget receives.
struct PaintedRegion : QObject {
    explicit PaintedRegion(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            region += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    QRegion region;
};

} // namespace

class TestOperatorControls : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void everyControlDoesWhatItMust_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(controlCases().size()); ++i) {
            QTest::addRow("%s", controlCases()[i].name) << i;
        }
    }

    // Each control operated through real input at a pass of the running chain; right after it the
    // whole chain state, everything the window shows, the marker columns and, where the control
    // cleared the view, every pixel of it.
    void everyControlDoesWhatItMust() {
        QFETCH(int, index);
        const ControlCase& row = controlCases()[index];
        constexpr int kActingPass = 60;
        WindowSession s;
        ChainState& state = s.state;
        Operated operated;
        QStringList lookAtStart, outcome, expectedOutcome;
        s.onPass = [&](int pass) {
            if (pass == 1) {
                lookAtStart = shownLook(s.c(), *s.window);
                state.y[0] = 1.5f; // the end pulled by hand: a wave to clear
                for (const Control control : row.scene) {
                    operate(s.c()[control]);
                    operated.note(control, state);
                }
            }
            if (pass != kActingPass) {
                return;
            }
            const ChainState::Row drawnAt = state.yShown;
            // Every slot and time not zero, the slots beyond the chain included, so that a clear
            // that misses one shows.
            for (ChainState::Row* r : {&state.y, &state.v, &state.accel, &state.yShown}) {
                for (int i = 0; i <= 100; ++i) {
                    (*r)[i] = 0.01f * float(i + 1);
                }
            }
            state.clockTime = 7.5f, state.driveTime = 3.25f, state.drivePhase = 0.5f;
            state.clockCarry = 3e-4f, state.driveCarry = -2e-4f, state.massFactor[100] = 3;
            if (row.control == Role::kHaltButton) {
                // As the dots of the heavy half may do; the halt draws the boundary again.
                s.view().drawLine(47.5f, -3, 47.5f, 3, kViewBackground);
            }
            ChainState expected = state;
            row.effect(expected);
            operate(s.c()[row.control]);
            operated.note(row.control, state);
            const bool clears = row.control == Role::kClearDisplacements ||
                                row.control == Role::kClearAll ||
                                (row.control == Role::kRefractionSwitch && !state.refractionOn);
            // After a clear only the active markers' colours are left, and the masses' black.
            const auto ifOn = [&](bool on, QRgb colour) { return on ? colour : kViewBackground; };
            const int stray =
                !clears ? 0
                        : strayPixels(s.view(), {kViewBackground, kBlack,
                                                 ifOn(state.endDamping == 2, kDampingRed),
                                                 ifOn(state.obstacleOn, kObstacleMagenta)});
            QString shown = row.readout != Role::kWindow ? s.c().textBox(row.readout)->text() : "";
            for (QWidget* top : QApplication::topLevelWidgets()) {
                shown +=
                    top != s.window.get() && top->isVisible() ? "window " + top->objectName() : "";
            }
            outcome = described(state) + shownLook(s.c(), *s.window) +
                      QStringList{markerFaults(s.view(), state, clears ? &state.yShown : &drawnAt),
                                  QStringLiteral("stray pixels %1").arg(stray), shown};
            expectedOutcome = described(expected) + expectedLook(expected, operated, lookAtStart) +
                              QStringList{"wrong rows: damping 0, obstacle 0, refraction 0",
                                          "stray pixels 0", row.alsoShown};
            state.halted = 1;
        };
        s.start();
        QCOMPARE(s.pass, kActingPass);
        QCOMPARE(outcome, expectedOutcome);
    }

    void markersAndMassesAtOnce_data() {
        QTest::addColumn<Control>("button");
        QTest::addColumn<bool>("halted");
        QTest::addRow("refraction off, running") << Role::kRefractionSwitch << false;
        QTest::addRow("refraction off, halted") << Role::kRefractionSwitch << true;
        QTest::addRow("y(i) = 0, halted") << Role::kClearDisplacements << true;
        QTest::addRow("Löschen, running") << Role::kClearAll << false;
    }

    void markersAndMassesAtOnce() {
        QFETCH(Control, button);
        QFETCH(bool, halted);
        constexpr int kClearingPass = 150;

        WindowSession s;
        const MainControls& c = s.c();
        QAbstractButton* clearing = c.button(button);
        QString atOnce;
        float mass47ErasedAt = 0; // the next pass erases mass 47 there, on the obstacle's line
        int drawnAtNextPass = -1, obstacleGapsAtNextPass = -1;
        const auto look = [&] {
            atOnce = clearedView(s);
            mass47ErasedAt = s.state.yShown[47];
        };
        s.onPass = [&](int pass) {
            if (pass == 1) {
                // A harmonic wave that has run far into the heavy half.
                s.c().scrollBar(Role::kSpeedBar)->setValue(50);
                s.state.harmonicOn = 1;
                operate(c.button(Role::kObstacleSwitch));
                operate(c.button(Role::kRefractionSwitch));
            } else if (pass == kClearingPass) {
                operate(halted ? c.button(Role::kHaltButton) : clearing);
                if (!halted) {
                    look();
                }
            } else if (pass == kClearingPass + 1) {
                drawnAtNextPass = drawnMasses(s);
                obstacleGapsAtNextPass =
                    wrongRows(s.view(), 48, kObstacleMagenta, {mass47ErasedAt, s.state.y[47]});
                s.state.halted = 1;
            }
        };
        s.start();
        if (halted) {
            QCOMPARE(s.pass, kClearingPass);
            QTest::qWait(50);
            {
                // The cleared view goes to the screen at once, though no pass runs.
                const PaintedRegion painted(s.view());
                operate(clearing);
                QTest::qWait(50);
                QCOMPARE(painted.region.boundingRect(), s.view().rect());
            }
            look();
            // Nothing moves while the run stands, and the chain stays on the view.
            QTest::qWait(50);
            QCOMPARE(drawnMasses(s), ChainState::kLastMass + 1);
            operate(c.button(Role::kHaltButton));
        }
        QCOMPARE(s.pass, kClearingPass + 1);

        QCOMPARE(atOnce, QStringLiteral("stray 0, gaps 0 0 0, masses 98"));
        QCOMPARE(drawnAtNextPass, ChainState::kLastMass + 1);
        QCOMPARE(obstacleGapsAtNextPass, 0);
        const bool refraction = button != Role::kRefractionSwitch;
        QCOMPARE(c.label(Role::kLightHalfLabel)->isVisibleTo(s.window.get()), refraction);
        QCOMPARE(c.label(Role::kHeavyHalfLabel)->isVisibleTo(s.window.get()), refraction);
    }

    void continuedRunEqualsAnUninterruptedOne() {
        constexpr int kChangePass = 40;
        constexpr int kLastPass = 120;
        // The changes made between the two passes: the whole medium, the speed by a click in the
        // scroll bar's track, the clock.
        const auto change = [](WindowSession& s) {
            const MainControls& c = s.c();
            for (const Control control : {Role::kObstacleSwitch, Role::kRefractionSwitch,
                                          Role::kDampingSwitch, Role::kPendulumOption}) {
                operate(c.button(control));
            }
            c.scrollBar(Role::kSpeedBar)->triggerAction(QAbstractSlider::SliderPageStepAdd);
            operate(c.button(Role::kClockSwitch));
        };
        // Both driven from the first pass and halted at the last; at the change the one run is
        // changed as it goes, the other halted (and changed while it stands).
        WindowSession straight;
        WindowSession halted;
        QString modeAfterContinue;
        for (WindowSession* s : {&straight, &halted}) {
            s->onPass = [&, s](int pass) {
                if (pass == 1) {
                    s->state.harmonicOn = 1;
                } else if (pass == kChangePass && s == &straight) {
                    change(*s);
                } else if (pass == kChangePass + 1 && s == &halted) {
                    modeAfterContinue = s->c().label(Role::kModeLabel)->text();
                } else if (pass == kChangePass || pass == kLastPass) {
                    operate(s->c().button(Role::kHaltButton));
                }
            };
        }
        straight.start();
        halted.start();
        QCOMPARE(halted.pass, kChangePass);
        change(halted);
        QTest::qWait(30);
        QCOMPARE(halted.pass, kChangePass);
        // The clock was started while halted: it shows nothing until the run goes on.
        QCOMPARE(halted.c().textBox(Role::kClockReadout)->text(), QStringLiteral("0"));
        operate(halted.c().button(Role::kHaltButton));
        QCOMPARE(modeAfterContinue, QStringLiteral("Harmonisch bewegt"));
        QCOMPARE(halted.pass, kLastPass);

        const ChainState& a = straight.state;
        const ChainState& b = halted.state;
        // Bit for bit, every value of the chain.
        QVERIFY(std::memcmp(&a, &b, sizeof(ChainState)) == 0);
        QVERIFY(b.y[30] != 0.0f && b.clockTime > 0);
        QCOMPARE(halted.c().textBox(Role::kClockReadout)->text(),
                 straight.c().textBox(Role::kClockReadout)->text());
        QVERIFY(halted.c().textBox(Role::kClockReadout)->text() != QStringLiteral("0"));
        QVERIFY(shownImage(halted.view()) == shownImage(straight.view()));
    }

    void queuedHaltAndContinueEndConsistently_data() {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("runningAfter");
        QTest::addRow("2000 clicks") << 2000 << true;
        QTest::addRow("2001 clicks") << 2001 << false;
    }

    void queuedHaltAndContinueEndConsistently() {
        QFETCH(int, clicks);
        QFETCH(bool, runningAfter);
        constexpr int kClickPass = 5;
        constexpr int kPassesAfter = 50;

        WindowSession s;
        QAbstractButton* halt = s.c().button(Role::kHaltButton);
        int loopsAfter = -1;
        s.onPass = [&](int pass) {
            if (pass == kClickPass) {
                // The clicks queue up as after a stall, and this pass's yield handles them all.
                const QPointF at = QRectF(halt->rect()).center();
                const QPointF global = halt->mapToGlobal(at);
                for (int i = 0; i < 2 * clicks; ++i) { // a press, a release
                    const auto [type, held] =
                        i % 2 == 0 ? std::pair{QEvent::MouseButtonPress, Qt::LeftButton}
                                   : std::pair{QEvent::MouseButtonRelease, Qt::NoButton};
                    QCoreApplication::postEvent(
                        halt,
                        new QMouseEvent(type, at, global, Qt::LeftButton, held, Qt::NoModifier));
                }
            } else if (pass == kClickPass + kPassesAfter) {
                loopsAfter = s.nesting;
                operate(halt);
            }
        };
        s.start();

        if (runningAfter) {
            QCOMPARE(s.pass, kClickPass + kPassesAfter);
            QCOMPARE(loopsAfter, 1);
        } else {
            QCOMPARE(s.pass, kClickPass);
            QCOMPARE(halt->text(), QStringLiteral("Weiter"));
            // The program still answers: a continue runs on.
            operate(halt);
            QCOMPARE(s.pass, kClickPass + kPassesAfter);
        }
        QCOMPARE(halt->text(), QStringLiteral("Weiter"));
    }

    void speedIsTakenWhenCommitted() {
        WindowSession s;
        s.startHalted();
        QScrollBar& bar = *s.c().scrollBar(Role::kSpeedBar);
        const float& dt = s.state.dt;

        bar.setSliderDown(true);
        bar.setSliderPosition(40);
        // As doubles, one float step is a difference (QCOMPARE takes floats as equal within 1e-5).
        QCOMPARE(double(dt), double(0.1f));
        bar.setSliderDown(false);
        QCOMPARE(double(dt), double(0.4f));

        for (const auto& [action, taken] : {std::pair{QAbstractSlider::SliderSingleStepSub, 0.39f},
                                            {QAbstractSlider::SliderToMinimum, 0.01f},
                                            {QAbstractSlider::SliderToMaximum, 0.5f}}) {
            bar.triggerAction(action);
            QCOMPARE(double(dt), double(taken));
        }
    }
};

QTEST_MAIN(TestOperatorControls)
#include "operator_controls_test.moc"
