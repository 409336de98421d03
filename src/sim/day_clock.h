// The day's per-frame progress: speaker, clock, battery and closing at 10 pm.
#pragma once
#include "model/game_clock.h"

// The drive-thru closes at 10 pm: the clock and the battery stand still.
bool driveThruClosed(const GameClock& clock);
void AdvanceDay(bool& dayOver, float& headsetBattery, float& customerSatisfaction,
                int& registerState, int carsInLine);
