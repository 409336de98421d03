// Clock arithmetic: seconds of the day and durations between two times.
#include "model/game_clock.h"

#include <cmath>

float secondsOfDay(const GameClock& clock)
{
    float seconds = clock.hours * 3600.0f + clock.minutes * 60.0f + clock.seconds;
    if (!clock.am && clock.hours != 12.0f)
        seconds += 43200.0f;
    return seconds;
}

namespace {

// Splits a non-negative count of seconds into whole units of `unit` and the rest,
// correcting the quotient where the division rounds up to the next whole unit. It
// never rounds below a whole unit the value reaches (whole numbers are exact floats),
// and the rest is then exact, so it is always below `unit`.
float wholeUnits(float value, float unit, float& rest)
{
    float whole = std::floor(value / unit);
    rest = value - whole * unit;
    if (rest < 0.0f) {
        whole -= 1.0f;
        rest += unit;
    }
    return whole;
}

}  // namespace

GameClock elapsedTime(const GameClock& later, const GameClock& earlier)
{
    float d = secondsOfDay(later) - secondsOfDay(earlier);
    GameClock duration;
    duration.am = true;
    if (!std::isfinite(d)) {
        duration.hours = duration.minutes = 0.0f;
        duration.seconds = d;
        return duration;
    }
    // A negative span keeps its sign on every part, so the parts still add up to d.
    float sign = d < 0.0f ? -1.0f : 1.0f;
    float rest = 0.0f;
    float hours = wholeUnits(d * sign, 3600.0f, rest);
    float seconds = 0.0f;
    float minutes = wholeUnits(rest, 60.0f, seconds);
    duration.hours = hours * sign;
    duration.minutes = minutes * sign;
    duration.seconds = seconds * sign;
    return duration;
}

bool DriveThruClosed(const GameClock& clock)
{
    return clock.hours == 10.0f && !clock.am;
}

float DurationSeconds(const GameClock& duration)
{
    return duration.hours * 3600.0f + duration.minutes * 60.0f + duration.seconds;
}
