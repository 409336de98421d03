// Clock arithmetic: seconds of the day and elapsed times.
#include "model/game_clock.h"

#include <gtest/gtest.h>

namespace {

GameClock At(float hours, float minutes, float seconds, bool am)
{
    GameClock c;
    c.hours = hours;
    c.minutes = minutes;
    c.seconds = seconds;
    c.am = am;
    return c;
}

}  // namespace

TEST(GameClock, StartsAtSixInTheMorning)
{
    GameClock c;
    EXPECT_EQ(c.hours, 6.0f);
    EXPECT_EQ(c.minutes, 0.0f);
    EXPECT_EQ(c.seconds, 0.0f);
    EXPECT_TRUE(c.am);
    EXPECT_EQ(secondsOfDay(c), 21600.0f);
}

TEST(GameClock, SecondsOfDayAroundNoon)
{
    EXPECT_EQ(secondsOfDay(At(5, 30, 0, false)), 63000.0f);
    EXPECT_EQ(secondsOfDay(At(12, 15, 0, false)), 44100.0f);  // noon hour: no 12 hours added
    EXPECT_EQ(secondsOfDay(At(11, 45, 0, true)), 42300.0f);
    EXPECT_EQ(secondsOfDay(At(10, 0, 0, false)), 79200.0f);
}

TEST(GameClock, ElapsedTimeSplitsIntoWholeHoursAndMinutes)
{
    GameClock across = elapsedTime(At(12, 15, 0, false), At(11, 45, 0, true));
    EXPECT_EQ(across.hours, 0.0f);
    EXPECT_EQ(across.minutes, 30.0f);
    EXPECT_EQ(across.seconds, 0.0f);
    EXPECT_TRUE(across.am);

    GameClock morning = elapsedTime(At(7, 1, 30, true), At(6, 0, 0, true));
    EXPECT_EQ(morning.hours, 1.0f);
    EXPECT_EQ(morning.minutes, 1.0f);
    EXPECT_EQ(morning.seconds, 30.0f);

    // The service time of an order closed at 9:00 and handed out at 9:20.
    GameClock served = elapsedTime(At(9, 20, 0, true), At(9, 0, 0, true));
    EXPECT_EQ(durationSeconds(served) / 250.0f, 4.8f);
}

TEST(GameClock, ElapsedPartsAddUpToTheDifference)
{
    // Fractional clock readings as the day clock leaves them (steps of 2.775 s).
    GameClock earlier = At(6, 0, 0, true);
    for (int step = 0; step < 3000; step += 7) {
        int hourOfDay = 6 + step % 16;
        GameClock later = At(static_cast<float>(hourOfDay <= 12 ? hourOfDay : hourOfDay - 12),
                             static_cast<float>(step % 60), static_cast<float>(step % 21) * 2.775f,
                             hourOfDay < 12);
        float d = secondsOfDay(later) - secondsOfDay(earlier);
        GameClock e = elapsedTime(later, earlier);
        EXPECT_EQ(durationSeconds(e), d);
        EXPECT_GE(e.minutes, 0.0f);
        EXPECT_LT(e.minutes, 60.0f);
        EXPECT_GE(e.seconds, 0.0f);
        EXPECT_LT(e.seconds, 60.0f);
        EXPECT_EQ(e.hours, static_cast<float>(static_cast<int>(e.hours)));
    }
}
