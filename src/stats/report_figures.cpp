// The report's figures: sold counts and category shares by short key, and column padding.
#include "stats/stats.h"

#include <cstring>

namespace {

enum class Group { Drinks, Burgers, Sides };

struct ReportKey {
    const char* key;  // the plain key; the share key adds "%"
    Group group;
    int index;
};

constexpr ReportKey kReportKeys[] = {
    {"coke", Group::Drinks, Drink::Coke},
    {"pepsi", Group::Drinks, Drink::Pepsi},
    {"orange", Group::Drinks, Drink::OrangeSoda},
    {"grape", Group::Drinks, Drink::GrapeSoda},
    {"rootbeer", Group::Drinks, Drink::RootBeer},
    {"lemonade", Group::Drinks, Drink::Lemonade},
    {"megaburger", Group::Burgers, Burger::Megaburger},
    {"cheeseburger", Group::Burgers, Burger::Cheeseburger},
    {"hamburger", Group::Burgers, Burger::Hamburger},
    {"fish", Group::Burgers, Burger::FishSandwich},
    {"chicken", Group::Burgers, Burger::ChickenSandwich},
    {"fries", Group::Sides, Side::Fries},
    {"csticks", Group::Sides, Side::CheeseSticks},
    {"tatortots", Group::Sides, Side::TatorTots},
    {"onionrings", Group::Sides, Side::OnionRings},
};

// An item's sold counter and its category's sold total, from either record.
template <typename Stats>
void soldFigures(const Stats& s, Group group, int index, int32_t& count, int32_t& total)
{
    switch (group) {
    case Group::Drinks:
        count = s.drinksSold[index];
        total = s.drinksSoldCount();
        break;
    case Group::Burgers:
        count = s.burgersSold[index];
        total = s.burgersSoldCount();
        break;
    case Group::Sides:
        count = s.sidesSold[index];
        total = s.sidesSoldCount();
        break;
    }
}

}  // namespace

float reportValue(const char* key, bool ofDay)
{
    if (key == nullptr)
        return 0.0f;
    size_t length = std::strlen(key);
    bool share = length > 0 && key[length - 1] == '%';
    size_t stem = share ? length - 1 : length;
    for (const ReportKey& entry : kReportKeys) {
        if (std::strlen(entry.key) != stem || std::strncmp(entry.key, key, stem) != 0)
            continue;
        int32_t count = 0;
        int32_t total = 0;
        if (ofDay)
            soldFigures(dayStats, entry.group, entry.index, count, total);
        else
            soldFigures(totalStats, entry.group, entry.index, count, total);
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
