// Once-per-press keys whose action has a condition: the press is used up only
// when the condition holds, so a held key acts as soon as it comes true.
#pragma once
#include <cstdint>

#include "model/key_latches.h"

inline bool KeyPressedOnceWhen(const bool* keys, int code, uint64_t bit, bool condition)
{
    if (!keys[code]) {
        keyLatches &= ~bit;
        return false;
    }
    if ((keyLatches & bit) != 0 || !condition)
        return false;
    keyLatches |= bit;
    return true;
}
