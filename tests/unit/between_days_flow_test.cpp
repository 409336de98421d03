// The stage machine between days: the satisfaction bonus, the shop's cursor,
// prices and purchases, saving and leaving, and the reset for the next day.
#include "rules/between_days.h"
#include "model/game_state.h"
#include "model/key_latches.h"
#include "model/upgrades.h"
#include "model/stats.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int kEnter = 13, kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kKeypadOne = 97;

class BetweenDaysFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        game = GameState{}; day = DayState{};
        day.stats = DayStats{};
        game.totals = TotalStats{};
        program = ProgramState{};
        keyLatches = 0;
        game.dayOver = true;
    }
    void TearDown() override { keyLatches = 0; }

    void frame() { BetweenDaysControl(keys); }
    void press(int code)
    {
        keys[code] = true;
        frame();
        keys[code] = false;
        frame();
    }
    void inShop(int cursor, float funds)
    {
        game.betweenDaysStage = BetweenDaysStage{2};
        game.upgradeLevels.shopCursor = cursor;
        game.totals.funds = funds;
    }

    bool keys[256] = {};
};

float bonusFor(int wasted, int customers, float accuracy, float speed, float& satisfaction)
{
    day.stats.itemsWasted = wasted;
    day.stats.customers = customers;
    day.stats.averageAccuracy = accuracy;
    day.stats.averageSpeed = speed;
    return ComputeSatisfactionBonus(satisfaction);
}

}  // namespace

TEST_F(BetweenDaysFlow, SatisfactionBonusThresholdsAreStrict)
{
    float s = 0.0f;
    // Only the tested figure earns points: 4+ wasted and 10 customers earn none.
    EXPECT_EQ(bonusFor(4, 25, 95.0f, 60.0f, s), 3.0f);  // 8 + 24
    EXPECT_EQ(bonusFor(4, 26, 90.0f, 60.0f, s), 2.0f);  // 10 + 18
    EXPECT_EQ(bonusFor(4, 10, 75.0f, 24.0f, s), 3.0f);  // 0 + 0 + 30
    EXPECT_EQ(bonusFor(4, 10, 75.0f, 50.0f, s), 0.0f);
    EXPECT_EQ(bonusFor(4, 16, 81.0f, 37.9f, s), 3.0f);  // 5 + 12 + 20 -> 37
    EXPECT_EQ(bonusFor(2, 11, 86.0f, 49.0f, s), 4.0f);  // 10 + 2 + 18 + 10
    // The return value is the increase before the cap.
    s = 99.5f;
    EXPECT_EQ(bonusFor(0, 0, 0.0f, 60.0f, s), 2.0f);
    EXPECT_EQ(s, 100.0f);
}

TEST_F(BetweenDaysFlow, EachEnterMovesOneStage)
{
    day.stats.itemsWasted = 0;  // a bonus of 2
    day.stats.averageSpeed = 60.0f;
    game.customerSatisfaction = 50.0f;
    keys[kEnter] = true;
    frame();
    EXPECT_EQ(static_cast<int>(game.betweenDaysStage), 1);
    EXPECT_EQ(game.satisfactionBonus, 2.0f);
    EXPECT_EQ(game.customerSatisfaction, 52.0f);
    // Still held: the bonus is not given again.
    game.betweenDaysStage = BetweenDaysStage{0};
    frame();
    EXPECT_EQ(static_cast<int>(game.betweenDaysStage), 0);
    EXPECT_EQ(game.customerSatisfaction, 52.0f);
    keys[kEnter] = false;
    frame();

    game.betweenDaysStage = BetweenDaysStage{3};
    press(kEnter);
    EXPECT_EQ(static_cast<int>(game.betweenDaysStage), 2);
}

TEST_F(BetweenDaysFlow, BuyingAtExactlyThePrice)
{
    inShop(1, 125.0f);
    press(kEnter);
    EXPECT_EQ(game.upgradeLevels.drinks, 1);
    EXPECT_EQ(game.totals.funds, 0.0f);
    press(kEnter);  // 180 for the next level: not enough
    EXPECT_EQ(game.upgradeLevels.drinks, 1);
    EXPECT_EQ(game.totals.funds, 0.0f);

    inShop(5, 1000.0f);
    game.upgradeLevels.advertisement = 4;
    press(kEnter);
    EXPECT_EQ(game.upgradeLevels.advertisement, 5);
    EXPECT_EQ(game.totals.funds, 300.0f);
    press(kEnter);  // at the highest level
    EXPECT_EQ(game.upgradeLevels.advertisement, 5);
    EXPECT_EQ(game.totals.funds, 300.0f);

    inShop(2, 159.99f);
    press(kEnter);
    EXPECT_EQ(game.upgradeLevels.burgers, 0);
    inShop(3, 180.0f);
    press(kEnter);
    EXPECT_EQ(game.upgradeLevels.sides, 1);
    EXPECT_EQ(game.totals.funds, 0.0f);
}

TEST_F(BetweenDaysFlow, EnterOnTheBulletinStartsExactlyOneDay)
{
    day.stats.dayNumber = 4;
    day.stats.fastestOrder = 3.5f;
    game.betweenDaysStage = BetweenDaysStage{4};
    day.inGameView = InGameView{2};
    day.framesSinceOrder = 12;
    day.orderCounter = 9;
    day.orderOpen = true;
    day.customerQueue.resize(3);
    queueCookJob(1);
    queueCookJob(6);
    game.dayStartPending = false;

    keys[kEnter] = true;
    for (int i = 0; i < 5; ++i)
        frame();
    keys[kEnter] = false;
    frame();

    EXPECT_EQ(day.stats.dayNumber, 5);
    EXPECT_EQ(day.stats.fastestOrder, 0.0f);
    EXPECT_EQ(static_cast<int>(game.betweenDaysStage), 0);
    EXPECT_FALSE(game.dayOver);
    EXPECT_TRUE(game.dayStartPending);
    EXPECT_EQ(static_cast<int>(day.inGameView), 0);
    EXPECT_TRUE(day.customerQueue.empty());
    EXPECT_EQ(day.framesSinceOrder, 601);
    EXPECT_EQ(day.orderCounter, 0);
    EXPECT_FALSE(day.orderOpen);
    EXPECT_EQ(day.kitchenQueueCount, 0);
    EXPECT_FALSE(day.kitchenQueue[0].active);
    EXPECT_EQ(day.kitchenQueue[1].item, 0);
}
