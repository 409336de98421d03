// The day's customers: cars whose order was taken.
#pragma once
#include "model/orders.h"

// Frames the latest customer's words stay on the register view after the order.
constexpr int kSpokenOrderFrames = 600;
// framesSinceOrder of a day before its first order: past the spoken order's frames.
constexpr int kNoSpokenOrder = kSpokenOrderFrames + 1;

struct Customer {
    int number = 0;  // orderCounter when the order was taken; 0 for the day's first
    OrderItem order[kReceiptLines];  // what the car wants, as heard through the headset
    int count = 0;    // 1..10
    int picture = 0;  // 1..13: window picture 33 + picture
};
