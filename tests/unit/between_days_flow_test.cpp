// Between days: the satisfaction bonus's strict thresholds, and buying in the shop
// with exactly the price, too little, or at the highest level.
#include "support/day_state.h"

namespace {

constexpr int kEnter = 13;

class BetweenDaysFlow : public FreshGame {
protected:
    void SetUp() override
    {
        Reset();
        game.dayOver = true;
    }
    bool keys[256] = {};
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
