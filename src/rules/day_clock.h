// The day's per-frame progress: speaker, clock, battery and closing at 10 pm.
#pragma once
#include "model/game_state.h"

void AdvanceDay(bool& dayOver, float& headsetBattery, float& customerSatisfaction,
                RegisterState& registerState, int carsInLine);
