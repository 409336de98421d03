// Closing time: the day's averages, leftover kitchen jobs, and the records kept across days.
#include "stats/stats.h"

#include "model/game_state.h"
#include "model/random.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class DayEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        game = GameState{};
        dayStats = DayStats{};
        totalStats = TotalStats{};
        savedRng = rngState;
    }
    void TearDown() override
    {
        game = GameState{};
        dayStats = DayStats{};
        totalStats = TotalStats{};
        rngState = savedRng;
    }
    // One order handed out, as the window records it.
    static void Served(float time, float accuracy)
    {
        DayStats& d = dayStats;
        d.writeOrderTime(d.orderIndex, time);
        d.writeOrderAccuracy(d.orderIndex, accuracy);
        d.ordersServed += 1;
        d.orderIndex += 1;
    }
    // A closed day with these figures.
    static void CloseDay(int dayNumber, float revenue, float fastest, int biggest)
    {
        resetDayStats();
        dayStats.dayNumber = dayNumber;
        dayStats.revenue = revenue;
        dayStats.fastestOrder = fastest;
        dayStats.biggestOrderItems = biggest;
        dayStats.biggestOrder.count = biggest;
        dayStats.biggestOrder.orderNumber = dayNumber;  // marks whose copy it is
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
    EXPECT_EQ(dayStats.averageSpeed, 4.0f);
    EXPECT_EQ(dayStats.averageAccuracy, 90.0f);
}

TEST_F(DayEnd, AveragesCoverOrdersBeyondTheFiftieth)
{
    for (int i = 0; i < 60; ++i)
        Served(i < 50 ? 1.0f : 61.0f, i < 50 ? 100.0f : 40.0f);
    finishDayStatistics();
    EXPECT_EQ(dayStats.averageSpeed, 11.0f);
    EXPECT_EQ(dayStats.averageAccuracy, 90.0f);
}

TEST_F(DayEnd, ADayWithoutOrdersHasNotANumberAverages)
{
    finishDayStatistics();
    EXPECT_TRUE(std::isnan(dayStats.averageSpeed));
    EXPECT_TRUE(std::isnan(dayStats.averageAccuracy));
    EXPECT_FALSE(dayStats.averageAccuracy >= 0.0f);
}

TEST_F(DayEnd, AveragesSumInThirtyTwoBitFloats)
{
    // 1e8 + 1 + 1 ... stays 1e8 when each partial sum is rounded to a float.
    Served(1e8f, 0.0f);
    for (int i = 0; i < 9; ++i)
        Served(1.0f, 0.0f);
    finishDayStatistics();
    EXPECT_EQ(dayStats.averageSpeed, 1e8f / 10.0f);
}

TEST_F(DayEnd, LeftoverKitchenJobsAreWastedByItem)
{
    queueCookJob(1);
    queueCookJob(11);
    dayStats.itemsWasted = 3;
    finishDayStatistics();
    EXPECT_EQ(game.kitchenQueueCount, 0);
    EXPECT_EQ(dayStats.itemsWasted, 5);
    EXPECT_EQ(dayStats.burgersWasted[Burger::Megaburger], 1);
    EXPECT_EQ(dayStats.drinksWasted[Drink::GrapeSoda], 1);
    EXPECT_EQ(totalStats.itemsWasted, 5);
    EXPECT_EQ(totalStats.burgersWasted[Burger::Megaburger], 1);
}

TEST_F(DayEnd, TheDayIsAddedIntoTheTotals)
{
    totalStats.funds = 100.0f;
    totalStats.customers = 10;
    totalStats.ordersServed = 7;
    totalStats.drinksSold[Drink::Coke] = 2;
    dayStats.revenue = 25.5f;
    dayStats.customers = 4;
    dayStats.ordersServed = 3;
    dayStats.drinksSold[Drink::Coke] = 3;
    dayStats.sidesWasted[Side::Fries] = 1;
    accumulateDayIntoTotals();
    EXPECT_EQ(totalStats.funds, 125.5f);
    EXPECT_EQ(totalStats.customers, 14);
    EXPECT_EQ(totalStats.ordersServed, 10);
    EXPECT_EQ(totalStats.drinksSold[Drink::Coke], 5);
    EXPECT_EQ(totalStats.sidesWasted[Side::Fries], 1);
}

TEST_F(DayEnd, FastestOrderRecordNeedsAStrictlyFasterDayWithOrders)
{
    CloseDay(1, 10.0f, 0.0f, 0);  // no orders: no record
    EXPECT_EQ(totalStats.fastestOrder, 0.0f);
    CloseDay(2, 10.0f, 6.0f, 0);  // the first day with orders sets it
    EXPECT_EQ(totalStats.fastestOrder, 6.0f);
    CloseDay(3, 10.0f, 7.0f, 0);
    EXPECT_EQ(totalStats.fastestOrder, 6.0f);
    CloseDay(4, 10.0f, 0.0f, 0);
    EXPECT_EQ(totalStats.fastestOrder, 6.0f);
    CloseDay(5, 10.0f, 5.5f, 0);
    EXPECT_EQ(totalStats.fastestOrder, 5.5f);
}

TEST_F(DayEnd, BestDayRecordKeepsTheClosingDaysOwnNumber)
{
    CloseDay(1, 0.0f, 0.0f, 0);  // the first closed day always sets the record
    EXPECT_EQ(totalStats.bestDayRevenue, 0.0f);
    EXPECT_EQ(totalStats.bestDayNumber, 1);
    CloseDay(2, 30.0f, 0.0f, 0);  // a record of 0 is replaced
    EXPECT_EQ(totalStats.bestDayRevenue, 30.0f);
    EXPECT_EQ(totalStats.bestDayNumber, 2);
    CloseDay(3, 30.0f, 0.0f, 0);  // a tie leaves it
    EXPECT_EQ(totalStats.bestDayNumber, 2);
    CloseDay(4, 29.99f, 0.0f, 0);
    EXPECT_EQ(totalStats.bestDayNumber, 2);
    CloseDay(5, 30.01f, 0.0f, 0);
    EXPECT_EQ(totalStats.bestDayRevenue, 30.01f);
    EXPECT_EQ(totalStats.bestDayNumber, 5);
}

TEST_F(DayEnd, BiggestOrderRecordNeedsStrictlyMoreItems)
{
    CloseDay(1, 1.0f, 0.0f, 4);
    EXPECT_EQ(totalStats.biggestOrderItems, 4);
    EXPECT_EQ(totalStats.biggestOrder.orderNumber, 1);
    CloseDay(2, 1.0f, 0.0f, 4);  // a tie keeps the earlier copy
    EXPECT_EQ(totalStats.biggestOrder.orderNumber, 1);
    CloseDay(3, 1.0f, 0.0f, 2);
    EXPECT_EQ(totalStats.biggestOrderItems, 4);
    CloseDay(4, 1.0f, 0.0f, 7);
    EXPECT_EQ(totalStats.biggestOrderItems, 7);
    EXPECT_EQ(totalStats.biggestOrder.orderNumber, 4);
}

TEST_F(DayEnd, EachDayShowsItsOwnBiggestOrderWhileTheRecordKeepsTheLargest)
{
    dayStats.biggestOrderItems = 8;
    dayStats.biggestOrder.count = 8;
    accumulateDayIntoTotals();
    resetDayStats();
    EXPECT_EQ(dayStats.biggestOrderItems, 0);
    // A smaller order the next day becomes that day's biggest, leaving the record.
    dayStats.biggestOrderItems = 3;
    dayStats.biggestOrder.count = 3;
    accumulateDayIntoTotals();
    EXPECT_EQ(totalStats.biggestOrderItems, 8);
    EXPECT_EQ(totalStats.biggestOrder.count, 8);
}
