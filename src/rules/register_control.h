// The register's keys: answer, hold, close, delete, correct, and the item keys.
#pragma once
#include "model/game_state.h"

// After the register view is drawn: from 10 pm no car waits at the speaker.
void TurnAwayAfterClosing();
void RegisterControl(const bool* keys);
void RegisterKeys(const bool* keys);
// One keyed item: a cook job, and a receipt line while an order is open.
void keyItem(int itemNumber);
