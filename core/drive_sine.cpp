#include "core/drive_sine.h"

// The kernels' polynomial coefficients and the parts of pi/2 are those of fdlibm's sine, whose
// method this file follows:
// ====================================================
// Copyright (C) 1993 by Sun Microsystems, Inc. All rights reserved.
//
// Developed at SunPro, a Sun Microsystems, Inc. business.
// Permission to use, copy, modify, and distribute this
// software is freely granted, provided that this notice
// is preserved.
// ====================================================

#include <cstdint>
#include <cstring>

namespace {

std::uint64_t bitsOf(double x) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

// The biased binary exponent.
int exponentOf(double x) {
    return static_cast<int>((bitsOf(x) >> 52) & 0x7ff);
}

// sin(x + tail) for |x| <= pi/4, tail a correction far below x's last bit; without a tail
// (`hasTail` false) one rounding less.
double sineKernel(double x, double tail, bool hasTail) {
    constexpr double s1 = -1.66666666666666324348e-01;
    constexpr double s2 = 8.33333333332248946124e-03;
    constexpr double s3 = -1.98412698298579493134e-04;
    constexpr double s4 = 2.75573137070700676789e-06;
    constexpr double s5 = -2.50507602534068634195e-08;
    constexpr double s6 = 1.58969099521155010221e-10;
    const double z = x * x;
    const double w = z * z;
    const double r = s2 + z * (s3 + z * s4) + z * w * (s5 + z * s6);
    const double v = z * x;
    if (!hasTail) {
        return x + v * (s1 + z * r);
    }
    return x - ((z * (0.5 * tail - v * r) - tail) - v * s1);
}

// cos(x + tail) for |x| <= pi/4.
double cosineKernel(double x, double tail) {
    constexpr double c1 = 4.16666666666666019037e-02;
    constexpr double c2 = -1.38888888888741095749e-03;
    constexpr double c3 = 2.48015872894767294178e-05;
    constexpr double c4 = -2.75573143513906633035e-07;
    constexpr double c5 = 2.08757232129817482790e-09;
    constexpr double c6 = -1.13596475577881948265e-11;
    const double z = x * x;
    double w = z * z;
    const double r = z * (c1 + z * (c2 + z * c3)) + w * w * (c4 + z * (c5 + z * c6));
    const double hz = 0.5 * z;
    w = 1.0 - hz;
    return w + (((1.0 - w) - hz) + (z * r - x * tail));
}

struct Reduced {
    int quadrant; // n mod 4 of x = n * pi/2 + remainder
    double head;  // the remainder as head + tail, |head| <= about pi/4
    double tail;
};

// x minus the nearest multiple of pi/2. Each part of pi/2 has 33 bits, so its product with a
// multiple below 2^20 is exact; a further part is subtracted only where the remainder has lost
// so many leading bits to cancellation that the previous one no longer suffices.
Reduced reduce(double x) {
    constexpr double twoOverPi = 6.36619772367581382433e-01;
    constexpr double pio2Part1 = 1.57079632673412561417e+00;
    constexpr double pio2Tail1 = 6.07710050650619224932e-11;
    constexpr double pio2Part2 = 6.07710050630396597660e-11;
    constexpr double pio2Tail2 = 2.02226624879595063154e-21;
    constexpr double pio2Part3 = 2.02226624871116645580e-21;
    constexpr double pio2Tail3 = 8.47842766036889956997e-32;
    // Adding and subtracting 1.5 * 2^52 rounds to the nearest integer, ties to even.
    constexpr double toInteger = 6755399441055744.0;
    const double n = (x * twoOverPi + toInteger) - toInteger;
    double r = x - n * pio2Part1;
    double w = n * pio2Tail1;
    double head = r - w;
    const int exponent = exponentOf(x);
    if (exponent - exponentOf(head) > 16) {
        double t = r;
        w = n * pio2Part2;
        r = t - w;
        w = n * pio2Tail2 - ((t - r) - w);
        head = r - w;
        if (exponent - exponentOf(head) > 49) {
            t = r;
            w = n * pio2Part3;
            r = t - w;
            w = n * pio2Tail3 - ((t - r) - w);
            head = r - w;
        }
    }
    const double tail = (r - head) - w;
    return {static_cast<int>(static_cast<std::int64_t>(n) & 3), head, tail};
}

} // namespace

double driveSine(double x) {
    constexpr double quarterPi = 0.785398163397448309616;
    if (x != x || x - x != 0.0) {
        return x - x; // NaN, also for an infinite x
    }
    if (x <= quarterPi && x >= -quarterPi) {
        return exponentOf(x) < 0x3e5 ? x : sineKernel(x, 0.0, false); // below 2^-26: x
    }
    if (x >= 3.0e15 || x <= -3.0e15) {
        // Beyond the rounding to whole multiples of pi/2 above (their count must stay below
        // 2^51), where neighbouring doubles lie whole units apart: no drive comes near.
        return 0.0;
    }
    const Reduced reduced = reduce(x);
    switch (reduced.quadrant) {
    case 0:
        return sineKernel(reduced.head, reduced.tail, true);
    case 1:
        return cosineKernel(reduced.head, reduced.tail);
    case 2:
        return -sineKernel(reduced.head, reduced.tail, true);
    default:
        return -cosineKernel(reduced.head, reduced.tail);
    }
}
