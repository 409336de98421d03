// The upgrades shop screen: six slots with pictures and price labels, the
// funds, and the information lines of the highlighted slot.
#include "screens/between_days_screens.h"

#include "model/upgrades.h"
#include "model/pictures.h"
#include "render/toolkit.h"

namespace {

struct ShopSlot {
    int picture;
    float x, y;    // scene units
    int labelX, labelY;
};

const ShopSlot kSlots[6] = {
    {Picture::UpgradeDrinks, -1.2f, 0.7f, 90, 248},     {Picture::UpgradeDrinks + 1, 0.0f, 0.7f, 263, 248},
    {Picture::UpgradeDrinks + 2, 1.2f, 0.7f, 436, 248}, {Picture::UpgradeDrinks + 3, -1.2f, -0.6f, 90, 60},
    {Picture::UpgradeDrinks + 4, 0.0f, -0.6f, 263, 60}, {Picture::UpgradeDrinks + 5, 1.2f, -0.6f, 434, 60},
};

void priceLabel(const ShopSlot& slot, int number, int kind, const UpgradeLevels& levels)
{
    const float price = upgradePrice(kind, levels);
    if (price == 0.0f)
        PrintFormatted(slot.labelX, slot.labelY, 4, "%d - MAX LEVEL", number);
    else
        PrintFormatted(slot.labelX, slot.labelY, 4, "%d - $%.2f", number, price);
}

void label(int number, const ShopFrame& shop)
{
    const UpgradeLevels& levels = shop.levels;
    const ShopSlot& slot = kSlots[number - 1];
    switch (number) {
    case 1: priceLabel(slot, 1, UpgradeKind::Drinks, levels); break;
    case 2: priceLabel(slot, 2, UpgradeKind::Burgers, levels); break;
    case 3: priceLabel(slot, 3, UpgradeKind::Sides, levels); break;
    case 4:
        if (shop.headsetBattery == 100.0f)
            PrintFormatted(slot.labelX, slot.labelY, 4, "4 - SOLD OUT");
        else
            PrintFormatted(slot.labelX, slot.labelY, 4, "4 - $50.00");
        break;
    case 5: priceLabel(slot, 5, UpgradeKind::Advertisement, levels); break;
    default: PrintFormatted(slot.labelX, slot.labelY, 4, "6 - Save/Exit"); break;
    }
}

void levelLine(int level)
{
    SetColourByName("Cyan");
    PrintFormatted(20, 10, 1, "Current level of upgrade %d/5", level);
}

void informationLines(int number, const ShopFrame& shop)
{
    const UpgradeLevels& levels = shop.levels;
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
        if (shop.headsetBattery < 100.0f) {
            SetColourByName("Cyan");
            PrintFormatted(20, 10, 1, "Power of current battery is %.0f%%", shop.headsetBattery);
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

void DrawUpgradesShop(const ShopFrame& shop)
{
    PrintText(93, 464, "White", 1, "These upgrades will help you out in the game.");
    PrintText(12, 454, "White", 0, "To buy, press the number(or use arrow keys) then press enter.");
    SetColourByName("Green");
    PrintFormatted(225, 430, 4, "Current Funds: $%.2f", shop.funds);
    PrintText(20, 45, "Red", 4, "Info:");

    int cursor = shop.levels.shopCursor;
    if (cursor < 1 || cursor > 6)
        cursor = 1;
    const ShopSlot& highlighted = kSlots[cursor - 1];
    DrawSprite("Gray90", highlighted.picture, highlighted.x, highlighted.y, 1.1f);
    SetColourByName(cursor == 4 ? "Yellow" : "Green");
    label(cursor, shop);
    informationLines(cursor, shop);

    for (const ShopSlot& slot : kSlots)
        DrawSprite("Gray90", slot.picture, slot.x, slot.y, 1.1f);
    SetColourByName("Yellow");
    for (int number = 1; number <= 6; ++number)
        label(number, shop);
}
