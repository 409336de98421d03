// The window: handing out the picked-up bag, grading it, and waving on a car
// that has no receipt.
#pragma once
#include "model/game_state.h"

// After the window view is drawn: the red flash counts on, and a picked-up bag
// whose receipt is gone is put back.
void HandOutViewStep();

void HandOutControl(const bool* keys);
// Records one order handed out from bag b (0..kBagCount-1, as in model/orders.h).
void GradeOrder(int b);
// Receipt against the customer's order, in percent; stored in the bag.
float computeAccuracy(int b);
// What slowness (seconds) and inaccuracy (percent) cost in satisfaction, summed.
float SatisfactionPenalty(float serviceTime, float accuracy);
