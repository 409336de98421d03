// The upgrades shop screen: six slots with pictures and price labels, the
// funds, and the information lines of the highlighted slot.
#include "screens/between_days_screens.h"

#include "model/upgrades.h"
#include "render/toolkit.h"

namespace {

void label(const ShopSlot& slot, const ShopFrame& shop)
{
    switch (slot.offer) {
    case ShopOffer::Upgrade: {
        const float price = upgradePrice(slot.upgradeKind, shop.levels);
        if (price == 0.0f)
            PrintFormatted(slot.labelX, slot.labelY, 4, "%d - MAX LEVEL", slot.number);
        else
            PrintFormatted(slot.labelX, slot.labelY, 4, "%d - $%.2f", slot.number, price);
        break;
    }
    case ShopOffer::Battery:
        if (shop.headsetBattery == 100.0f)
            PrintFormatted(slot.labelX, slot.labelY, 4, "%d - SOLD OUT", slot.number);
        else
            PrintFormatted(slot.labelX, slot.labelY, 4, "%d - $%.2f", slot.number, kBatteryPrice);
        break;
    case ShopOffer::SaveExit: PrintFormatted(slot.labelX, slot.labelY, 4, "%d - Save/Exit", slot.number); break;
    }
}

void informationLines(const ShopSlot& slot, const ShopFrame& shop)
{
    PrintText(20, 25, "Cyan", 1, slot.information);
    switch (slot.offer) {
    case ShopOffer::Upgrade:
        SetColourByName("Cyan");
        PrintFormatted(20, 10, 1, "Current level of upgrade %d/5", UpgradeLevel(shop.levels, slot.upgradeKind));
        break;
    case ShopOffer::Battery:
        if (shop.headsetBattery < 100.0f) {
            SetColourByName("Cyan");
            PrintFormatted(20, 10, 1, "Power of current battery is %.0f%%", shop.headsetBattery);
        } else {
            PrintText(20, 10, "Cyan", 1, "Current battery has MAX power");
        }
        break;
    case ShopOffer::SaveExit: PrintText(20, 10, "Cyan", 1, "Press 'X' to Exit and start a new day"); break;
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

    const ShopSlot* cursorSlot = ShopSlotAt(shop.levels.shopCursor);
    const ShopSlot& highlighted = cursorSlot != nullptr ? *cursorSlot : kShopSlots[0];
    DrawSprite("Gray90", highlighted.picture, highlighted.x, highlighted.y, 1.1f);
    SetColourByName(highlighted.offer == ShopOffer::Battery ? "Yellow" : "Green");
    label(highlighted, shop);
    informationLines(highlighted, shop);

    for (const ShopSlot& slot : kShopSlots)
        DrawSprite("Gray90", slot.picture, slot.x, slot.y, 1.1f);
    SetColourByName("Yellow");
    for (const ShopSlot& slot : kShopSlots)
        label(slot, shop);
}
