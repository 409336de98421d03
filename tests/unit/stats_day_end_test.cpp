// Closing time: the day's averages, leftover kitchen jobs, and the records kept across days.
#include "rules/day_clock.h"
#include "rules/day_start.h"
#include "model/stats.h"

#include "model/game_state.h"
#include "model/random.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class DayEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        game = GameState{}; day = DayState{};
        day.stats = DayStats{};
        game.totals = TotalStats{};
        savedRng = rngState;
    }
    void TearDown() override
    {
        game = GameState{}; day = DayState{};
        day.stats = DayStats{};
        game.totals = TotalStats{};
        rngState = savedRng;
    }
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
    uint32_t savedRng = 0;
};

}  // namespace

TEST_F(DayEnd, AveragesCoverTheDaysOrders)
{
    Served(2.0f, 100.0f);
    Served(4.0f, 90.0f);
    Served(6.0f, 80.0f);
    finishDayStatistics();
    EXPECT_EQ(day.stats.averageSpeed, 4.0f);
    EXPECT_EQ(day.stats.averageAccuracy, 90.0f);
}

TEST_F(DayEnd, AveragesSumInThirtyTwoBitFloats)
{
    // 1e8 + 1 + 1 ... stays 1e8 when each partial sum is rounded to a float.
    Served(1e8f, 0.0f);
    for (int i = 0; i < 9; ++i)
        Served(1.0f, 0.0f);
    finishDayStatistics();
    EXPECT_EQ(day.stats.averageSpeed, 1e8f / 10.0f);
}

TEST_F(DayEnd, FastestOrderRecordNeedsAStrictlyFasterDayWithOrders)
{
    CloseDay(1, 10.0f, 0.0f, 0);  // no orders: no record
    EXPECT_EQ(game.totals.fastestOrder, 0.0f);
    CloseDay(2, 10.0f, 6.0f, 0);  // the first day with orders sets it
    EXPECT_EQ(game.totals.fastestOrder, 6.0f);
    CloseDay(3, 10.0f, 7.0f, 0);
    EXPECT_EQ(game.totals.fastestOrder, 6.0f);
    CloseDay(4, 10.0f, 0.0f, 0);
    EXPECT_EQ(game.totals.fastestOrder, 6.0f);
    CloseDay(5, 10.0f, 5.5f, 0);
    EXPECT_EQ(game.totals.fastestOrder, 5.5f);
}

TEST_F(DayEnd, BestDayRecordKeepsTheClosingDaysOwnNumber)
{
    CloseDay(1, 0.0f, 0.0f, 0);  // the first closed day always sets the record
    EXPECT_EQ(game.totals.bestDayRevenue, 0.0f);
    EXPECT_EQ(game.totals.bestDayNumber, 1);
    CloseDay(2, 30.0f, 0.0f, 0);  // a record of 0 is replaced
    EXPECT_EQ(game.totals.bestDayRevenue, 30.0f);
    EXPECT_EQ(game.totals.bestDayNumber, 2);
    CloseDay(3, 30.0f, 0.0f, 0);  // a tie leaves it
    EXPECT_EQ(game.totals.bestDayNumber, 2);
    CloseDay(4, 29.99f, 0.0f, 0);
    EXPECT_EQ(game.totals.bestDayNumber, 2);
    CloseDay(5, 30.01f, 0.0f, 0);
    EXPECT_EQ(game.totals.bestDayRevenue, 30.01f);
    EXPECT_EQ(game.totals.bestDayNumber, 5);
}

TEST_F(DayEnd, BiggestOrderRecordNeedsStrictlyMoreItems)
{
    CloseDay(1, 1.0f, 0.0f, 4);
    EXPECT_EQ(game.totals.biggestOrderItems, 4);
    EXPECT_EQ(game.totals.biggestOrder.orderNumber, 1);
    CloseDay(2, 1.0f, 0.0f, 4);  // a tie keeps the earlier copy
    EXPECT_EQ(game.totals.biggestOrder.orderNumber, 1);
    CloseDay(3, 1.0f, 0.0f, 2);
    EXPECT_EQ(game.totals.biggestOrderItems, 4);
    CloseDay(4, 1.0f, 0.0f, 7);
    EXPECT_EQ(game.totals.biggestOrderItems, 7);
    EXPECT_EQ(game.totals.biggestOrder.orderNumber, 4);
}
