// Between days: the satisfaction bonus's strict thresholds, and buying in the shop
// with exactly the price, too little, or at the highest level.
#include "model/key_codes.h"
#include "support/day_state.h"

namespace {


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
        game.betweenDaysStage = BetweenDaysStage::Shop;
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
    game.customerSatisfaction = satisfaction;
    const float bonus = ComputeSatisfactionBonus();
    satisfaction = game.customerSatisfaction;
    return bonus;
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
    EXPECT_EQ(bonusFor(3, 11, 81.0f, 37.9f, s), 3.0f);  // 5 + 2 + 12 + 20 -> 39
    // The return value is the increase before the cap.
    s = 99.5f;
    EXPECT_EQ(bonusFor(0, 0, 0.0f, 60.0f, s), 2.0f);
    EXPECT_EQ(s, 100.0f);
}

TEST_F(BetweenDaysFlow, BuyingAtExactlyThePriceButNotPastTheHighestLevel)
{
    struct Purchase {
        int cursor, levelBefore;
        float funds;
        int levelAfter;
        float fundsAfter;
    };
    const Purchase purchases[] = {
        {1, 0, 125.0f, 1, 0.0f},     {1, 1, 179.99f, 1, 179.99f}, {2, 0, 159.99f, 0, 159.99f},
        {3, 0, 180.0f, 1, 0.0f},     {5, 4, 1000.0f, 5, 300.0f},  {5, 5, 1000.0f, 5, 1000.0f},
    };
    for (const Purchase& p : purchases) {
        UpgradeLevels& l = game.upgradeLevels;
        int* level[] = {nullptr, &l.drinks, &l.burgers, &l.sides, nullptr, &l.advertisement};
        *level[p.cursor] = p.levelBefore;
        inShop(p.cursor, p.funds);
        press(Key::Enter);
        EXPECT_EQ(*level[p.cursor], p.levelAfter) << p.cursor << " " << p.funds;
        EXPECT_EQ(game.totals.funds, p.fundsAfter) << p.cursor << " " << p.funds;
    }
}
