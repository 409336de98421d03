// JSON values in the replay tool's format: floats in the shortest form that
// reads back to the same 32-bit float; not-a-number and infinities as strings.
#pragma once
#include <nlohmann/json.hpp>

struct GameClock;

nlohmann::json JsonFloat(float value);
nlohmann::json JsonColour(const float rgba[4]);
// A clock: {"hours", "minutes", "seconds", "am"}.
nlohmann::json JsonClock(const GameClock& clock);
