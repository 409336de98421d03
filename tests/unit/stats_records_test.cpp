// The statistics records: per-item counters, resets, the order entries and bestDayNumber.
#include "stats/stats.h"

#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class StatsRecords : public ::testing::Test {
protected:
    void SetUp() override
    {
        dayStats = DayStats{};
        totalStats = TotalStats{};
    }
    void TearDown() override { SetUp(); }
};

}  // namespace

TEST_F(StatsRecords, SoldItemsCountByExactDisplayName)
{
    for (const MenuItemSpec& item : kMenu)
        recordItemSold(item.name);
    recordItemSold("Coke");
    recordItemSold("coke");
    recordItemSold("Co e");
    recordItemSold("");
    recordItemSold(nullptr);
    EXPECT_EQ(dayStats.drinksSold, (DrinkCounts{2, 1, 1, 1, 1, 1}));
    EXPECT_EQ(dayStats.burgersSold, (BurgerCounts{1, 1, 1, 1, 1}));
    EXPECT_EQ(dayStats.sidesSold, (SideCounts{1, 1, 1, 1}));
    EXPECT_EQ(dayStats.drinksSoldCount(), 7);
    EXPECT_EQ(dayStats.burgersSoldCount(), 5);
    EXPECT_EQ(dayStats.sidesSoldCount(), 4);
}

TEST_F(StatsRecords, WastedItemsCountByKitchenItemNumber)
{
    recordItemWasted(11);
    EXPECT_EQ(dayStats.drinksWasted[Drink::GrapeSoda], 1);
    recordItemWasted(13);
    EXPECT_EQ(dayStats.drinksWasted[Drink::Pepsi], 1);
    recordItemWasted(12);
    EXPECT_EQ(dayStats.drinksWasted[Drink::OrangeSoda], 1);
    for (int n = 1; n <= 9; ++n)
        recordItemWasted(n);
    recordItemWasted(0);
    recordItemWasted(16);
    recordItemWasted(-1);
    EXPECT_EQ(dayStats.burgersWasted, (BurgerCounts{1, 1, 1, 1, 1}));
    EXPECT_EQ(dayStats.sidesWasted, (SideCounts{1, 1, 1, 1}));
    EXPECT_EQ(dayStats.drinksWasted, (DrinkCounts{0, 1, 1, 1, 0, 0}));
    EXPECT_EQ(dayStats.itemsWasted, 0);  // its callers count that
    EXPECT_EQ(dayStats.drinksSoldCount(), 0);
}

TEST_F(StatsRecords, ResetDayStatsClearsTheDayButKeepsItsNumber)
{
    DayStats& d = dayStats;
    d.revenue = 12.5f;
    d.fastestOrder = 3.0f;
    d.customers = 4;
    d.dayNumber = 6;
    d.ordersServed = 3;
    d.averageSpeed = 5.0f;
    d.averageAccuracy = 90.0f;
    d.customerPutOnHold = true;
    d.itemsWasted = 2;
    d.lastOrderTime = 7.0f;
    d.biggestOrderItems = 4;
    d.biggestOrder.count = 4;
    d.orderIndex = 3;
    d.writeOrderTime(2, 8.0f);
    recordItemSold("Fries");
    recordItemWasted(10);

    resetDayStats();
    EXPECT_EQ(d.revenue, 0.0f);
    EXPECT_EQ(d.fastestOrder, 0.0f);
    EXPECT_EQ(d.customers, 0);
    EXPECT_EQ(d.ordersServed, 0);
    EXPECT_EQ(d.averageSpeed, 0.0f);
    EXPECT_EQ(d.averageAccuracy, 0.0f);
    EXPECT_FALSE(d.customerPutOnHold);
    EXPECT_EQ(d.itemsWasted, 0);
    EXPECT_EQ(d.lastOrderTime, 0.0f);
    EXPECT_EQ(d.sidesSold, (SideCounts{}));
    EXPECT_EQ(d.drinksWasted, (DrinkCounts{}));
    EXPECT_EQ(d.dayNumber, 6);
    // The day's biggest order is the day's own.
    EXPECT_EQ(d.biggestOrderItems, 0);
    EXPECT_EQ(d.biggestOrder.count, 0);
    // The order index belongs to the hand-out's own start-of-day call.
    EXPECT_EQ(d.orderIndex, 3);
    EXPECT_EQ(d.readOrderTime(2), 0.0f);
}

TEST_F(StatsRecords, ResetTotalStatsFollowsTheStartingCashOption)
{
    TotalStats& t = totalStats;
    t.bestDayRevenue = 50.0f;
    t.fastestOrder = 2.0f;
    t.bestDayNumber = 3;
    t.customers = 9;
    t.ordersServed = 8;
    t.itemsWasted = 7;
    t.biggestOrderItems = 6;
    t.biggestOrder.count = 6;
    t.drinksSold[0] = 5;
    t.sidesWasted[3] = 1;

    resetTotalStats(2 | 8);
    EXPECT_EQ(t.funds, 1000.0f);
    EXPECT_EQ(t.bestDayRevenue, 0.0f);
    EXPECT_EQ(t.fastestOrder, 0.0f);
    EXPECT_EQ(t.bestDayNumber, 0);
    EXPECT_EQ(t.customers, 0);
    EXPECT_EQ(t.ordersServed, 0);
    EXPECT_EQ(t.itemsWasted, 0);
    EXPECT_EQ(t.drinksSold, (DrinkCounts{}));
    EXPECT_EQ(t.sidesWasted, (SideCounts{}));
    EXPECT_EQ(t.biggestOrderItems, 6);  // the all-time biggest order survives a new game
    EXPECT_EQ(t.biggestOrder.count, 6);

    t.funds = 5.0f;
    resetTotalStats(8);
    EXPECT_EQ(t.funds, 0.0f);
}

TEST_F(StatsRecords, BestDayNumberIsWrittenTruncated)
{
    totalStats.writeBestDayNumber(3.9f);
    EXPECT_EQ(totalStats.bestDayNumber, 3);
    EXPECT_EQ(totalStats.readBestDayNumber(), 3.0f);
    totalStats.writeBestDayNumber(-2.7f);
    EXPECT_EQ(totalStats.bestDayNumber, -2);
    totalStats.writeBestDayNumber(NAN);
    EXPECT_EQ(totalStats.bestDayNumber, 0);
    totalStats.writeBestDayNumber(1e20f);
    EXPECT_EQ(totalStats.bestDayNumber, INT32_MAX);
}

TEST_F(StatsRecords, OrderEntriesHoldEveryOrderOfTheDay)
{
    for (int i = 0; i < 120; ++i) {
        dayStats.writeOrderTime(i, static_cast<float>(i));
        dayStats.writeOrderAccuracy(i, 100.0f - static_cast<float>(i % 10));
    }
    EXPECT_EQ(dayStats.orderTimes.size(), 120u);
    EXPECT_EQ(dayStats.readOrderTime(50), 50.0f);
    EXPECT_EQ(dayStats.readOrderTime(119), 119.0f);
    EXPECT_EQ(dayStats.readOrderAccuracy(51), 99.0f);
    EXPECT_EQ(dayStats.readOrderTime(120), 0.0f);
    EXPECT_EQ(dayStats.readOrderTime(-1), 0.0f);
    dayStats.writeOrderTime(-1, 5.0f);
    EXPECT_EQ(dayStats.orderTimes.size(), 120u);
}
