// The drawing of a day: the kitchen queue strip, the register, kitchen and
// hand-out views (at a horizontal offset in pixels while they slide), and the
// status bar.
#pragma once

// Also runs the cooking of the queue, between and during its drawing.
void KitchenQueueStrip();
// Turns away a car at the speaker while the clock shows 10 pm.
void RegisterView(int offset, int& registerState);
void KitchenView(int offset);
// Counts the red flash down and puts back a picked-up bag that lost its receipt.
void HandOutView(int offset);
// Runs AdvanceDay right after the speaker icon.
void StatusBar(bool& dayOver, float& headsetBattery, float& customerSatisfaction, int& registerState,
               int carsInLine);
