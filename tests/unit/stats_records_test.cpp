// The statistics records: per-item counters, resets, the order entries and bestDayNumber.
#include "model/game_state.h"
#include "rules/day_start.h"
#include "model/stats.h"

#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class StatsRecords : public ::testing::Test {
protected:
    void SetUp() override
    {
        day.stats = DayStats{};
        game.totals = TotalStats{};
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
    EXPECT_EQ(day.stats.drinksSold, (DrinkCounts{2, 1, 1, 1, 1, 1}));
    EXPECT_EQ(day.stats.burgersSold, (BurgerCounts{1, 1, 1, 1, 1}));
    EXPECT_EQ(day.stats.sidesSold, (SideCounts{1, 1, 1, 1}));
    EXPECT_EQ(day.stats.drinksSoldCount(), 7);
    EXPECT_EQ(day.stats.burgersSoldCount(), 5);
    EXPECT_EQ(day.stats.sidesSoldCount(), 4);
}

TEST_F(StatsRecords, WastedItemsCountByKitchenItemNumber)
{
    recordItemWasted(11);
    EXPECT_EQ(day.stats.drinksWasted[Drink::GrapeSoda], 1);
    recordItemWasted(13);
    EXPECT_EQ(day.stats.drinksWasted[Drink::Pepsi], 1);
    recordItemWasted(12);
    EXPECT_EQ(day.stats.drinksWasted[Drink::OrangeSoda], 1);
    for (int n = 1; n <= 9; ++n)
        recordItemWasted(n);
    recordItemWasted(0);
    recordItemWasted(16);
    recordItemWasted(-1);
    EXPECT_EQ(day.stats.burgersWasted, (BurgerCounts{1, 1, 1, 1, 1}));
    EXPECT_EQ(day.stats.sidesWasted, (SideCounts{1, 1, 1, 1}));
    EXPECT_EQ(day.stats.drinksWasted, (DrinkCounts{0, 1, 1, 1, 0, 0}));
    EXPECT_EQ(day.stats.itemsWasted, 0);  // its callers count that
    EXPECT_EQ(day.stats.drinksSoldCount(), 0);
}

TEST_F(StatsRecords, ResetDayStatsClearsTheDayButKeepsItsNumber)
{
    DayStats& d = day.stats;
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

    StartDay();
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
    EXPECT_EQ(d.orderIndex, 0);
    EXPECT_EQ(d.readOrderTime(2), 0.0f);
}

TEST_F(StatsRecords, ResetTotalStatsFollowsTheStartingCashOption)
{
    TotalStats& t = game.totals;
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

    StartNewGame(2 | 8);
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
    StartNewGame(8);
    EXPECT_EQ(t.funds, 0.0f);
}

TEST_F(StatsRecords, BestDayNumberIsWrittenTruncated)
{
    game.totals.writeBestDayNumber(3.9f);
    EXPECT_EQ(game.totals.bestDayNumber, 3);
    EXPECT_EQ(game.totals.readBestDayNumber(), 3.0f);
    game.totals.writeBestDayNumber(-2.7f);
    EXPECT_EQ(game.totals.bestDayNumber, -2);
    game.totals.writeBestDayNumber(NAN);
    EXPECT_EQ(game.totals.bestDayNumber, 0);
    game.totals.writeBestDayNumber(1e20f);
    EXPECT_EQ(game.totals.bestDayNumber, INT32_MAX);
}

TEST_F(StatsRecords, OrderEntriesHoldEveryOrderOfTheDay)
{
    for (int i = 0; i < 120; ++i) {
        day.stats.writeOrderTime(i, static_cast<float>(i));
        day.stats.writeOrderAccuracy(i, 100.0f - static_cast<float>(i % 10));
    }
    EXPECT_EQ(day.stats.orderTimes.size(), 120u);
    EXPECT_EQ(day.stats.readOrderTime(50), 50.0f);
    EXPECT_EQ(day.stats.readOrderTime(119), 119.0f);
    EXPECT_EQ(day.stats.readOrderAccuracy(51), 99.0f);
    EXPECT_EQ(day.stats.readOrderTime(120), 0.0f);
    EXPECT_EQ(day.stats.readOrderTime(-1), 0.0f);
    day.stats.writeOrderTime(-1, 5.0f);
    EXPECT_EQ(day.stats.orderTimes.size(), 120u);
}
