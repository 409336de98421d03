// The day clock, the headset battery and the closing of the drive-thru at 10 pm.
#include "sim/day_clock.h"

#include "model/game_state.h"
#include "model/random.h"
#include "sim/arrival.h"
#include "stats/stats.h"

namespace {

void rollOver(GameClock& clock)
{
    if (clock.seconds >= 60.0f) {
        clock.minutes += 1.0f;
        clock.seconds = 0.0f;  // any excess over 60 is dropped
    }
    if (clock.minutes >= 60.0f) {
        clock.hours += 1.0f;
        clock.minutes = 0.0f;
    }
    if (clock.hours == 12.0f && clock.am)
        clock.am = false;
    if (clock.hours > 12.0f)
        clock.hours -= 12.0f;
}

}  // namespace

bool driveThruClosed(const GameClock& clock)
{
    return clock.hours == 10.0f && !clock.am;
}

void AdvanceDay(bool& dayOver, float& headsetBattery, float& customerSatisfaction,
                int& registerState, int carsInLine)
{
    GameState& g = game;
    speakerStep(registerState, customerSatisfaction, carsInLine);

    if (!driveThruClosed(g.gameClock)) {
        const bool fiveMinuteDays = (g.gameOptions & Option::FiveMinuteDays) != 0;
        g.gameClock.seconds += fiveMinuteDays ? 1.55f : 2.775f;
        if (headsetBattery > 0.0f) {
            const float drain = static_cast<float>(rnd(50) + 81);
            headsetBattery -= drain / (fiveMinuteDays ? 100000.0f : 200000.0f);
        } else {
            headsetBattery = 0.0f;
        }
    }
    rollOver(g.gameClock);

    if (driveThruClosed(g.gameClock) && carsInLine == 0) {
        registerState = 0;  // a car still at the speaker is turned away
        finishDayStatistics();
        dayOver = true;
    }
}
