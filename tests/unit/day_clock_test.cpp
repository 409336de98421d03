// The day clock, the battery drain and the closing at 10 pm.
#include "rules/day_clock.h"
#include "support/day_state.h"

namespace {

class DayClock : public FreshGame {
protected:
    bool dayOver = false;
    RegisterState registerState = RegisterState::OnHold;  // on hold: the speaker draws nothing
    int carsInLine = 1;
    void Frames(int n)
    {
        for (int i = 0; i < n; ++i)
            AdvanceDay(dayOver, game.headsetBattery, game.customerSatisfaction, registerState, carsInLine);
    }
    static bool ClockIs(float h, float m, bool am)
    {
        const GameClock& c = day.gameClock;
        return c.hours == h && c.minutes == m && c.am == am;
    }
};

}  // namespace

TEST_F(DayClock, FiveMinuteDaysTakeThirtyNineFramesAMinuteAndDrainTwiceAsFast)
{
    program.gameOptions |= Option::FiveMinuteDays;
    Frames(38);
    EXPECT_TRUE(ClockIs(6, 0, true));
    Frames(1);
    EXPECT_TRUE(ClockIs(6, 1, true));
    rngState = 1;
    const float before = game.headsetBattery;
    Frames(1);
    rngState = 1;
    EXPECT_EQ(game.headsetBattery, before - static_cast<float>(rnd(50) + 81) / 100000.0f);
}

TEST_F(DayClock, NoonAndOnePm)
{
    day.gameClock.hours = 11.0f;
    day.gameClock.minutes = 59.0f;
    Frames(22);
    EXPECT_TRUE(ClockIs(12, 0, false));
    day.gameClock.minutes = 59.0f;
    Frames(22);
    EXPECT_TRUE(ClockIs(1, 0, false));
}

TEST_F(DayClock, AnEmptyBatteryStaysAtZeroWithoutDrawing)
{
    game.headsetBattery = -0.0005f;
    Frames(1);
    EXPECT_EQ(game.headsetBattery, 0.0f);
    Frames(5);
    EXPECT_EQ(game.headsetBattery, 0.0f);
    EXPECT_EQ(rngState, 1u);
}

TEST_F(DayClock, AtTenPmTheClockAndBatteryStandUntilTheLastCarIsServed)
{
    day.gameClock = GameClock{9.0f, 59.0f, 58.0f, 0, false};
    Frames(1);
    EXPECT_TRUE(ClockIs(10, 0, false));
    const float battery = game.headsetBattery;
    const uint32_t rng = rngState;
    Frames(500);
    EXPECT_TRUE(ClockIs(10, 0, false));
    EXPECT_EQ(day.gameClock.seconds, 0.0f);
    EXPECT_EQ(game.headsetBattery, battery);
    EXPECT_EQ(rngState, rng);
    EXPECT_FALSE(dayOver);
    EXPECT_EQ(registerState, RegisterState::OnHold);

    queueCookJob(1);
    queueCookJob(12);
    carsInLine = 0;
    Frames(1);
    EXPECT_TRUE(dayOver);
    EXPECT_EQ(registerState, RegisterState::Empty);  // a car at the speaker is turned away
    EXPECT_EQ(day.kitchenQueueCount, 0);
    EXPECT_EQ(day.stats.itemsWasted, 2);
    EXPECT_EQ(day.stats.burgersWasted[Burger::Megaburger], 1);
    EXPECT_EQ(day.stats.drinksWasted[Drink::OrangeSoda], 1);
}
