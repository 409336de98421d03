// The time of day on a 12-hour dial, also used as a duration.
#pragma once

struct GameClock {
    float hours = 6.0f;    // 1..12
    float minutes = 0.0f;  // 0 up to below 60
    float seconds = 0.0f;  // 0 up to below 60, fractional
    bool am = true;
};

// The drive-thru closes at 10 pm: the clock and the battery stand still.
bool DriveThruClosed(const GameClock& clock);
// hours x 3600 + minutes x 60 + seconds, plus 43,200 after noon (not for 12 pm).
float secondsOfDay(const GameClock& clock);
// later - earlier as a duration: whole hours, whole minutes, fractional seconds; am true.
GameClock elapsedTime(const GameClock& later, const GameClock& earlier);
// hours x 3600 + minutes x 60 + seconds of a duration.
float DurationSeconds(const GameClock& duration);
