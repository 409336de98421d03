// Closing time: the day's averages, and the records kept across days.
#include "rules/day_clock.h"
#include "rules/day_start.h"
#include "support/day_state.h"

#include <vector>

namespace {

class DayEnd : public FreshGame {
protected:
    // One order handed out, as the window records it.
    static void Served(float time, float accuracy)
    {
        DayStats& d = day.stats;
        d.writeOrderTime(d.orderIndex, time);
        d.writeOrderAccuracy(d.orderIndex, accuracy);
        d.ordersServed += 1;
        d.orderIndex += 1;
    }
    // A closed day with these figures.
    static void CloseDay(int dayNumber, float revenue, float fastest, int biggest)
    {
        day.stats = DayStats{};
        day.stats.dayNumber = dayNumber;
        day.stats.revenue = revenue;
        day.stats.fastestOrder = fastest;
        day.stats.biggestOrderItems = biggest;
        day.stats.biggestOrder.count = biggest;
        day.stats.biggestOrder.orderNumber = dayNumber;  // marks whose copy it is
        accumulateDayIntoTotals();
    }
};

}  // namespace

TEST_F(DayEnd, AveragesCoverTheDaysOrdersInThirtyTwoBitFloats)
{
    Served(2.0f, 100.0f);
    Served(4.0f, 90.0f);
    Served(6.0f, 80.0f);
    finishDayStatistics();
    EXPECT_EQ(day.stats.averageSpeed, 4.0f);
    EXPECT_EQ(day.stats.averageAccuracy, 90.0f);

    // 1e8 + 1 + 1 ... stays 1e8 when each partial sum is rounded to a float.
    day.stats = DayStats{};
    Served(1e8f, 0.0f);
    for (int i = 0; i < 9; ++i)
        Served(1.0f, 0.0f);
    finishDayStatistics();
    EXPECT_EQ(day.stats.averageSpeed, 1e8f / 10.0f);
}

TEST_F(DayEnd, RecordsNeedAStrictlyBetterDay)
{
    struct Closing {
        float revenue, fastest;
        int biggest;
        float bestRevenue;  // the records after the day closed
        int bestDay;
        float fastestRecord;
        int biggestRecord, biggestFrom;
    };
    const Closing days[] = {
        {0.0f, 0.0f, 4, 0.0f, 1, 0.0f, 4, 1},          // the first day sets the best day; no orders, no fastest
        {30.0f, 6.0f, 4, 30.0f, 2, 6.0f, 4, 1},        // a best day of 0 is beaten; a tie keeps the biggest
        {30.0f, 7.0f, 2, 30.0f, 2, 6.0f, 4, 1},        // ties and slower days change nothing
        {29.99f, 0.0f, 4, 30.0f, 2, 6.0f, 4, 1},
        {30.01f, 5.5f, 7, 30.01f, 5, 5.5f, 7, 5},
    };
    for (int i = 0; i < 5; ++i) {
        const Closing& d = days[i];
        CloseDay(i + 1, d.revenue, d.fastest, d.biggest);
        const TotalStats& t = game.totals;
        EXPECT_EQ(t.bestDayRevenue, d.bestRevenue) << "day " << i + 1;
        EXPECT_EQ(t.bestDayNumber, d.bestDay) << "day " << i + 1;
        EXPECT_EQ(t.fastestOrder, d.fastestRecord) << "day " << i + 1;
        EXPECT_EQ(t.biggestOrderItems, d.biggestRecord) << "day " << i + 1;
        EXPECT_EQ(t.biggestOrder.orderNumber, d.biggestFrom) << "day " << i + 1;
    }
}

TEST_F(DayEnd, EveryCountOfTheDayIsAddedToTheTotals)
{
    DayStats& d = day.stats;
    const TotalStats& t = game.totals;
    auto fill = [](auto& counts, int32_t from) {
        for (size_t i = 0; i < counts.size(); ++i)
            counts[i] = from + static_cast<int32_t>(i);
    };
    auto expectTwice = [](const auto& totals, int32_t from) {
        for (size_t i = 0; i < totals.size(); ++i)
            EXPECT_EQ(totals[i], 2 * (from + static_cast<int32_t>(i))) << "counts from " << from << ", index " << i;
    };
    fill(d.drinksSold, 10), fill(d.drinksWasted, 20), fill(d.burgersSold, 30), fill(d.burgersWasted, 40);
    fill(d.sidesSold, 50), fill(d.sidesWasted, 60);
    d.customers = 7, d.ordersServed = 6, d.itemsWasted = 5, d.revenue = 12.5f;
    accumulateDayIntoTotals();
    accumulateDayIntoTotals();
    expectTwice(t.drinksSold, 10), expectTwice(t.drinksWasted, 20), expectTwice(t.burgersSold, 30);
    expectTwice(t.burgersWasted, 40), expectTwice(t.sidesSold, 50), expectTwice(t.sidesWasted, 60);
    EXPECT_EQ(std::vector<int32_t>({t.customers, t.ordersServed, t.itemsWasted}), std::vector<int32_t>({14, 12, 10}));
    EXPECT_EQ(t.funds, 25.0f);
}
