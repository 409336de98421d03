// The game's one random generator: a linear congruential generator that starts
// at 1 and is never reseeded, so every run draws the same sequence.
#pragma once
#include <cstdint>

extern uint32_t rngState;  // program lifetime

// A fresh output of the generator, 0..32767.
int RandomOutput();
// A fresh output modulo n (n > 0); rnd(n) + 1 is 1..n.
int rnd(int n);
