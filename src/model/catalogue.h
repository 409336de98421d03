// The fifteen menu items: the one table of names, prices, register keys, first
// days, cook rates, statistics counters, report lines and saved-game order.
#pragma once
#include "model/orders.h"

constexpr int kMenuItemCount = 15;

enum class ItemCategory { Burger, Side, Drink };

// Counter groups of the statistics, in the game's counter order.
namespace Drink { enum { Coke, Pepsi, OrangeSoda, GrapeSoda, RootBeer, Lemonade }; }
namespace Burger { enum { Megaburger, Cheeseburger, Hamburger, FishSandwich, ChickenSandwich }; }
namespace Side { enum { Fries, CheeseSticks, TatorTots, OnionRings }; }

struct MenuItemSpec {
    int number;  // 1..15
    const char* name;
    const char* shortName;
    ItemCategory category;
    float price;  // dollars
    int registerKey;  // virtual-key code of the upper-case letter
    int firstDay;     // on sale from this day number
    float baseCookRate;  // percent of completion per frame
    float cookRateStep;  // added per upgrade level
    int counter;            // index in its category's counter group
    const char* reportKey;  // "coke": its sold count; "coke%" its share
    const char* soldFormat;   // report line of an open "sold" line; the label ends at "%s"
    const char* wasteFormat;  // report line of an open "items wasted" line
    int reportRank;  // place among its category's sold lines in the report
    int savedRank;   // place in its category's line of the saved game (alphabetical)
};

// In item-number order: kMenu[number - 1].
extern const MenuItemSpec kMenu[kMenuItemCount];

// The items of one category, ordered by one of the rank fields.
struct MenuItemList {
    const MenuItemSpec* items[6] = {};
    int count = 0;
    const MenuItemSpec* const* begin() const { return items; }
    const MenuItemSpec* const* end() const { return items + count; }
};
MenuItemList ItemsInOrder(ItemCategory category, int MenuItemSpec::*rank);

// The item of a number 1..15, or nullptr.
const MenuItemSpec* MenuItemOf(int number);
// Burger 1-5, side 6-9, anything else drink.
ItemCategory ItemCategoryOf(int number);
// The line for an item: display name and price, flags clear; empty name and 0 outside 1..15.
OrderItem makeOrderItem(int number);
// "MegaB" for "Megaburger"...; "IHateFrogs" for any other text.
const char* shortName(const char* displayName);
