// The fifteen menu items: names, prices, register keys, first days, cook rates.
#pragma once
#include "model/orders.h"

constexpr int kMenuItemCount = 15;

enum class ItemCategory { Burger, Side, Drink };

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
};

// In item-number order: kMenu[number - 1].
extern const MenuItemSpec kMenu[kMenuItemCount];

// The item of a number 1..15, or nullptr.
const MenuItemSpec* menuItem(int number);
// Burger 1-5, side 6-9, anything else drink.
ItemCategory itemCategory(int number);
// The line for an item: display name and price, flags clear; empty name and 0 outside 1..15.
OrderItem makeOrderItem(int number);
// "MegaB" for "Megaburger"...; "IHateFrogs" for any other text.
const char* shortName(const char* displayName);
