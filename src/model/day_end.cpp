// Closing time: the day's averages, and the day folded into the game's totals.
#include "model/game_state.h"
#include "model/stats.h"

void finishDayStatistics()
{
    DayStats& d = day.stats;
    float timeSum = 0.0f;
    float accuracySum = 0.0f;
    for (int32_t i = 0; i < d.ordersServed; ++i) {
        timeSum += d.readOrderTime(i);
        accuracySum += d.readOrderAccuracy(i);
    }
    // A day without orders divides 0 by 0: the averages are not a number and meet no threshold.
    d.averageSpeed = timeSum / static_cast<float>(d.ordersServed);
    d.averageAccuracy = accuracySum / static_cast<float>(d.ordersServed);
    accumulateDayIntoTotals();
}

void accumulateDayIntoTotals()
{
    const DayStats& d = day.stats;
    TotalStats& t = game.totals;
    t.funds += d.revenue;
    t.customers += d.customers;
    for (size_t i = 0; i < t.drinksSold.size(); ++i) {
        t.drinksSold[i] += d.drinksSold[i];
        t.drinksWasted[i] += d.drinksWasted[i];
    }
    for (size_t i = 0; i < t.burgersSold.size(); ++i) {
        t.burgersSold[i] += d.burgersSold[i];
        t.burgersWasted[i] += d.burgersWasted[i];
    }
    for (size_t i = 0; i < t.sidesSold.size(); ++i) {
        t.sidesSold[i] += d.sidesSold[i];
        t.sidesWasted[i] += d.sidesWasted[i];
    }
    if (d.fastestOrder != 0.0f && (t.fastestOrder == 0.0f || d.fastestOrder < t.fastestOrder))
        t.fastestOrder = d.fastestOrder;
    if (d.revenue > t.bestDayRevenue || t.bestDayRevenue == 0.0f) {
        t.bestDayRevenue = d.revenue;
        t.writeBestDayNumber(static_cast<float>(d.dayNumber));  // the record's own day
    }
    if (t.biggestOrderItems < d.biggestOrderItems) {
        t.biggestOrderItems = d.biggestOrderItems;
        t.biggestOrder = d.biggestOrder;
    }
    t.ordersServed += d.ordersServed;
    t.itemsWasted += d.itemsWasted;
}
