// The prices of the shop's upgrades and the levels and slots they go with.
#include "model/upgrades.h"

namespace {

// Price of the next level by kind (drinks, burgers, sides, advertisement) and current level.
constexpr float kPrices[4][5] = {
    {125.00f, 180.00f, 250.00f, 375.00f, 525.00f},
    {160.00f, 215.00f, 280.00f, 400.00f, 550.00f},
    {180.00f, 230.00f, 310.00f, 435.00f, 600.00f},
    {220.00f, 300.00f, 410.00f, 550.00f, 700.00f},
};

}  // namespace

int& UpgradeLevel(UpgradeLevels& levels, int kind)
{
    switch (kind) {
    case UpgradeKind::Drinks: return levels.drinks;
    case UpgradeKind::Burgers: return levels.burgers;
    case UpgradeKind::Sides: return levels.sides;
    default: return levels.advertisement;
    }
}

int UpgradeLevel(const UpgradeLevels& levels, int kind)
{
    return UpgradeLevel(const_cast<UpgradeLevels&>(levels), kind);
}

const ShopSlot* ShopSlotAt(int cursor)
{
    if (cursor < 1 || cursor > kShopSlotCount)
        return nullptr;
    return &kShopSlots[cursor - 1];
}

float upgradePrice(int kind, const UpgradeLevels& levels)
{
    const int level = UpgradeLevel(levels, kind);
    if (level < 0 || level > 4)
        return 0.0f;
    return kPrices[kind][level];
}
