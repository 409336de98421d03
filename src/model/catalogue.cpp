// The fifteen menu items and the lookups by number and by display name.
#include "model/catalogue.h"

#include <cstring>

const MenuItemSpec kMenu[kMenuItemCount] = {
    {1, "Megaburger", "MegaB", ItemCategory::Burger, 2.50f, 'M', 1, 0.0235f, 0.012f},
    {2, "Cheeseburger", "CheeseB", ItemCategory::Burger, 2.00f, 'C', 1, 0.0335f, 0.015f},
    {3, "Hamburger", "HamB", ItemCategory::Burger, 1.80f, 'H', 1, 0.037f, 0.017f},
    {4, "Fish Sandwich", "FishSand", ItemCategory::Burger, 3.00f, 'I', 5, 0.025f, 0.013f},
    {5, "Chicken Sandwich", "ChiknSand", ItemCategory::Burger, 3.20f, 'E', 8, 0.028f, 0.014f},
    {6, "Fries", "Fries", ItemCategory::Side, 1.50f, 'F', 1, 0.05f, 0.015f},
    {7, "Cheese Sticks", "CSticks", ItemCategory::Side, 2.20f, 'S', 1, 0.0285f, 0.012f},
    {8, "Tator Tots", "TTots", ItemCategory::Side, 1.80f, 'T', 4, 0.042f, 0.014f},
    {9, "Onion Rings", "ORings", ItemCategory::Side, 1.95f, 'N', 7, 0.032f, 0.013f},
    {10, "Coke", "Coke", ItemCategory::Drink, 1.20f, 'K', 1, 0.068f, 0.021f},
    {11, "Grape Soda", "Grape", ItemCategory::Drink, 1.20f, 'G', 1, 0.068f, 0.021f},
    {12, "Orange Soda", "Orange", ItemCategory::Drink, 1.20f, 'O', 1, 0.068f, 0.021f},
    {13, "Pepsi", "Pepsi", ItemCategory::Drink, 1.20f, 'P', 1, 0.068f, 0.021f},
    {14, "Root Beer", "RBeer", ItemCategory::Drink, 1.30f, 'R', 3, 0.063f, 0.02f},
    {15, "Lemonade", "Lemonade", ItemCategory::Drink, 1.50f, 'L', 6, 0.061f, 0.019f},
};

const MenuItemSpec* menuItem(int number)
{
    if (number < 1 || number > kMenuItemCount)
        return nullptr;
    return &kMenu[number - 1];
}

ItemCategory itemCategory(int number)
{
    if (number >= 1 && number <= 5)
        return ItemCategory::Burger;
    if (number >= 6 && number <= 9)
        return ItemCategory::Side;
    return ItemCategory::Drink;
}

OrderItem makeOrderItem(int number)
{
    OrderItem item;
    if (const MenuItemSpec* entry = menuItem(number)) {
        std::strncpy(item.name, entry->name, sizeof item.name - 1);
        item.price = entry->price;
    }
    return item;
}

const char* shortName(const char* displayName)
{
    if (displayName != nullptr)
        for (const MenuItemSpec& entry : kMenu)
            if (std::strcmp(entry.name, displayName) == 0)
                return entry.shortName;
    return "IHateFrogs";
}
