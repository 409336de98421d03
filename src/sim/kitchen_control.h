// The kitchen: cooking the queue one job at a time, and the keys of the bag view.
#pragma once

// advanceCooking in the two passes the kitchen queue strip interleaves with its
// drawing: first the display timers of slots 0..4, then the cooking of slots 0..4.
void cookingDisplayTimers(int slot);
void cookingStep(int slot);
// Both passes over the first five jobs, without drawing.
void advanceCooking();

void KitchenControl(const bool* keys);
