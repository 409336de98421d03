// The upgrades shop screen: six slots with pictures and price labels, the
// funds, and the information lines of the highlighted slot; the upgrade prices.
#include "shop/upgrades_shop.h"

#include "model/game_state.h"
#include "render/toolkit.h"
#include "stats/stats.h"

namespace {

// Price of the next level by kind (drinks, burgers, sides, advertisement) and current level.
constexpr float kPrices[4][5] = {
    {125.00f, 180.00f, 250.00f, 375.00f, 525.00f},
    {160.00f, 215.00f, 280.00f, 400.00f, 550.00f},
    {180.00f, 230.00f, 310.00f, 435.00f, 600.00f},
    {220.00f, 300.00f, 410.00f, 550.00f, 700.00f},
};

struct ShopSlot {
    int picture;
    float x, y;    // scene units
    int labelX, labelY;
};

const ShopSlot kSlots[6] = {
    {60, -1.2f, 0.7f, 90, 248},  {61, 0.0f, 0.7f, 263, 248},  {62, 1.2f, 0.7f, 436, 248},
    {63, -1.2f, -0.6f, 90, 60},  {64, 0.0f, -0.6f, 263, 60},  {65, 1.2f, -0.6f, 434, 60},
};

int levelOf(int kind)
{
    const UpgradeLevels& levels = game.upgradeLevels;
    switch (kind) {
    case UpgradeKind::Drinks: return levels.drinks;
    case UpgradeKind::Burgers: return levels.burgers;
    case UpgradeKind::Sides: return levels.sides;
    case UpgradeKind::Advertisement: return levels.advertisement;
    default: return 5;
    }
}

void priceLabel(const ShopSlot& slot, int number, int kind)
{
    const float price = upgradePrice(kind);
    if (price == 0.0f)
        PrintFormatted(slot.labelX, slot.labelY, 4, "%d - MAX LEVEL", number);
    else
        PrintFormatted(slot.labelX, slot.labelY, 4, "%d - $%.2f", number, price);
}

void label(int number, float headsetBattery)
{
    const ShopSlot& slot = kSlots[number - 1];
    switch (number) {
    case 1: priceLabel(slot, 1, UpgradeKind::Drinks); break;
    case 2: priceLabel(slot, 2, UpgradeKind::Burgers); break;
    case 3: priceLabel(slot, 3, UpgradeKind::Sides); break;
    case 4:
        if (headsetBattery == 100.0f)
            PrintFormatted(slot.labelX, slot.labelY, 4, "4 - SOLD OUT");
        else
            PrintFormatted(slot.labelX, slot.labelY, 4, "4 - $50.00");
        break;
    case 5: priceLabel(slot, 5, UpgradeKind::Advertisement); break;
    default: PrintFormatted(slot.labelX, slot.labelY, 4, "6 - Save/Exit"); break;
    }
}

void levelLine(int level)
{
    SetColourByName("Cyan");
    PrintFormatted(20, 10, 1, "Current level of upgrade %d/5", level);
}

void informationLines(int number, float headsetBattery)
{
    const UpgradeLevels& levels = game.upgradeLevels;
    switch (number) {
    case 1:
        PrintText(20, 25, "Cyan", 1, "Drinks are made faster.");
        levelLine(levels.drinks);
        break;
    case 2:
        PrintText(20, 25, "Cyan", 1, "Burgers are made faster.");
        levelLine(levels.burgers);
        break;
    case 3:
        PrintText(20, 25, "Cyan", 1, "Side items are made faster.");
        levelLine(levels.sides);
        break;
    case 4:
        PrintText(20, 25, "Cyan", 1, "Purchase to change out headset battery");
        if (headsetBattery < 100.0f) {
            SetColourByName("Cyan");
            PrintFormatted(20, 10, 1, "Power of current battery is %.0f%%", headsetBattery);
        } else {
            PrintText(20, 10, "Cyan", 1, "Current battery has MAX power");
        }
        break;
    case 5:
        PrintText(20, 25, "Cyan", 1, "Advertisements draw customers in and raise revenue.");
        levelLine(levels.advertisement);
        break;
    default:
        PrintText(20, 25, "Cyan", 1, "Press 'S' to Save current progress");
        PrintText(20, 10, "Cyan", 1, "Press 'X' to Exit and start a new day");
        break;
    }
}

}  // namespace

float upgradePrice(int kind)
{
    if (kind < 0 || kind > 3)
        return 0.0f;
    const int level = levelOf(kind);
    if (level < 0 || level > 4)
        return 0.0f;
    return kPrices[kind][level];
}

void DrawUpgradesShop(float headsetBattery)
{
    PrintText(93, 464, "White", 1, "These upgrades will help you out in the game.");
    PrintText(12, 454, "White", 0, "To buy, press the number(or use arrow keys) then press enter.");
    SetColourByName("Green");
    PrintFormatted(225, 430, 4, "Current Funds: $%.2f", totalStats.funds);
    PrintText(20, 45, "Red", 4, "Info:");

    int cursor = game.upgradeLevels.shopCursor;
    if (cursor < 1 || cursor > 6)
        cursor = 1;
    const ShopSlot& highlighted = kSlots[cursor - 1];
    DrawSprite("Gray90", highlighted.picture, highlighted.x, highlighted.y, 1.1f);
    SetColourByName(cursor == 4 ? "Yellow" : "Green");
    label(cursor, headsetBattery);
    informationLines(cursor, headsetBattery);

    for (const ShopSlot& slot : kSlots)
        DrawSprite("Gray90", slot.picture, slot.x, slot.y, 1.1f);
    SetColourByName("Yellow");
    for (int number = 1; number <= 6; ++number)
        label(number, headsetBattery);
}
