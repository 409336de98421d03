// The window: handing out the picked-up bag, grading it, and waving on a car
// that has no receipt.
#pragma once

void HandOutControl(const bool* keys, int& carsInLine, float& customerSatisfaction);
// Records one order handed out from bag b; with reset it only starts the day's order index.
void GradeOrder(int b, bool reset, float& customerSatisfaction);
// Receipt against the customer's order, in percent; stored in the bag.
float computeAccuracy(int b);
// What slowness (seconds) and inaccuracy (percent) cost in satisfaction, summed.
float satisfactionPenalty(float serviceTime, float accuracy);
// A car is at the window whose order no bag or waiting slot holds and which is
// not being keyed: nothing could ever be handed to it.
bool carAtWindowWithoutReceipt();
// The picked-up bag holds a receipt of a car already served (keyed on after its
// hand-out): no car will ever take it, so Enter at the window throws it away.
bool pickedUpBagForServedCar();
