// The held-key latches shared by every screen.
#include "model/key_latches.h"

uint64_t keyLatches = 0;

bool KeyPressedOnce(const bool* keys, int code, uint64_t bit)
{
    if (!keys[code]) {
        keyLatches &= ~bit;
        return false;
    }
    if (keyLatches & bit)
        return false;
    keyLatches |= bit;
    return true;
}
