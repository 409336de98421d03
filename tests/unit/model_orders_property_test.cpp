// Random sequences of register, kitchen and window operations against a plain model of
// the five slots, checking the receipts' invariants after every step; and a receipt
// destroyed while it is still being keyed.
#include "support/day_state.h"

#include <array>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

struct ModelLine {
    std::string name;
    bool bagged;
};

struct ModelSlot {
    int orderNumber;
    std::vector<ModelLine> lines;
    std::vector<std::string> order;  // the bag's copy of its customer's order
};

// What the five slots should hold, by the rules written plainly.
struct Model {
    std::array<std::optional<ModelSlot>, 5> slots;
    std::optional<int> current;  // slot of the current receipt
    std::vector<std::string> latestOrder;

    void add(const OrderItem& item, int orderCounter)
    {
        if (!current) {
            for (int s = 0; s < 5 && !current; ++s)
                if (!slots[s]) {
                    slots[s] = ModelSlot{orderCounter, {}, latestOrder};
                    current = s;
                }
            if (!current)
                return;
        }
        auto& lines = slots[*current]->lines;
        if (lines.size() < kReceiptLines)
            lines.push_back({item.name, false});
    }
    void destroy(int s)
    {
        slots[s].reset();
        if (current == s)
            current.reset();
    }
    void moveSlot(int from, int to)
    {
        slots[to] = std::move(slots[from]);
        slots[from].reset();
        if (current == from)
            current = to;
    }
    void release(int b)
    {
        destroy(b);
        if (slots[3])
            moveSlot(3, b);
        if (slots[4])
            moveSlot(4, 3);
    }
    void bag(int s, const std::string& name, bool expected)
    {
        for (ModelLine& line : slots[s]->lines)
            if (!line.bagged && line.name == name) {
                line.bagged = true;
                ASSERT_TRUE(expected);
                return;
            }
        ASSERT_FALSE(expected);
    }
};

void ExpectMatchesModel(const Model& model, int step)
{
    SCOPED_TRACE("step " + std::to_string(step));
    for (int s = 0; s < 5; ++s) {
        const Bag& bag = SlotAt(s);
        // A slot is free exactly when it holds no receipt.
        ASSERT_EQ(bag.free, bag.receipt == nullptr) << "slot " << s;
        ASSERT_EQ(bag.receipt != nullptr, model.slots[s].has_value()) << "slot " << s;
        if (!bag.receipt)
            continue;
        const Receipt& r = *bag.receipt;
        const ModelSlot& m = *model.slots[s];
        ASSERT_EQ(r.slot, s);  // the slot field names the slot that holds it
        ASSERT_EQ(r.orderNumber, m.orderNumber);
        ASSERT_EQ(r.count, static_cast<int>(m.lines.size()));
        float sum = 0.0f;
        for (int i = 0; i < r.count; ++i) {
            ASSERT_EQ(std::string(r.lines[i].name), m.lines[i].name) << "line " << i;
            ASSERT_EQ(r.lines[i].bagged, m.lines[i].bagged) << "line " << i;
            sum += r.lines[i].price;
        }
        // The total is kept incrementally, so it may differ from a fresh sum by rounding only.
        ASSERT_NEAR(r.total, sum, 1e-3f);
        ASSERT_EQ(bag.count, static_cast<int>(m.order.size()));
        for (int i = 0; i < bag.count; ++i)
            ASSERT_EQ(std::string(bag.order[i].name), m.order[i]);
        for (int other = 0; other < s; ++other)
            ASSERT_NE(SlotAt(other).receipt.get(), bag.receipt.get());
    }
    ASSERT_EQ(day.currentReceipt, model.current ? SlotAt(*model.current).receipt.get() : nullptr);
}

// A slot holding a receipt, or -1.
int PickHeldSlot(std::mt19937& random)
{
    std::vector<int> held;
    for (int s = 0; s < 5; ++s)
        if (SlotAt(s).receipt)
            held.push_back(s);
    if (held.empty())
        return -1;
    return held[std::uniform_int_distribution<size_t>(0, held.size() - 1)(random)];
}

void RunSequence(unsigned seed, int steps)
{
    game = GameState{}; day = DayState{};
    Model model;
    std::mt19937 random(seed);
    auto chance = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

    for (int step = 0; step < steps; ++step) {
        int op = chance(100);
        if (op < 12) {  // a car answered: new customer, new receipt to come
            Customer c;
            c.number = day.orderCounter;
            c.count = 1 + chance(10);
            model.latestOrder.clear();
            for (int i = 0; i < c.count; ++i) {
                c.order[i] = makeOrderItem(1 + chance(15));
                model.latestOrder.push_back(c.order[i].name);
            }
            day.customerQueue.push_back(c);
            day.orderCounter += 1;
            day.currentReceipt = nullptr;
            model.current.reset();
        } else if (op < 55) {  // an item keyed (now and then one beyond the menu)
            OrderItem item = makeOrderItem(chance(17));
            model.add(item, day.orderCounter);
            addToReceipt(item);
        } else if (op < 65) {  // a hand-out
            int b = chance(3);
            model.release(b);
            releaseBag(b);
        } else if (op < 72) {  // Delete at the register, or of any receipt
            if (chance(2) == 0 && day.currentReceipt) {
                model.destroy(*model.current);
                deleteReceipt(day.currentReceipt);
            } else if (int s = PickHeldSlot(random); s >= 0) {
                model.destroy(s);
                deleteReceipt(SlotAt(s).receipt.get());
            }
        } else if (op < 80) {  // Backspace
            if (int s = PickHeldSlot(random); s >= 0) {
                if (!model.slots[s]->lines.empty())
                    model.slots[s]->lines.pop_back();
                removeLastLine(*SlotAt(s).receipt);
            }
        } else if (op < 98) {  // a finished item dropped into a bag
            if (int s = PickHeldSlot(random); s >= 0) {
                std::string name = makeOrderItem(1 + chance(15)).name;
                bool bagged = bagItemOnReceipt(*SlotAt(s).receipt, name.c_str());
                model.bag(s, name, bagged);
            }
        } else {  // a new day: no slot and no customer left
            for (int s = 0; s < 5; ++s)
                model.destroy(s);
            model.latestOrder.clear();
            clearAllSlots();
            day.customerQueue.clear();
        }
        ExpectMatchesModel(model, step);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

}  // namespace

TEST(OrdersProperty, RandomSequencesKeepEverySlotConsistent)
{
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RunSequence(seed, 400);
        if (HasFatalFailure())
            break;
    }
    game = GameState{}; day = DayState{};
}

class Orders : public FreshGame {};

TEST_F(Orders, ADestroyedReceiptStopsBeingTheCurrentOne)
{
    // Handed out while still being keyed: keying goes on into a new receipt.
    AddCustomer({1});
    const Receipt& r = KeyReceipt({1});
    ASSERT_EQ(r.slot, 0);
    day.currentReceipt = SlotAt(0).receipt.get();
    releaseBag(0);
    EXPECT_EQ(day.currentReceipt, nullptr);
    addToReceipt(makeOrderItem(6));
    ASSERT_NE(day.currentReceipt, nullptr);
    EXPECT_EQ(day.currentReceipt->count, 1);

    deleteReceipt(day.currentReceipt);
    EXPECT_EQ(day.currentReceipt, nullptr);
    EXPECT_TRUE(day.bags[0].free);

    AddCustomer({6});
    day.currentReceipt = &KeyReceipt({6});
    clearAllSlots();
    EXPECT_EQ(day.currentReceipt, nullptr);
}
