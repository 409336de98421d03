// The game's one random generator.
#include "model/random.h"

uint32_t rngState = 1;

int RandomOutput()
{
    rngState = rngState * 214013u + 2531011u;
    return static_cast<int>((rngState >> 16) & 32767u);
}

int rnd(int n)
{
    return RandomOutput() % n;
}
