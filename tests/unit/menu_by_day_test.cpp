// The menu of each day as the player meets it: what customers order, how often
// each item comes up, and which item keys the register takes.
#include "model/key_codes.h"
#include "rules/arrival.h"
#include "rules/register_control.h"
#include "support/day_state.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace {

// The six items that come later, on the days the district manager announces them.
const std::map<std::string, int> kNewItems = {{"Root Beer", 3}, {"Tator Tots", 4}, {"Fish Sandwich", 5},
                                              {"Lemonade", 6}, {"Onion Rings", 7}, {"Chicken Sandwich", 8}};
const char* const kItems[] = {"Megaburger", "Cheeseburger", "Hamburger", "Fish Sandwich",
                              "Chicken Sandwich", "Fries", "Cheese Sticks", "Tator Tots",
                              "Onion Rings", "Coke", "Grape Soda", "Orange Soda", "Pepsi",
                              "Root Beer", "Lemonade"};

std::set<std::string> MenuOfDay(int dayNumber)
{
    std::set<std::string> menu;
    for (const char* name : kItems)
        if (!kNewItems.contains(name) || kNewItems.at(name) <= dayNumber)
            menu.insert(name);
    return menu;
}

using MenuByDay = FreshGame;

}  // namespace

TEST_F(MenuByDay, CustomersOrderExactlyTheDaysMenu)
{
    for (int dayNumber = 1; dayNumber <= 12; ++dayNumber) {
        for (uint32_t seed : {7u, 1207u, 99991u}) {
            rngState = seed * 31u + static_cast<uint32_t>(dayNumber);
            day.stats.dayNumber = dayNumber;
            std::set<std::string> ordered;
            for (int i = 0; i < 300; ++i) {
                takeOrder(100.0f);
                const Customer& c = day.customerQueue.back();
                for (int line = 0; line < c.count; ++line)
                    ordered.insert(c.order[line].name);
            }
            EXPECT_EQ(ordered, MenuOfDay(dayNumber)) << "day " << dayNumber << ", seed " << seed;
        }
    }
}

TEST_F(MenuByDay, EachItemIsOrderedAtItsShareOfTheDay)
{
    // Percent of the orders, by item (above) and by day: 1-2, 3, 4, 5, 6, 7, 8, 9, 10 on.
    const int shares[15][9] = {
        {5, 4, 4, 3, 3, 3, 3, 3, 4},     {10, 8, 7, 5, 4, 4, 4, 5, 5},   {15, 13, 12, 7, 6, 6, 5, 6, 6},
        {0, 0, 0, 9, 7, 6, 4, 4, 4},     {0, 0, 0, 0, 0, 0, 6, 5, 4},    {25, 13, 8, 11, 10, 9, 9, 9, 9},
        {5, 7, 6, 7, 6, 5, 6, 6, 6},     {0, 0, 11, 8, 6, 6, 6, 7, 7},   {0, 0, 0, 0, 0, 11, 9, 7, 7},
        {10, 10, 10, 10, 9, 8, 8, 8, 8}, {10, 10, 10, 10, 9, 8, 8, 8, 8}, {10, 10, 10, 10, 9, 8, 8, 8, 8},
        {10, 10, 10, 10, 9, 8, 8, 8, 8}, {0, 15, 12, 10, 9, 8, 8, 8, 8}, {0, 0, 0, 0, 13, 10, 8, 8, 8},
    };
    // The generator state from which rnd(100) + 1 is each of 1..100: every draw once.
    uint32_t before[101] = {};
    for (uint32_t state = 1, found = 0; found < 100; ++state) {
        rngState = state;
        uint32_t& slot = before[rnd(100) + 1];
        if (slot == 0) {
            slot = state;
            ++found;
        }
    }
    for (int dayNumber = 1; dayNumber <= 11; ++dayNumber) {
        day.stats.dayNumber = dayNumber;
        std::map<std::string, int> counts;
        for (int draw = 1; draw <= 100; ++draw) {
            rngState = before[draw];
            counts[randomOrderItem(100.0f).name] += 1;
        }
        const int column = dayNumber <= 2 ? 0 : std::min(dayNumber - 2, 8);
        for (int item = 0; item < 15; ++item)
            EXPECT_EQ(counts[kItems[item]], shares[item][column]) << kItems[item] << ", day " << dayNumber;
    }
}

TEST_F(MenuByDay, TheRegisterTakesTheKeysOfTheDaysMenuOnly)
{
    const std::map<char, std::string> itemOfKey = {
        {'M', "Megaburger"}, {'C', "Cheeseburger"}, {'H', "Hamburger"}, {'I', "Fish Sandwich"},
        {'E', "Chicken Sandwich"}, {'F', "Fries"}, {'S', "Cheese Sticks"}, {'T', "Tator Tots"},
        {'N', "Onion Rings"}, {'K', "Coke"}, {'G', "Grape Soda"}, {'O', "Orange Soda"},
        {'P', "Pepsi"}, {'R', "Root Beer"}, {'L', "Lemonade"}};
    bool keys[256] = {};
    for (int dayNumber : {1, 2, 3, 4, 5, 6, 7, 8, 12}) {
        day.stats.dayNumber = dayNumber;
        std::set<std::string> keyed;
        for (int code = 1; code < 256; ++code) {
            day.kitchenQueueCount = 0;
            keys[code] = true;
            RegisterKeys(keys);
            keys[code] = false;
            RegisterKeys(keys);
            if (day.kitchenQueueCount == 0)
                continue;
            ASSERT_EQ(day.kitchenQueueCount, 1) << code;
            ASSERT_TRUE(itemOfKey.contains(static_cast<char>(code))) << code;
            EXPECT_EQ(day.kitchenQueue[0].name, itemOfKey.at(static_cast<char>(code)));
            keyed.insert(day.kitchenQueue[0].name);
        }
        EXPECT_EQ(keyed, MenuOfDay(dayNumber)) << "day " << dayNumber;
    }
}
