#pragma once

// The facts of the chain that more than one part of the program uses: the view's scale and
// colours, the pen widths, the places of the markers and of the heavy half, the two carriers'
// coefficients, and the start values with the scales of the scroll bars that set them. Free of
// any toolkit: colours are plain RGB triples.
namespace Chain {

struct Rgb {
    int r;
    int g;
    int b;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// The rate at which every front end runs the chain's passes, whatever its display's rate: fast
// enough for the waves to flow, slow enough for a student to follow them.
inline constexpr int kPassesPerSecond = 250;

// User scale of the chain view: x from 0 at the left edge to 100, y from -3 at the top to +3.
inline constexpr float kViewLeft = 0;
inline constexpr float kViewWidth = 100;
inline constexpr float kViewTop = -3;
inline constexpr float kViewHeight = 6;
inline constexpr float kViewBottom = kViewTop + kViewHeight;

inline constexpr Rgb kBackground{255, 255, 224};
inline constexpr Rgb kMassColour{0, 0, 0};
// A snapshot of the chain, behind the moving dots: a quiet blue-grey that black dots stand out
// against.
inline constexpr Rgb kSnapshotColour{160, 184, 216};

// Pen widths in pixels: the resting width, restored after every thinner or wider drawing; the
// width of the heavy half while refraction is on; thin lines of markers and tape.
inline constexpr int kRestingPen = 4;
inline constexpr int kHeavyPen = 5;
inline constexpr int kThinPen = 1;

// The loose end's damping marker runs through the end mass's column. The end mass is erased in
// the marker's colour while damped, so that its dot repairs the marker, and in the marker's red
// with the background's green and blue while free.
inline constexpr float kDampingMarkerX = 98;
inline constexpr Rgb kDampingMarker{255, 128, 128};
inline constexpr Rgb kFreeEndEraser{kDampingMarker.r, kBackground.g, kBackground.b};
inline constexpr float kDampingOn = 2;

// The obstacle brakes mass 48, drawn at x = 48 + 1; its marker stands at x = 48.
inline constexpr int kObstacleMass = 48;
inline constexpr float kObstacleMarkerX = 48;
inline constexpr Rgb kObstacleMarker{255, 0, 255};

// Refraction makes masses 48 to 97 four times heavier (and the two slots beyond the end); the
// boundary is marked half-way between the drawn masses 46 and 47, and the wide pen starts one mass
// early, at mass 47.
inline constexpr int kFirstHeavyMass = 48;
inline constexpr float kHeavyMassFactor = 0.25f;
inline constexpr float kLightMassFactor = 1.0f;
inline constexpr float kRefractionMarkerX = 47.5f;
inline constexpr int kFirstWideMass = 47;

// The two wave carriers: the coefficient of a mass's own displacement in its force.
inline constexpr float kTorsionSelfCoeff = 2.0f;
inline constexpr float kPendulumSelfCoeff = 2.1f;

// The drive's angular frequency is 2 pi over the period, with pi rounded to single precision
// first (the literal, not <numbers>, which the toolkit's meta-object compiler cannot read).
inline constexpr float kPi = 3.14159265358979323846f;

// The drive and the time step at start-up. Their scroll bars count tenths of the amplitude and
// of the period and hundredths of the time step: a bar's value is the quantity times its scale.
inline constexpr double kStartAmplitude = 1;
inline constexpr double kStartPeriod = 25;
inline constexpr double kStartStep = 0.1;
inline constexpr double kAmplitudeBarScale = 10;
inline constexpr double kPeriodBarScale = 10;
inline constexpr double kStepBarScale = 100;

// The drive time and the clock time are single-precision sums of the steps. Up to this value a
// time is the plain sum, rounded at every pass as it always was; beyond it the part each rounding
// drops is carried on to the next pass (core/chain_physics.cpp). The plain sum runs up to 0.67 time
// units ahead at the slowest step (0.01) by the time 1,000 have passed, so the carry takes over at
// a reading of 1,001 and the first 1,000 time units of a run stay as they were at every speed.
inline constexpr float kPlainTimeSpan = 1001;

} // namespace Chain
