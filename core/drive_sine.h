#pragma once

// The sine of the harmonic drive, computed here from additions, subtractions, multiplications
// and conversions alone, so that it gives the same bits wherever the program is built: on the
// desktop and in the browser. IEEE 754 rounds each of these operations exactly, where the sine
// of a system's mathematics library differs between libraries in the last bit of some results.
//
// The argument is reduced by multiples of pi/2 (pi/2 in three parts of 33 bits and a tail), and
// the sine or cosine of the remainder, at most pi/4, comes from a polynomial. The error is below
// one unit in the last place for |x| up to 2^20 * pi/2 (about 1.6e6, far beyond the drive's
// arguments in a lesson); beyond that the reduction loses exactness gradually (an absolute error
// of about 1e-8 at 1e8), but the result stays the same on every platform. NaN and infinite
// arguments give NaN; beyond 3e15 the result is 0.
double driveSine(double x);
