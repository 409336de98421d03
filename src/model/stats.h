// The day's and the game's statistics: counters, records, averages and the
// report's figures.
#pragma once
#include "model/catalogue.h"

#include <array>
#include <cstdint>
#include <vector>

// Counter groups, in the game's counter order.
using DrinkCounts = std::array<int32_t, 6>;   // Coke, Pepsi, Orange Soda, Grape Soda, Root Beer, Lemonade
using BurgerCounts = std::array<int32_t, 5>;  // Megaburger, Cheeseburger, Hamburger, Fish Sandwich, Chicken Sandwich
using SideCounts = std::array<int32_t, 4>;    // Fries, Cheese Sticks, Tator Tots, Onion Rings


// One day: StartDay clears every figure but the day number.
struct DayStats {
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

// One game: StartNewGame clears it, a loaded game replaces the saved fields.
struct TotalStats {
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


// An item's sold or wasted counter in either record.
template <class Stats>
decltype(auto) itemCounter(Stats& stats, const MenuItemSpec& item, bool wasted)
{
    switch (item.category) {
    case ItemCategory::Burger: return ((wasted ? stats.burgersWasted : stats.burgersSold)[item.counter]);
    case ItemCategory::Side: return ((wasted ? stats.sidesWasted : stats.sidesSold)[item.counter]);
    default: return ((wasted ? stats.drinksWasted : stats.drinksSold)[item.counter]);
    }
}
template <class Stats>
decltype(auto) soldCounter(Stats& stats, const MenuItemSpec& item) { return itemCounter(stats, item, false); }
template <class Stats>
decltype(auto) wastedCounter(Stats& stats, const MenuItemSpec& item) { return itemCounter(stats, item, true); }
// The sold total of an item's category in either record.
template <class Stats>
int32_t categorySoldCount(const Stats& stats, ItemCategory category)
{
    switch (category) {
    case ItemCategory::Burger: return stats.burgersSoldCount();
    case ItemCategory::Side: return stats.sidesSoldCount();
    default: return stats.drinksSoldCount();
    }
}

// Counts one of an item handed out, by exact display name (other names count nothing).
void recordItemSold(const char* name);
// Counts one of an item wasted, by item number (other numbers count nothing).
void recordItemWasted(int itemNumber);
// At closing (after the kitchen's leftovers are counted as wasted): the day's
// averages, then accumulateDayIntoTotals.
void finishDayStatistics();
// Adds the day's figures to the game's totals and keeps the records it beats.
void accumulateDayIntoTotals();
// Report figures: an item's sold count ("coke") or category share ("coke%").
float reportValue(const char* key, bool ofDay);
// "", " " or "  " so that counts and shares line up.
const char* alignmentSpaces(const char* key, bool ofDay);
