// The shop's upgrades: their kinds and prices, and the six slots of the shop.
#pragma once
#include "model/game_state.h"
#include "model/pictures.h"

namespace UpgradeKind {
enum { Drinks = 0, Burgers = 1, Sides = 2, Advertisement = 3 };
}

constexpr float kBatteryPrice = 50.0f;

// The price of the next level of an upgrade kind (an UpgradeKind: the shop's
// upgrade slots are the callers) at its current level; 0 once it is at level 5.
float upgradePrice(int kind, const UpgradeLevels& levels);
// The level of an upgrade kind (0..5), to read or to raise.
int& UpgradeLevel(UpgradeLevels& levels, int kind);
int UpgradeLevel(const UpgradeLevels& levels, int kind);

// What a slot of the shop sells: a level of an upgrade, a new battery, or
// nothing (saving and leaving).
enum class ShopOffer { Upgrade, Battery, SaveExit };

// A slot of the shop: its number key (the cursor's value), what it sells, its
// picture and where it and its label stand, and the first line of its
// information.
struct ShopSlot {
    int number;
    ShopOffer offer;
    int upgradeKind;  // for an upgrade
    int picture;
    float x, y;  // scene units
    int labelX, labelY;
    const char* information;
};

// The grid is 1 2 3 over 4 5 6.
constexpr int kShopSlotCount = 6;
constexpr ShopSlot kShopSlots[kShopSlotCount] = {
    {1, ShopOffer::Upgrade, UpgradeKind::Drinks, Picture::UpgradeDrinks, -1.2f, 0.7f, 90, 248,
     "Drinks are made faster."},
    {2, ShopOffer::Upgrade, UpgradeKind::Burgers, Picture::UpgradeDrinks + 1, 0.0f, 0.7f, 263, 248,
     "Burgers are made faster."},
    {3, ShopOffer::Upgrade, UpgradeKind::Sides, Picture::UpgradeDrinks + 2, 1.2f, 0.7f, 436, 248,
     "Side items are made faster."},
    {4, ShopOffer::Battery, -1, Picture::UpgradeDrinks + 3, -1.2f, -0.6f, 90, 60,
     "Purchase to change out headset battery"},
    {5, ShopOffer::Upgrade, UpgradeKind::Advertisement, Picture::UpgradeDrinks + 4, 0.0f, -0.6f, 263, 60,
     "Advertisements draw customers in and raise revenue."},
    {6, ShopOffer::SaveExit, -1, Picture::UpgradeDrinks + 5, 1.2f, -0.6f, 434, 60,
     "Press 'S' to Save current progress"},
};
static_assert([] {
    for (int i = 0; i < kShopSlotCount; ++i)
        if (kShopSlots[i].number != i + 1 || kShopSlots[i].picture != Picture::UpgradeDrinks + i ||
            (kShopSlots[i].offer == ShopOffer::Upgrade) != (kShopSlots[i].upgradeKind >= 0))
            return false;
    return true;
}(), "shop slots are numbered 1-6 in order, each with its own picture, and only upgrades have a kind");

// The slot the cursor is on, or null for a cursor outside 1..6 (a damaged saved game).
const ShopSlot* ShopSlotAt(int cursor);
