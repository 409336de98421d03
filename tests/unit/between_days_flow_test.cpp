// Between days: the satisfaction bonus's strict thresholds, buying in the shop
// with exactly the price, too little, or at the highest level, and the keys the
// shop, the report and the saving screen act on or ignore.
#include "model/key_codes.h"
#include "rules/day_start.h"
#include "rules/report.h"
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

// Yesterday's kitchen, bags, customers and figures are gone the next morning;
// only the day's number carries over, one higher.
TEST_F(BetweenDaysFlow, ANewDayStartsAfreshButForItsNumber)
{
    AddCustomer({1, 2});
    KeyReceipt({1, 2});
    queueCookJob(1);
    day.customersServed = day.orderCounter = day.framesSinceOrder = day.stats.customers = 1;
    day.orderOpen = true;
    day.inGameView = InGameView::Kitchen;
    day.gameClock = {9.0f, 30.0f, 0.0f, false};
    day.stats.dayNumber = 3;
    day.stats.fastestOrder = 2.0f;
    game.upgradeLevels = {1, 2, 3, 4, 5};
    PrepareNextDay();
    StartDay();
    for (const CookJob& j : day.kitchenQueue)
        EXPECT_FALSE(j.active || j.item);
    for (const Bag& b : day.bags)
        EXPECT_TRUE(b.free && !b.receipt);
    EXPECT_EQ(day.kitchenQueueCount + day.carsInLine + day.customersServed + day.orderCounter +
                  day.stats.customers + static_cast<int>(day.customerQueue.size() + day.stats.fastestOrder), 0);
    EXPECT_FALSE(day.orderOpen || game.dayOver || game.dayStartPending);
    EXPECT_EQ(day.framesSinceOrder, kNoSpokenOrder);
    EXPECT_EQ(day.inGameView, InGameView::Register);
    EXPECT_EQ(day.stats.dayNumber, 4);
    EXPECT_TRUE(day.gameClock.am && day.gameClock.hours == 6.0f);
    for (int i = 0; i < kMenuItemCount; ++i)  // every category at its fastest
        EXPECT_EQ(game.cookRateTable[i], kMenu[i].baseCookRate + kMenu[i].cookRateStep * 5.0f);
    EXPECT_TRUE(game.upgradeLevels.shopCursor == 1 && game.upgradeLevels.advertisement == 4);
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

TEST_F(BetweenDaysFlow, TheShopCursorMovesOnlyByItsKeysAndStaysInTheGrid)
{
    // The slot each key leads to from each slot (1 2 3 over 4 5 6); any other key leaves it.
    auto expected = [](int code, int from) {
        if (code > '0' && code <= '6')
            return code - '0';
        if (code > Key::Keypad0 && code <= Key::Keypad0 + 6)
            return code - Key::Keypad0;
        const int column = (from - 1) % 3;
        if (code == Key::Up && from > 3) return from - 3;
        if (code == Key::Down && from <= 3) return from + 3;
        if (code == Key::Left && column > 0) return from - 1;
        if (code == Key::Right && column < 2) return from + 1;
        return from;
    };
    for (int from = 1; from <= 6; ++from) {
        for (int code = 1; code < 256; ++code) {
            inShop(from, 0.0f);
            press(code);
            ASSERT_EQ(game.upgradeLevels.shopCursor, expected(code, from)) << "key " << code << " on " << from;
            const bool leaves = from == 6 && (code == 'S' || code == 'X');
            EXPECT_EQ(game.betweenDaysStage == BetweenDaysStage::Shop, !leaves) << code;
        }
    }
}

TEST_F(BetweenDaysFlow, TheReportAndTheSavingScreenIgnoreKeysTheyDoNotUse)
{
    for (int code = 1; code < 256; ++code) {
        Reset();
        game.dayOver = true;
        game.betweenDaysStage = BetweenDaysStage::Saving;
        press(code);
        EXPECT_EQ(game.betweenDaysStage == BetweenDaysStage::Saving, code != Key::Enter) << code;

        // The cursor on the report's first line, which cannot open.
        game.betweenDaysStage = BetweenDaysStage::Report;
        keys[code] = true;
        RunBetweenDays(keys);
        keys[code] = false;
        RunBetweenDays(keys);
        const ReportView& view = program.report;
        const bool moves = code == Key::Down || code == Key::PageDown || code == Key::End;
        EXPECT_EQ(view.cursorLine != 0.0f, moves) << code;
        EXPECT_EQ(view.expanded, 0u) << code;
        EXPECT_EQ(game.betweenDaysStage == BetweenDaysStage::Report, code != Key::Enter) << code;
    }
}

TEST_F(BetweenDaysFlow, TheSavingScreensDotsCycleAndStartOverOnEverySave)
{
    // Frames 1-9 one dot, 10-19 two, 20-29 three, 30 none; the confirmation from frame 151.
    for (int frames : {45, 160}) {  // the second save comes while the dots are half-way
        for (int frame = 1; frame <= frames; ++frame) {
            UpdateSavingScreen(frame == 1);
            if (frame <= 150) {
                ASSERT_EQ(game.savingDotTimer, frame % 30) << frames << ", frame " << frame;
            }
            ASSERT_EQ(game.savingFrames, frame);
        }
    }
}
