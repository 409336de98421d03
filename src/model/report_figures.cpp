// The report's figures: sold counts and category shares by short key, and column padding.
#include "model/game_state.h"
#include "model/stats.h"

#include <cstring>

float reportValue(const char* key, bool ofDay)
{
    if (key == nullptr)
        return 0.0f;
    size_t length = std::strlen(key);
    bool share = length > 0 && key[length - 1] == '%';
    size_t stem = share ? length - 1 : length;
    for (const MenuItemSpec& item : kMenu) {
        if (std::strlen(item.reportKey) != stem || std::strncmp(item.reportKey, key, stem) != 0)
            continue;
        const int32_t count = ofDay ? soldCounter(day.stats, item) : soldCounter(game.totals, item);
        const int32_t total = ofDay ? categorySoldCount(day.stats, item.category)
                                    : categorySoldCount(game.totals, item.category);
        if (!share)
            return static_cast<float>(count);
        // 0 of 0 sold is not a number, n of 0 infinite; the report prints no share then.
        return static_cast<float>(count) / static_cast<float>(total) * 100.0f;
    }
    return 0.0f;
}

const char* alignmentSpaces(const char* key, bool ofDay)
{
    float v = reportValue(key, ofDay);
    if (v >= 100.0f)
        return "";
    if (v >= 10.0f)
        return " ";
    return "  ";
}
