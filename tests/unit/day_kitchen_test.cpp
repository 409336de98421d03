// The kitchen: one job cooks at a time and a full queue takes no more, the bag
// view's keys select, bag, waste and pick up, receipts are listed by short name
// and the strip tells categories apart.
#include "rules/kitchen_control.h"
#include "rules/register_control.h"
#include "model/key_codes.h"
#include "model/sound_events.h"
#include "support/day_state.h"

namespace {

constexpr int kFries = 6, kCoke = 10, kHamburger = 3, kMegaburger = 1;

class Kitchen : public FreshGame {
protected:
    void SetUp() override
    {
        FreshGame::SetUp();
        game.upgradeLevels.burgers = game.upgradeLevels.sides = game.upgradeLevels.drinks = 5;
        recomputeCookRates(game.upgradeLevels);
    }
    bool keys[256] = {};
    static void Cook()
    {
        CookingDisplayTimers();
        CookingSteps();
    }
    void Frame()
    {
        Cook();
        KitchenControl(keys);
    }
    // Cooks until the front job is done.
    static int CookFront()
    {
        int frames = 0;
        for (; day.kitchenQueue[0].progress < 100.0f && frames < 100000; ++frames)
            Cook();
        return frames;
    }
};

}  // namespace

TEST_F(Kitchen, TheNextJobStartsOnTheFrameTheOneBeforeItPassesAHundred)
{
    queueCookJob(kFries);
    queueCookJob(kCoke);
    const int frames = CookFront();
    EXPECT_GT(day.kitchenQueue[0].progress, 99.99f);
    EXPECT_EQ(day.kitchenQueue[1].progress, day.kitchenQueue[1].rate);
    Cook();
    EXPECT_EQ(day.kitchenQueue[0].progress, 100.0f);
    EXPECT_EQ(day.kitchenQueue[1].progress, 2 * day.kitchenQueue[1].rate);
    EXPECT_NEAR(frames, 800, 1);

    game = GameState{}; day = DayState{};
    recomputeCookRates(UpgradeLevels{5, 5, 5, 0, 1});
    queueCookJob(kMegaburger);
    EXPECT_EQ(CookFront(), 1198);
    EXPECT_GT(day.kitchenQueue[0].progress, 100.0f);  // the last step goes past
    Cook();
    EXPECT_EQ(day.kitchenQueue[0].progress, 100.0f);
}

TEST_F(Kitchen, HeldSpaceWarnsWhileCookingAndBagsTheMomentTheJobIsDone)
{
    AddCustomer({kHamburger, kHamburger});
    KeyReceipt({kHamburger, kHamburger});
    for (int i = 0; i < 3; ++i)
        queueCookJob(kHamburger);
    keys['1'] = true;
    Frame();
    keys['1'] = false;
    EXPECT_TRUE(day.bags[0].selected);

    keys[Key::Space] = true;
    Frame();
    EXPECT_TRUE(day.kitchenQueue[0].warning);
    EXPECT_EQ(day.kitchenQueue[0].warningTimer, 0);  // set again on every held frame
    int frames = 0;
    while (day.kitchenQueueCount == 3 && frames++ < 10000)
        Frame();
    EXPECT_TRUE(day.bags[0].receipt->lines[0].bagged);
    Frame();  // still held: one press, one item
    EXPECT_EQ(day.kitchenQueueCount, 2);

    keys[Key::Space] = false;
    Frame();
    for (int i = 0; i < 2; ++i) {
        CookFront();
        keys[Key::Space] = true;
        Frame();
        keys[Key::Space] = false;
        Frame();
    }
    EXPECT_EQ(day.kitchenQueueCount, 0);
    EXPECT_TRUE(bagComplete(0));
    EXPECT_EQ(day.stats.itemsWasted, 1);  // the third Hamburger fits no line
    EXPECT_EQ(day.stats.burgersWasted[Burger::Hamburger], 1);
}

TEST_F(Kitchen, WithoutABagTheItemIsWastedAndAnEmptySelectedBagThrowsItAway)
{
    queueCookJob(kFries);
    queueCookJob(kCoke);
    CookFront();
    keys[Key::Space] = true;
    Frame();
    EXPECT_EQ(day.stats.itemsWasted, 1);
    EXPECT_EQ(day.stats.sidesWasted[Side::Fries], 1);

    keys[Key::Space] = false;
    keys[Key::Keypad0 + 3] = true;
    Frame();
    keys[Key::Keypad0 + 3] = false;
    CookFront();
    keys[Key::Space] = true;
    Frame();
    EXPECT_EQ(day.kitchenQueueCount, 0);
    EXPECT_EQ(day.stats.itemsWasted, 1);
    EXPECT_EQ(day.stats.drinksWasted[Drink::Coke], 0);
    Frame();  // an empty queue: nothing
}

TEST_F(Kitchen, EnterPicksUpOnlyASelectedCompleteBag)
{
    AddCustomer({kFries});
    KeyReceipt({kFries});
    day.inGameView = InGameView::Kitchen;
    day.bags[2].pickedUp = true;
    keys['1'] = keys[Key::Enter] = true;
    Frame();
    EXPECT_FALSE(day.bags[0].pickedUp);
    EXPECT_FALSE(day.bags[2].pickedUp);  // Enter clears every earlier mark
    EXPECT_EQ(static_cast<int>(day.inGameView), 1);
}

TEST_F(Kitchen, AFullQueueIgnoresFurtherItemsAndItemsWithoutAnOrderOnlyCook)
{
    for (int i = 0; i < 60; ++i)
        keyItem(kCoke);
    EXPECT_EQ(day.kitchenQueueCount, 55);
    EXPECT_EQ(day.currentReceipt, nullptr);
    EXPECT_TRUE(day.bags[0].free);
}

TEST_F(Kitchen, OnlyOneToThreeAndTheirKeypadTwinsSelectABag)
{
    for (int code = 1; code < 256; ++code) {
        if (code == Key::Enter || code == Key::Space)
            continue;
        for (Bag& bag : day.bags)
            bag.selected = false;
        day.bags[1].selected = true;
        keys[code] = true;
        KitchenControl(keys);
        keys[code] = false;
        KitchenControl(keys);
        int selected = 1;
        if (code >= '1' && code <= '3')
            selected = code - '1';
        if (code >= Key::Keypad0 + 1 && code <= Key::Keypad0 + 3)
            selected = code - Key::Keypad0 - 1;
        for (int b = 0; b < kBagCount; ++b)
            EXPECT_EQ(day.bags[b].selected, b == selected) << "key " << code << ", bag " << b;
    }
}

TEST_F(Kitchen, ReceiptLinesAreListedByShortName)
{
    const char* const shortNames[] = {"MegaB", "CheeseB", "HamB", "FishSand", "ChiknSand",
                                      "Fries", "CSticks", "TTots", "ORings", "Coke",
                                      "Grape", "Orange", "Pepsi", "RBeer", "Lemonade"};
    for (int item = 1; item <= 15; ++item)
        EXPECT_STREQ(shortName(makeOrderItem(item).name), shortNames[item - 1]) << item;
    for (const char* other : {"", "C ke", "coke", "Fries "})
        EXPECT_STREQ(shortName(other), "IHateFrogs") << other;
}

TEST_F(Kitchen, TheStripColoursBurgersSidesAndDrinksApart)
{
    for (int item = 1; item <= 15; ++item) {
        const ItemCategory expected = item <= 5 ? ItemCategory::Burger
                                      : item <= 9 ? ItemCategory::Side
                                                  : ItemCategory::Drink;
        EXPECT_EQ(ItemCategoryOf(item), expected) << item;
    }
}

TEST_F(Kitchen, SpaceOnAFinishedJobIsNoPrematurePressWhileTheNextCooks)
{
    queueCookJob(kFries);
    queueCookJob(kCoke);
    CookFront();
    keys[Key::Space] = true;
    KitchenControl(keys);
    for (SoundEvent event : soundQueue)
        EXPECT_NE(event, SoundEvent::ItemNotReady);
    EXPECT_EQ(day.kitchenQueueCount, 1);
    EXPECT_FALSE(day.kitchenQueue[0].warning);
}

TEST_F(Kitchen, AFullKitchenTakesNoItemAtTheRegister)
{
    day.orderOpen = true;
    keyItem(kCoke);
    for (int job = 1; job < kKitchenQueueCapacity; ++job)
        queueCookJob(kFries);
    soundQueue.clear();
    keyItem(kMegaburger);
    EXPECT_EQ(day.kitchenQueueCount, kKitchenQueueCapacity);
    EXPECT_EQ(day.bags[0].receipt->count, 1);
    EXPECT_EQ(soundQueue.count, 0);
}
