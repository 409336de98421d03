// The day's and the lifetime statistics records and their counters.
#include "stats/stats.h"

#include <cmath>
#include <cstring>
#include <numeric>

DayStats dayStats;
TotalStats totalStats;

namespace {

// Far beyond the orders a day can hold (one per 400 frames at most); guards memory.
constexpr int32_t kMaxOrderEntries = 1 << 16;

float readEntry(const std::vector<float>& entries, int32_t index)
{
    if (index < 0 || static_cast<size_t>(index) >= entries.size())
        return 0.0f;
    return entries[static_cast<size_t>(index)];
}

void writeEntry(std::vector<float>& entries, int32_t index, float value)
{
    if (index < 0 || index >= kMaxOrderEntries)
        return;
    if (static_cast<size_t>(index) >= entries.size())
        entries.resize(static_cast<size_t>(index) + 1, 0.0f);
    entries[static_cast<size_t>(index)] = value;
}

template <size_t N>
int32_t sum(const std::array<int32_t, N>& counts)
{
    return std::accumulate(counts.begin(), counts.end(), int32_t{0});
}

}  // namespace

float DayStats::readOrderTime(int32_t index) const { return readEntry(orderTimes, index); }
float DayStats::readOrderAccuracy(int32_t index) const { return readEntry(orderAccuracies, index); }
void DayStats::writeOrderTime(int32_t index, float value) { writeEntry(orderTimes, index, value); }
void DayStats::writeOrderAccuracy(int32_t index, float value)
{
    writeEntry(orderAccuracies, index, value);
}

int32_t DayStats::drinksSoldCount() const { return sum(drinksSold); }
int32_t DayStats::burgersSoldCount() const { return sum(burgersSold); }
int32_t DayStats::sidesSoldCount() const { return sum(sidesSold); }
int32_t TotalStats::drinksSoldCount() const { return sum(drinksSold); }
int32_t TotalStats::burgersSoldCount() const { return sum(burgersSold); }
int32_t TotalStats::sidesSoldCount() const { return sum(sidesSold); }

void TotalStats::writeBestDayNumber(float value)
{
    // Truncates toward zero; values no int can hold are pinned rather than left undefined.
    if (std::isnan(value))
        bestDayNumber = 0;
    else if (value >= 2147483647.0f)
        bestDayNumber = INT32_MAX;
    else if (value <= -2147483648.0f)
        bestDayNumber = INT32_MIN;
    else
        bestDayNumber = static_cast<int32_t>(value);
}

void recordItemSold(const char* name)
{
    if (name == nullptr)
        return;
    struct Counter {
        const char* name;
        int32_t* counter;
    };
    DayStats& d = dayStats;
    const Counter counters[] = {
        {"Megaburger", &d.burgersSold[Burger::Megaburger]},
        {"Cheeseburger", &d.burgersSold[Burger::Cheeseburger]},
        {"Hamburger", &d.burgersSold[Burger::Hamburger]},
        {"Fish Sandwich", &d.burgersSold[Burger::FishSandwich]},
        {"Chicken Sandwich", &d.burgersSold[Burger::ChickenSandwich]},
        {"Coke", &d.drinksSold[Drink::Coke]},
        {"Pepsi", &d.drinksSold[Drink::Pepsi]},
        {"Orange Soda", &d.drinksSold[Drink::OrangeSoda]},
        {"Grape Soda", &d.drinksSold[Drink::GrapeSoda]},
        {"Root Beer", &d.drinksSold[Drink::RootBeer]},
        {"Lemonade", &d.drinksSold[Drink::Lemonade]},
        {"Fries", &d.sidesSold[Side::Fries]},
        {"Cheese Sticks", &d.sidesSold[Side::CheeseSticks]},
        {"Tator Tots", &d.sidesSold[Side::TatorTots]},
        {"Onion Rings", &d.sidesSold[Side::OnionRings]},
    };
    for (const Counter& c : counters) {
        if (std::strcmp(c.name, name) == 0) {
            *c.counter += 1;
            return;
        }
    }
}

void recordItemWasted(int itemNumber)
{
    DayStats& d = dayStats;
    // Item-number order (the kitchen's), which differs from the drink counters' order.
    int32_t* const counters[] = {
        &d.burgersWasted[Burger::Megaburger],   &d.burgersWasted[Burger::Cheeseburger],
        &d.burgersWasted[Burger::Hamburger],    &d.burgersWasted[Burger::FishSandwich],
        &d.burgersWasted[Burger::ChickenSandwich],
        &d.sidesWasted[Side::Fries],            &d.sidesWasted[Side::CheeseSticks],
        &d.sidesWasted[Side::TatorTots],        &d.sidesWasted[Side::OnionRings],
        &d.drinksWasted[Drink::Coke],           &d.drinksWasted[Drink::GrapeSoda],
        &d.drinksWasted[Drink::OrangeSoda],     &d.drinksWasted[Drink::Pepsi],
        &d.drinksWasted[Drink::RootBeer],       &d.drinksWasted[Drink::Lemonade],
    };
    if (itemNumber >= 1 && itemNumber <= 15)
        *counters[itemNumber - 1] += 1;
}

void resetDayStats()
{
    DayStats& d = dayStats;
    d.revenue = 0.0f;
    d.fastestOrder = 0.0f;
    d.customers = 0;
    d.ordersServed = 0;
    d.averageSpeed = 0.0f;
    d.averageAccuracy = 0.0f;
    d.customerPutOnHold = false;
    d.itemsWasted = 0;
    d.lastOrderTime = 0.0f;
    d.drinksSold = {};
    d.drinksWasted = {};
    d.burgersSold = {};
    d.burgersWasted = {};
    d.sidesSold = {};
    d.sidesWasted = {};
    // The day's own biggest order, not the biggest since the program started.
    d.biggestOrderItems = 0;
    d.biggestOrder = Receipt{};
    // The new day's entries start again at index 0.
    d.orderTimes.clear();
    d.orderAccuracies.clear();
}

void resetTotalStats(uint8_t gameOptions)
{
    TotalStats& t = totalStats;
    t.funds = (gameOptions & 2) != 0 ? 1000.0f : 0.0f;
    t.bestDayRevenue = 0.0f;
    t.fastestOrder = 0.0f;
    t.bestDayNumber = 0;
    t.customers = 0;
    t.ordersServed = 0;
    t.itemsWasted = 0;
    t.drinksSold = {};
    t.drinksWasted = {};
    t.burgersSold = {};
    t.burgersWasted = {};
    t.sidesSold = {};
    t.sidesWasted = {};
}
