// The four game options: the key that toggles each, its bit and how the options screen shows it.
#pragma once
#include "model/game_state.h"
#include "model/key_latches.h"

#include <cstdint>

struct OptionRow {
    int key;
    uint64_t latch;
    uint8_t bit;
    const char* label;
    int y;
    int separatorX;
    const char* whenSet;  // the value shown first
    int whenSetX;
    const char* whenClear;
    int whenClearX;
};

constexpr OptionRow kOptionRows[] = {
    {'A', Latch::OptionA, Option::FiveMinuteDays, "('A') Day duration(min)", 330, 438,
     "5", 430, "10", 465},
    {'B', Latch::OptionB, Option::StartingCash, "('B') Starting Cash (Handicap)", 250, 520,
     "$ 1,000.00", 430, "OFF", 540},
    {'C', Latch::OptionC, Option::HalfSatisfaction, "('C') Starting Cust. Sat. (Handicap)", 170,
     455, "50%", 430, "100%", 480},
    {'D', Latch::OptionD, Option::SmoothTransitions, "('D') Smooth Transition", 90, 452, "ON",
     435, "OFF", 480},
};
