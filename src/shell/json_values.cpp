// JSON values in the replay tool's format.
#include "shell/json_values.h"

#include "model/float_chars.h"
#include "model/game_clock.h"

#include <cmath>
#include <cstdlib>

nlohmann::json JsonFloat(float value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    // The shortest decimal that reads back to this float; as a double it prints
    // with the same digits.
    char text[64];
    auto result = FloatToChars(text, text + sizeof text - 1, value);
    *result.ptr = '\0';
    double shortest = std::strtod(text, nullptr);
    // Whole values print without a fraction ("100", not "100.0"): that is their shortest form.
    if (shortest == std::floor(shortest) && std::fabs(shortest) < 9.0e15 &&
        !(shortest == 0.0 && std::signbit(shortest)))
        return static_cast<long long>(shortest);
    return shortest;
}

nlohmann::json JsonColour(const float rgba[4])
{
    return nlohmann::json::array({JsonFloat(rgba[0]), JsonFloat(rgba[1]), JsonFloat(rgba[2]),
                                  JsonFloat(rgba[3])});
}

nlohmann::json JsonClock(const GameClock& clock)
{
    return {{"hours", JsonFloat(clock.hours)},
            {"minutes", JsonFloat(clock.minutes)},
            {"seconds", JsonFloat(clock.seconds)},
            {"am", clock.am}};
}
