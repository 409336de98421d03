// Starting a game and a day: the one place where each is (re)set.
#pragma once
#include <cstdint>

// A new game's lifetime figures; funds 1000 with the starting-cash option.
void StartNewGame(uint8_t gameOptions);
// The bulletin's Enter: the next day's number, empty bags, customers and
// kitchen, the register view; StartDay follows on the next in-game frame.
void PrepareNextDay();
// The first in-game frame of each day (and of a loaded game): the day's
// statistics, the clock at 6 am, the kitchen at full speed.
void StartDay();
