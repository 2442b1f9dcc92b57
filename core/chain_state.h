#pragma once

#include "core/checked_array.h"

#include <cstdint>

// What the pass reads and writes: the simulated chain, the drive and the clock, and the switches
// that change the physics. The instrument owns one for the life of the process and hands it to
// its pass and its handlers, which read and write its fields directly; a pass takes up each
// change at its start. What only the instrument's rooms need (the hand's press point, the
// colours things are drawn in) lives in those rooms.
//
// Masses are numbered 0 to 97: mass 0 is the left end, moved from outside and never
// integrated; masses 1 to 97 move, and mass 97 is the loose right end. Slots 98 to 100 of the
// arrays are outside the chain. Quantities are 32-bit floats; switches hold 0 or 1.
struct ChainState {
    static constexpr int kLastMass = 97;
    // The last slot anything writes: the chain and the two slots beyond its loose end are set at
    // start-up and cleared together; slot 100 is never touched.
    static constexpr int kLastWrittenSlot = 99;
    using Row = CheckedArray<float, 0, 100>;

    Row y;          // displacement, view units, positive downwards
    Row v;          // velocity, view units per time unit
    Row accel;      // force term of the current pass, before the mass factor
    Row yShown;     // displacement at which the mass was last drawn
    Row massFactor; // inverse mass

    float dt = 0;         // time step of one pass
    float endDamping = 0; // 2 = loose end damped, 0 = free
    float selfCoeff = 0;  // 2 torsion chain, 2.1f pendulum chain
    float clockTime = 0;
    float driveTime = 0;
    float omega = 0; // angular frequency of the drive
    float amplitude = 0;
    float drivePhase = 0;
    // What a long-running time could not hold in single precision: the sum of the steps is
    // clockTime + clockCarry and driveTime + driveCarry (both carries stay 0 while the times are
    // short; see core/chain_physics.cpp). Set to 0 wherever their time is.
    float clockCarry = 0;
    float driveCarry = 0;

    std::int16_t halted = 0;
    std::int16_t harmonicOn = 0;
    std::int16_t refractionOn = 0;
    std::int16_t obstacleOn = 0;
    std::int16_t clockOn = 0;
    // Keeps the state free of padding, so that two states compare byte for byte; always 0.
    std::int16_t unused = 0;
};

// A switch toggled: 1 minus its value.
constexpr std::int16_t toggled(std::int16_t flag) {
    return static_cast<std::int16_t>(1 - flag);
}

// Start values of the chain state, whatever it held before: torsion chain, loose end damped,
// drive with amplitude 1 and period 25 switched off, time step 0.1, every mass factor 1 (slots
// 0 to 99), everything else at rest and zero.
void setStartValues(ChainState& state);
