// The kitchen: cooking the queue one job at a time, and the keys of the bag view.
#pragma once
#include "rules/day_frame.h"

// The cooking in the two passes the strip's drawing goes between: first the
// display timers of slots 0..4 (warning and finished colours), then the cooking.
StripWarnings CookingDisplayTimers();
void CookingSteps();

void KitchenControl(const bool* keys);
