// Cars at the speaker: the arrival rule, taking an order and what the headset lets through.
#pragma once
#include "model/game_state.h"

#include <string>

// satisfaction x day / 130 in 32-bit floats, at least 1.
float arrivalFactor(float customerSatisfaction, int dayNumber);
// One frame of the speaker: the drain while a car waits or is on hold, else the
// chance of a new car.
void SpeakerStep(RegisterState& registerState, float& customerSatisfaction, int carsInLine);
// Answers the car at the speaker: a new customer with a random order joins the queue.
void takeOrder(float headsetBattery);
// One random line of the day's menu mix, its name as heard through the headset.
OrderItem randomOrderItem(float headsetBattery);
// Each character survives when battery x 1.2 reaches a draw of 1..100, else a blank.
std::string garbleText(float headsetBattery, const char* text);
// The latest customer's words stay up for kSpokenOrderFrames frames after the order.
void CountSpokenOrderFrame();
