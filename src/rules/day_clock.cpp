// The day clock, the headset battery and the closing of the drive-thru at 10 pm.
#include "rules/day_clock.h"

#include "model/game_state.h"
#include "model/random.h"
#include "model/sound_events.h"
#include "rules/arrival.h"
#include "model/stats.h"

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
        if (DriveThruClosed(clock))
            QueueSound(SoundEvent::DriveThruClosed);
    }
    if (clock.hours == 12.0f && clock.am)
        clock.am = false;
    if (clock.hours > 12.0f)
        clock.hours -= 12.0f;
}

// What the kitchen still holds at closing is wasted.
void wasteLeftoverJobs()
{
    while (day.kitchenQueueCount > 0) {
        recordItemWasted(day.kitchenQueue[0].item);
        popCookJob();
        day.stats.itemsWasted += 1;
    }
}

}  // namespace

void AdvanceDay()
{
    DayState& g = day;
    float& headsetBattery = game.headsetBattery;
    SpeakerStep(g.registerState, game.customerSatisfaction, g.carsInLine);

    if (!DriveThruClosed(g.gameClock)) {
        const bool fiveMinuteDays = (program.gameOptions & Option::FiveMinuteDays) != 0;
        g.gameClock.seconds += fiveMinuteDays ? 1.55f : 2.775f;
        if (headsetBattery > 0.0f) {
            const float drain = static_cast<float>(rnd(50) + 81);
            headsetBattery -= drain / (fiveMinuteDays ? 100000.0f : 200000.0f);
        } else {
            headsetBattery = 0.0f;
        }
    }
    rollOver(g.gameClock);

    if (DriveThruClosed(g.gameClock) && g.carsInLine == 0) {
        g.registerState = RegisterState::Empty;  // a car still at the speaker is turned away
        wasteLeftoverJobs();
        finishDayStatistics();
        game.dayOver = true;
        QueueSound(SoundEvent::DayOver);
    }
}
