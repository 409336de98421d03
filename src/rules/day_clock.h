// The day's per-frame progress: speaker, clock, battery and closing at 10 pm.
#pragma once
#include "model/game_state.h"

// One frame of the day's clock: the speaker, the clock and the battery, and the
// day's end once 10 pm has passed and the line is empty.
void AdvanceDay();
