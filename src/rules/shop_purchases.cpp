// The upgrades shop's keys: the cursor over the six slots, buying the
// highlighted one, and leaving to save or to the bulletin.
#include "rules/between_days.h"

#include "model/key_codes.h"
#include "model/key_latches.h"
#include "model/sound_events.h"
#include "model/upgrades.h"

namespace {

// Digits 1-6 on the main row, then on the keypad. A digit and its keypad twin
// are one key to the latch, so holding both counts as one press.
void shopDigitKeys(const bool* keys, int& cursor)
{
    bool pressed[kShopSlotCount + 1] = {};
    for (int d = 1; d <= kShopSlotCount; ++d) {
        const uint64_t bit = Latch::FirstShopDigit << (d - 1);
        const bool down = keys['0' + d] || keys[Key::Keypad0 + d];
        if (!down) {
            keyLatches &= ~bit;
        } else if (!(keyLatches & bit)) {
            keyLatches |= bit;
            pressed[d] = true;
        }
    }
    for (int d = 1; d <= kShopSlotCount; ++d)
        if (pressed[d] && keys['0' + d])
            cursor = d;
    for (int d = 1; d <= kShopSlotCount; ++d)
        if (pressed[d] && keys[Key::Keypad0 + d])
            cursor = d;
}

// The grid is 1 2 3 over 4 5 6, without wrapping.
void shopArrowKeys(const bool* keys, int& cursor)
{
    if (KeyPressedOnce(keys, Key::Up, Latch::Up) && cursor >= 4)
        cursor -= 3;
    if (KeyPressedOnce(keys, Key::Down, Latch::Down) && cursor <= 3)
        cursor += 3;
    if (KeyPressedOnce(keys, Key::Left, Latch::Left) && cursor != 1 && cursor != 4)
        cursor -= 1;
    if (KeyPressedOnce(keys, Key::Right, Latch::Right) && cursor != 3 && cursor != 6)
        cursor += 1;
}

bool buyLevel(int kind)
{
    int& level = UpgradeLevel(game.upgradeLevels, kind);
    const float price = upgradePrice(kind, game.upgradeLevels);
    if (level < 5 && price <= game.totals.funds) {
        game.totals.funds = game.totals.funds - price;
        level += 1;
        return true;
    }
    return false;
}

bool buyBattery()
{
    if (game.headsetBattery < 100.0f && game.totals.funds >= kBatteryPrice) {
        game.headsetBattery = 100.0f;
        game.totals.funds = game.totals.funds - kBatteryPrice;
        return true;
    }
    return false;
}

bool onSaveExit(int cursor)
{
    const ShopSlot* slot = ShopSlotAt(cursor);
    return slot != nullptr && slot->offer == ShopOffer::SaveExit;
}

// Whether the highlighted slot was bought; the Save/Exit slot sells nothing.
bool buyHighlightedSlot()
{
    const ShopSlot* slot = ShopSlotAt(game.upgradeLevels.shopCursor);
    if (slot == nullptr)
        return false;
    switch (slot->offer) {
    case ShopOffer::Upgrade: return buyLevel(slot->upgradeKind);
    case ShopOffer::Battery: return buyBattery();
    case ShopOffer::SaveExit: break;
    }
    return false;
}

}  // namespace

void ShopKeys(const bool* keys)
{
    int& cursor = game.upgradeLevels.shopCursor;
    const int cursorBefore = cursor;
    shopDigitKeys(keys, cursor);
    shopArrowKeys(keys, cursor);
    if (cursor != cursorBefore)
        QueueSound(SoundEvent::ShopCursorMoved);
    // Enter uses up its press whether or not it buys.
    if (KeyPressedOnce(keys, Key::Enter, Latch::Enter)) {
        const bool bought = buyHighlightedSlot();
        if (!onSaveExit(cursor))
            QueueSound(bought ? SoundEvent::Purchase : SoundEvent::PurchaseRefused);
    }
    // Only looked at on the Save/Exit slot: a press made elsewhere acts once the
    // cursor arrives there while the key is still held.
    if (onSaveExit(cursor)) {
        if (KeyPressedOnce(keys, 'S', Latch::ShopS)) {
            game.saveRequested = true;
            game.betweenDaysStage = BetweenDaysStage::Saving;
        }
        if (KeyPressedOnce(keys, 'X', Latch::ShopX)) {
            game.betweenDaysStage = BetweenDaysStage::Bulletin;
            QueueSound(SoundEvent::Bulletin);
        }
    }
}
