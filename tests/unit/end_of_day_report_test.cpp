// The end-of-day report's rules: the awards' thresholds and money, Enter and Space.
#include "rules/between_days.h"
#include "model/catalogue.h"
#include "model/game_state.h"
#include "model/key_latches.h"
#include "render/draw_log.h"
#include "render/render_state.h"
#include "model/stats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr int kSpace = 32, kEnter = 13, kPageUp = 33, kPageDown = 34, kEnd = 35, kHome = 36,
              kUp = 38, kDown = 40;

// Slots of the collapsible lines.
constexpr int kDayBiggest = 0, kDayDrinks = 2, kDayBurgers = 3, kTotalDrinks = 5,
              kDayWasted = 8, kMostMoney = 12, kQuickResponse = 13,
              kFastHands = 14, kAttention = 15, kFastFeet = 16, kEntrepreneur = 17,
              kDrinkMaster = 18, kBurgerMaster = 19, kSideMaster = 20;

class EndOfDayReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        game = GameState{}; day = DayState{};
        day.stats = DayStats{};
        game.totals = TotalStats{};
        program = ProgramState{};
        keyLatches = 0;
        renderState.useGL = false;
        drawLog.enabled = true;
        game.dayOver = true;
        game.betweenDaysStage = BetweenDaysStage{1};
        // An ordinary day that earns no award.
        day.stats.customerPutOnHold = true;
        day.stats.averageAccuracy = 50.0f;
        day.stats.averageSpeed = 30.0f;
    }
    void TearDown() override
    {
        drawLog.enabled = false;
        drawLog.records.clear();
        keyLatches = 0;
    }

    // One report frame (drawing and cursor keys, then Enter and Space).
    ReportLayout frame()
    {
        drawLog.records.clear();
        ReportLayout layout = DrawEndOfDayReport(program, game, day.stats);
        ReportStep(keys, layout);
        layout.cursorLine = static_cast<int>(program.report.cursorLine);
        return layout;
    }

    void press(int code)
    {
        keys[code] = true;
        frame();
        keys[code] = false;
        frame();
    }

    bool keys[256] = {};
};

}  // namespace

TEST_F(EndOfDayReport, AwardsNeedToPassTheirThresholds)
{
    struct Case {
        int slot;
        void (*atThreshold)();
        void (*pastThreshold)();
        float amount;
    };
    const Case cases[] = {
        {kFastHands, [] { day.stats.ordersServed = 20; }, [] { day.stats.ordersServed = 21; }, 75.0f},
        {kAttention, [] { day.stats.averageAccuracy = 95.0f; },
         [] { day.stats.averageAccuracy = std::nextafter(95.0f, 100.0f); }, 150.0f},
        {kFastFeet, [] { day.stats.averageSpeed = 5.6f; },
         [] { day.stats.averageSpeed = std::nextafter(5.6f, 0.0f); }, 75.0f},
        {kEntrepreneur, [] { day.stats.revenue = 250.0f; }, [] { day.stats.revenue = 250.01f; }, 50.0f},
        {kDrinkMaster, [] { day.stats.drinksSold[Drink::Coke] = 40; },
         [] { day.stats.drinksSold[Drink::Coke] = 41; }, 80.0f},
        {kBurgerMaster, [] { day.stats.burgersSold[Burger::Hamburger] = 30; },
         [] { day.stats.burgersSold[Burger::Hamburger] = 31; }, 100.0f},
        {kSideMaster, [] { day.stats.sidesSold[Side::Fries] = 35; },
         [] { day.stats.sidesSold[Side::Fries] = 36; }, 70.0f},
    };
    for (const Case& c : cases) {
        SetUp();
        c.atThreshold();
        ReportLayout layout = frame();
        EXPECT_EQ(layout.headerLines[c.slot], -1) << c.slot;
        EXPECT_EQ(layout.awardTotal, 0.0f) << c.slot;
        c.pastThreshold();
        layout = frame();
        EXPECT_EQ(layout.headerLines[c.slot], 35) << c.slot;
        EXPECT_EQ(layout.awardTotal, c.amount) << c.slot;
    }
}
