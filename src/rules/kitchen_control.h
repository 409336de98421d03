// The kitchen: cooking the queue one job at a time, and the keys of the bag view.
#pragma once
#include "screens/in_game_views.h"

// advanceCooking in the two passes the strip's drawing goes between: first the
// display timers of slots 0..4 (warning and finished colours), then the cooking.
StripWarnings cookingDisplayTimers();
void cookingSteps();
// Both passes, without drawing.
void advanceCooking();

void KitchenControl(const bool* keys);
