// The day's and the lifetime statistics.
#pragma once
#include "model/orders.h"

#include <array>
#include <cstdint>
#include <vector>

// Counter groups, in the game's counter order.
using DrinkCounts = std::array<int32_t, 6>;   // Coke, Pepsi, Orange Soda, Grape Soda, Root Beer, Lemonade
using BurgerCounts = std::array<int32_t, 5>;  // Megaburger, Cheeseburger, Hamburger, Fish Sandwich, Chicken Sandwich
using SideCounts = std::array<int32_t, 4>;    // Fries, Cheese Sticks, Tator Tots, Onion Rings

namespace Drink { enum { Coke, Pepsi, OrangeSoda, GrapeSoda, RootBeer, Lemonade }; }
namespace Burger { enum { Megaburger, Cheeseburger, Hamburger, FishSandwich, ChickenSandwich }; }
namespace Side { enum { Fries, CheeseSticks, TatorTots, OnionRings }; }

struct DayStats {  // program lifetime; reset at the start of each day
    float revenue = 0.0f;
    float fastestOrder = 0.0f;  // 0 = none yet
    int32_t customers = 0;
    int32_t dayNumber = 1;
    int32_t ordersServed = 0;
    std::vector<float> orderTimes;       // one entry per order handed out today
    float averageSpeed = 0.0f;
    std::vector<float> orderAccuracies;  // one entry per order handed out today
    float averageAccuracy = 0.0f;
    bool customerPutOnHold = false;
    int32_t biggestOrderItems = 0;
    int32_t itemsWasted = 0;
    float lastOrderTime = 0.0f;
    Receipt biggestOrder;
    DrinkCounts drinksSold{}, drinksWasted{};
    BurgerCounts burgersSold{}, burgersWasted{};
    SideCounts sidesSold{}, sidesWasted{};
    int32_t orderIndex = 0;  // next entry of orderTimes and orderAccuracies

    // Entry `index` of the service times / accuracies: 0 where none was written.
    float readOrderTime(int32_t index) const;
    float readOrderAccuracy(int32_t index) const;
    // Writes entry `index`, growing the list as far as needed; a negative index writes nothing.
    void writeOrderTime(int32_t index, float value);
    void writeOrderAccuracy(int32_t index, float value);
    int32_t drinksSoldCount() const;
    int32_t burgersSoldCount() const;
    int32_t sidesSoldCount() const;
};

struct TotalStats {  // program lifetime; reset by a new game, replaced in part by a load
    float funds = 0.0f;
    float bestDayRevenue = 0.0f;  // 0 = none yet
    float fastestOrder = 0.0f;    // 0 = none yet
    int32_t bestDayNumber = 0;    // read as a float, written from a float truncated
    int32_t customers = 0;
    int32_t ordersServed = 0;
    int32_t biggestOrderItems = 0;
    int32_t itemsWasted = 0;
    Receipt biggestOrder;
    DrinkCounts drinksSold{}, drinksWasted{};
    BurgerCounts burgersSold{}, burgersWasted{};
    SideCounts sidesSold{}, sidesWasted{};

    float readBestDayNumber() const { return static_cast<float>(bestDayNumber); }
    void writeBestDayNumber(float value);
    int32_t drinksSoldCount() const;
    int32_t burgersSoldCount() const;
    int32_t sidesSoldCount() const;
};

extern DayStats dayStats;
extern TotalStats totalStats;

// Counts one of an item handed out, by exact display name (other names count nothing).
void recordItemSold(const char* name);
// Counts one of an item wasted, by item number (other numbers count nothing).
void recordItemWasted(int itemNumber);
void resetDayStats();
// A new game's lifetime figures; funds 1000 with the starting-cash option.
void resetTotalStats(uint8_t gameOptions);
// At closing: averages, leftover kitchen jobs wasted, then accumulateDayIntoTotals.
void finishDayStatistics();
void accumulateDayIntoTotals();
// Report figures: an item's sold count ("coke") or category share ("coke%").
float reportValue(const char* key, bool ofDay);
// "", " " or "  " so that counts and shares line up.
const char* alignmentSpaces(const char* key, bool ofDay);
