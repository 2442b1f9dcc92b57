#pragma once

struct ChainState;

// One time step of the chain: the harmonic drive of the left end (while on), the forces on
// masses 1 to 97 and their motion by semi-implicit Euler. Every stored result is a 32-bit float
// computed in double precision from the stored values; a floating-point fault raises the
// run-time error. Allocates nothing.
void integratePass(ChainState& state);

// The clock time runs on by one time step on every pass, whether the clock is shown or not.
// The drive time and the clock time are each the plain float sum of the steps for their first
// 1,000 time units; from there on their carry keeps them the sum of the steps.
void advanceClock(ChainState& state);
