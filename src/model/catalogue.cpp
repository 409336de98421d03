// The fifteen menu items, their orders and the lookups by number and by display name.
#include "model/catalogue.h"

#include <cstring>

const MenuItemSpec kMenu[kMenuItemCount] = {
    {1, "Megaburger", "MegaB", ItemCategory::Burger, 2.50f, 'M', 1, 0.0235f, 0.012f,
     Burger::Megaburger, "megaburger", "Megaburger:    %s%d %s%.1f%%", "megaburgers:   %3d", 0, 4},
    {2, "Cheeseburger", "CheeseB", ItemCategory::Burger, 2.00f, 'C', 1, 0.0335f, 0.015f,
     Burger::Cheeseburger, "cheeseburger", "Cheeseburger:  %s%d %s%.1f%%", "cheeseburger:  %3d", 1, 0},
    {3, "Hamburger", "HamB", ItemCategory::Burger, 1.80f, 'H', 1, 0.037f, 0.017f,
     Burger::Hamburger, "hamburger", "Hamburger:     %s%d %s%.1f%%", "hamburger:     %3d", 2, 3},
    {4, "Fish Sandwich", "FishSand", ItemCategory::Burger, 3.00f, 'I', 5, 0.025f, 0.013f,
     Burger::FishSandwich, "fish", "Fish Sandwich: %s%d %s%.2f%%", "fishsand:      %3d", 3, 2},
    {5, "Chicken Sandwich", "ChiknSand", ItemCategory::Burger, 3.20f, 'E', 8, 0.028f, 0.014f,
     Burger::ChickenSandwich, "chicken", "Chicken Sandwich: %s%d %s%.2f%%", "chickensand:   %3d", 4, 1},
    {6, "Fries", "Fries", ItemCategory::Side, 1.50f, 'F', 1, 0.05f, 0.015f,
     Side::Fries, "fries", "Fries:         %s%d %s%.1f%%", "fries:         %3d", 0, 1},
    {7, "Cheese Sticks", "CSticks", ItemCategory::Side, 2.20f, 'S', 1, 0.0285f, 0.012f,
     Side::CheeseSticks, "csticks", "Cheese Sticks: %s%d %s%.1f%%", "cheese sticks: %3d", 1, 0},
    {8, "Tator Tots", "TTots", ItemCategory::Side, 1.80f, 'T', 4, 0.042f, 0.014f,
     Side::TatorTots, "tatortots", "Tator Tots:    %s%d %s%.2f%%", "tator tots:    %3d", 2, 3},
    {9, "Onion Rings", "ORings", ItemCategory::Side, 1.95f, 'N', 7, 0.032f, 0.013f,
     Side::OnionRings, "onionrings", "Onion Rings:   %s%d %s%.2f%%", "onion rings:   %3d", 3, 2},
    {10, "Coke", "Coke", ItemCategory::Drink, 1.20f, 'K', 1, 0.068f, 0.021f,
     Drink::Coke, "coke", "Coke:        %s%d %s%.1f%%", "coke:          %3d", 0, 0},
    {11, "Grape Soda", "Grape", ItemCategory::Drink, 1.20f, 'G', 1, 0.068f, 0.021f,
     Drink::GrapeSoda, "grape", "Grape Soda:  %s%d %s%.1f%%", "grape soda:    %3d", 2, 1},
    {12, "Orange Soda", "Orange", ItemCategory::Drink, 1.20f, 'O', 1, 0.068f, 0.021f,
     Drink::OrangeSoda, "orange", "Orange Soda: %s%d %s%.1f%%", "orange soda:   %3d", 3, 3},
    {13, "Pepsi", "Pepsi", ItemCategory::Drink, 1.20f, 'P', 1, 0.068f, 0.021f,
     Drink::Pepsi, "pepsi", "Pepsi:       %s%d %s%.1f%%", "pepsi:         %3d", 1, 4},
    {14, "Root Beer", "RBeer", ItemCategory::Drink, 1.30f, 'R', 3, 0.063f, 0.02f,
     Drink::RootBeer, "rootbeer", "Root Beer:   %s%d %s%.2f%%", "rootbeer:      %3d", 4, 5},
    {15, "Lemonade", "Lemonade", ItemCategory::Drink, 1.50f, 'L', 6, 0.061f, 0.019f,
     Drink::Lemonade, "lemonade", "Lemonade:    %s%d %s%.2f%%", "lemonade:      %3d", 5, 2},
};

MenuItemList ItemsInOrder(ItemCategory category, int MenuItemSpec::*rank)
{
    MenuItemList list;
    for (int place = 0; place < kMenuItemCount; ++place)
        for (const MenuItemSpec& entry : kMenu)
            if (entry.category == category && entry.*rank == place)
                list.items[list.count++] = &entry;
    return list;
}

const MenuItemSpec* MenuItemOf(int number)
{
    if (number < 1 || number > kMenuItemCount)
        return nullptr;
    return &kMenu[number - 1];
}

ItemCategory ItemCategoryOf(int number)
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
    if (const MenuItemSpec* entry = MenuItemOf(number)) {
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
