// The end-of-day report's awards: each needs to pass its threshold, and pays its money.
#include "rules/report.h"
#include "support/day_state.h"

#include <cmath>

namespace {

// Slots of the award lines.
constexpr int kFastHands = 14, kAttention = 15, kFastFeet = 16, kEntrepreneur = 17,
              kDrinkMaster = 18, kBurgerMaster = 19, kSideMaster = 20;

class EndOfDayReport : public FreshGame {
protected:
    void SetUp() override
    {
        Reset();
        game.dayOver = true;
        game.betweenDaysStage = BetweenDaysStage::Report;
        // An ordinary day that earns no award.
        day.stats.customerPutOnHold = true;
        day.stats.averageAccuracy = 50.0f;
        day.stats.averageSpeed = 30.0f;
    }
    static ReportLayout frame() { return BuildReport().layout; }
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
