// A randomized player plays several whole days frame by frame through the
// in-game controller: it answers cars, keys their orders (not always right),
// bags, hands out (sometimes to the wrong car), waves on stuck cars, goes
// through the stages between days and mixes in random keys. Every frame the
// rules that tie receipts, slots, customers and the kitchen together must hold.
#include "rules/between_days.h"
#include "model/screen.h"
#include "rules/hand_out.h"
#include "rules/in_game_controller.h"
#include "model/key_codes.h"
#include "support/day_state.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <random>
#include <sstream>

namespace {


struct Tally {
    int days = 0, served = 0, wrongCars = 0, wavedOn = 0;
};

class Player {
public:
    explicit Player(unsigned seed) : random_(seed) {}

    // The keys held on the next frame.
    std::vector<int> NextKeys()
    {
        if (day.orderOpen && keyedOrder_ != orderId())
            keyOrder();
        if (plan_.empty() && (game.dayOver || static_cast<int>(day.inGameView) <= 2))
            decide();
        if (plan_.empty())
            return {};
        std::vector<int> keys = plan_.front();
        plan_.pop_front();
        return keys;
    }

private:
    std::mt19937 random_;
    std::deque<std::vector<int>> plan_;
    int keyedOrder_ = -1;

    static int orderId() { return day.stats.dayNumber * 1000 + day.orderCounter; }
    bool chance(int percent) { return static_cast<int>(random_() % 100) < percent; }
    void press(std::vector<int> keys)
    {
        plan_.push_back(std::move(keys));
        plan_.push_back({});
    }
    void wait(int frames) { plan_.insert(plan_.end(), frames, std::vector<int>{}); }
    // Arrows towards a view (the same way round with and without slides).
    bool goTo(int view)
    {
        const int v = static_cast<int>(day.inGameView);
        if (v == view)
            return true;
        press({(view == (v + 1) % 3) ? Key::Right : Key::Left});
        return false;
    }
    static int keyOf(const char* name)
    {
        for (const MenuItemSpec& item : kMenu)
            if (std::strcmp(item.name, name) == 0)
                return item.registerKey;
        return 'F';
    }

    void decide()
    {
        const GameState& g = game;
        if (chance(4)) {  // a random key now and then
            static const int noise[] = {Key::Left, Key::Right, Key::Enter, Key::Shift, Key::End, Key::Delete, Key::Backspace, Key::Space, '1', '2', '3', 'M', 'K', 'F', 'H'};
            press({noise[random_() % std::size(noise)]});
            return;
        }
        if (g.dayOver) {
            if (static_cast<int>(g.betweenDaysStage) == 2) {
                press({'6'});
                press({'X'});
            } else {
                press({Key::Enter});
            }
            return;
        }
        if (static_cast<int>(day.registerState) == 1 || static_cast<int>(day.registerState) == 2) {
            if (!goTo(0))
                return;
            if (static_cast<int>(day.registerState) == 1 && chance(5)) {
                press({Key::Shift});  // hold the car for a while
                wait(50);
                return;
            }
            press({Key::Enter});
            return;
        }
        if (CarAtWindowWithoutReceipt() && day.carsInLine > 0) {
            if (goTo(2))
                press({Key::Enter});
            return;
        }
        for (int b = 0; b < kBagCount; ++b) {
            const Bag& bag = day.bags[b];
            const bool due = bag.receipt && bag.receipt->orderNumber - 1 == day.customersServed;
            if (bag.receipt && bagComplete(b) && (due || chance(2))) {
                if (!goTo(1))
                    return;
                press({'1' + b});
                press({Key::Enter});  // picked up: straight to the window
                press({Key::Enter});
                return;
            }
        }
        if (const int item = missingItem(); item != 0 && !day.orderOpen) {
            if (goTo(0))
                press({item});  // keyed again for the kitchen only
            return;
        }
        if (day.kitchenQueueCount > 0 && day.kitchenQueue[0].progress >= 100.0f) {
            if (!goTo(1))
                return;
            press({'1' + bagFor(day.kitchenQueue[0].name.c_str())});
            press({Key::Space});
            return;
        }
        if (static_cast<int>(day.inGameView) != 0 && chance(20)) {
            goTo(0);
            return;
        }
        wait(1 + static_cast<int>(random_() % 60));
    }

    // While the kitchen is idle, the key of an item the due car's receipt still
    // lacks (it went into another bag, or was wasted); 0 when there is none.
    static int missingItem()
    {
        for (int slot = 0; slot < kBagCount + kWaitingSlotCount && day.kitchenQueueCount == 0; ++slot) {
            const Bag& bag = SlotAt(slot);
            if (bag.receipt && bag.receipt->orderNumber - 1 == day.customersServed)
                for (int i = 0; i < bag.receipt->count; ++i)
                    if (!bag.receipt->lines[i].bagged)
                        return keyOf(bag.receipt->lines[i].name);
        }
        return 0;
    }

    // The bag waiting for an item of that name, mostly.
    int bagFor(const char* name)
    {
        if (!chance(90))
            return static_cast<int>(random_() % 3);
        for (int b = 0; b < kBagCount; ++b) {
            const Bag& bag = day.bags[b];
            if (!bag.receipt)
                continue;
            for (int i = 0; i < bag.receipt->count; ++i)
                if (!bag.receipt->lines[i].bagged && std::strcmp(bag.receipt->lines[i].name, name) == 0)
                    return b;
        }
        return 0;
    }

    // Keys the order of the car just answered, with slips, ahead of anything planned.
    void keyOrder()
    {
        keyedOrder_ = orderId();
        std::deque<std::vector<int>> keyed;
        const Customer& c = day.customerQueue.back();
        for (int i = 0; i < c.count; ++i)
            if (!chance(5))  // else forgotten
                keyed.insert(keyed.end(), {{chance(5) ? 'P' : keyOf(c.order[i].name)}, {}});
        for (int key : {Key::Backspace, Key::Delete})  // a stuck car later
            if (chance(4))
                keyed.insert(keyed.end(), {{key}, {}});
        if (chance(92))
            keyed.insert(keyed.end(), {{Key::End}, {}});
        plan_.insert(plan_.begin(), keyed.begin(), keyed.end());
    }
};

void CheckRules(int frame)
{
    const GameState& g = game;
    if (g.dayStartPending)
        return;  // the bulletin has emptied the line; the next frame starts the day
    SCOPED_TRACE("frame " + std::to_string(frame));
    ASSERT_EQ(day.orderCounter, static_cast<int>(day.customerQueue.size()));
    ASSERT_EQ(day.carsInLine, day.orderCounter - day.customersServed);
    ASSERT_GE(day.carsInLine, 0);
    ASSERT_LE(day.carsInLine, 5);
    bool currentHeld = day.currentReceipt == nullptr;
    for (int slot = 0; slot < kBagCount + kWaitingSlotCount; ++slot) {
        const Bag& bag = SlotAt(slot);
        ASSERT_EQ(bag.free, bag.receipt == nullptr) << "slot " << slot;
        if (!bag.receipt)
            continue;
        const Receipt& r = *bag.receipt;
        ASSERT_EQ(r.slot, slot);
        ASSERT_GE(r.count, 0);
        ASSERT_LE(r.count, kReceiptLines);
        float sum = 0.0f;
        for (int i = 0; i < r.count; ++i)
            sum += r.lines[i].price;
        ASSERT_NEAR(r.total, sum, 0.001f);
        ASSERT_GE(r.orderNumber, 1);
        ASSERT_LE(r.orderNumber, day.orderCounter);
        currentHeld = currentHeld || day.currentReceipt == &r;
    }
    ASSERT_TRUE(currentHeld);
    ASSERT_LE(day.kitchenQueueCount, kKitchenQueueCapacity);
    bool unfinished = false;
    for (int i = 0; i < day.kitchenQueueCount; ++i) {
        const CookJob& job = day.kitchenQueue[i];
        ASSERT_TRUE(job.active);
        if (unfinished || i >= 5) {
            ASSERT_EQ(job.progress, 0.0f) << "job " << i;
        }
        unfinished = unfinished || job.progress < 100.0f;
    }
    if (!g.dayOver) {
        ASSERT_EQ(day.stats.orderIndex, day.stats.ordersServed);
    }
}

class PlayedDays : public FreshGame {
protected:
    // Plays the frames with the seed's player, checking the rules every frame.
    void play(unsigned seed, long frames, Tally& tally)
    {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Reset();
        screenState.lower(Screen::Title);
        if (seed % 2 == 0)
            program.gameOptions = Option::FiveMinuteDays;  // and no slides
        Player player(seed);
        bool keys[256] = {};
        const int startDay = day.stats.dayNumber;
        for (long frame = 0; frame < frames; ++frame) {
            std::memset(keys, 0, sizeof keys);
            for (int k : player.NextKeys())
                keys[k] = true;
            const int served = day.customersServed;
            const float satisfaction = game.customerSatisfaction;
            const int wrongBefore = day.framesSinceWrongBag;
            const int ordersBefore = day.stats.ordersServed;
            InGameController(keys);
            CheckRules(static_cast<int>(frame));
            if (HasFailure())
                return;
            if (day.framesSinceWrongBag == 0 && wrongBefore != 0)
                tally.wrongCars += 1;
            if (day.customersServed == served + 1 && day.stats.ordersServed == ordersBefore &&
                !game.dayStartPending && std::abs(satisfaction - game.customerSatisfaction - 5.0f) < 0.01f)
                tally.wavedOn += 1;
        }
        tally.days += day.stats.dayNumber - startDay;
        tally.served += game.totals.ordersServed + day.stats.ordersServed;
    }
};
}  // namespace

// scripts/storms.sh sets QUORVEL_STORM_FRAMES (and QUORVEL_STORM_SEEDS, blank-separated)
// for long runs.
TEST_F(PlayedDays, ARandomizedPlayerPlaysWholeDaysWithinTheRules)
{
    const char* frames = std::getenv("QUORVEL_STORM_FRAMES");
    const char* seeds = std::getenv("QUORVEL_STORM_SEEDS");
    std::istringstream seedList(seeds != nullptr ? seeds : "11 12 13");
    Tally tally;
    for (unsigned seed; seedList >> seed && !HasFailure();)
        play(seed, frames != nullptr ? std::atol(frames) : 100000, tally);
    std::printf("%d days, %d orders served\n", tally.days, tally.served);
    if (frames != nullptr)
        return;
    EXPECT_GE(tally.days, 6);
    EXPECT_GE(tally.served, 50);
    EXPECT_GE(tally.wrongCars, 1);
    EXPECT_GE(tally.wavedOn, 1);
}
