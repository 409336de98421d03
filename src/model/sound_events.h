// The sounds a frame asks for: rule code appends events, the shell plays them after the frame.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// Everything the player can hear happen. Sound never feeds back into the game.
enum class SoundEvent : uint8_t {
    CarAtSpeaker,       // the speaker alert comes on
    OrderAnswered,      // Enter takes the car's order
    ItemKeyed,          // an item key at the register
    LineRemoved,        // Backspace takes the last receipt line off
    ReceiptDeleted,     // Delete throws the receipt away
    CarOnHold,          // Shift puts the car on hold
    OrderClosed,        // End closes the order
    ItemCooked,         // a kitchen job reaches 100
    ItemNotReady,       // Space on an unfinished job: the red box
    BagPicked,          // 1, 2 or 3 picks a bag in the kitchen
    ItemBagged,         // a finished item goes into the selected bag
    ItemNotOnReceipt,   // Space on an item the selected bag's receipt does not hold: wasted
    BagReady,           // the bag's last line is packed
    BagToWindow,        // Enter carries a complete bag to the window
    CustomerHappy,      // a right hand-out
    CustomerDelighted,  // a right hand-out that was accurate and fast
    WrongBag,           // the bag belongs to another car: the red flash
    CarWavedOn,         // a car with no receipt is sent on
    DriveThruClosed,    // the clock reaches 10 pm
    DayOver,            // the day has closed
    ReportLineToggled,  // a report line opened or closed
    ShopCursorMoved,
    Purchase,
    PurchaseRefused,
    GameSaved,
    SaveFailed,
    Bulletin,           // the district manager's memo comes up
    MenuChoice,         // a choice on the title menu, or back to it
    OptionToggled,
    ClosingTick,        // the closing screen counts on
};

struct SoundInfo {
    SoundEvent event;
    const char* name;  // in replay output, and the file Sounds/NAME.wav
};

// One row per event, in the order of the enum.
inline constexpr std::array<SoundInfo, 30> soundTable = {{
    {SoundEvent::CarAtSpeaker, "carAtSpeaker"},
    {SoundEvent::OrderAnswered, "orderAnswered"},
    {SoundEvent::ItemKeyed, "itemKeyed"},
    {SoundEvent::LineRemoved, "lineRemoved"},
    {SoundEvent::ReceiptDeleted, "receiptDeleted"},
    {SoundEvent::CarOnHold, "carOnHold"},
    {SoundEvent::OrderClosed, "orderClosed"},
    {SoundEvent::ItemCooked, "itemCooked"},
    {SoundEvent::ItemNotReady, "itemNotReady"},
    {SoundEvent::BagPicked, "bagPicked"},
    {SoundEvent::ItemBagged, "itemBagged"},
    {SoundEvent::ItemNotOnReceipt, "itemNotOnReceipt"},
    {SoundEvent::BagReady, "bagReady"},
    {SoundEvent::BagToWindow, "bagToWindow"},
    {SoundEvent::CustomerHappy, "customerHappy"},
    {SoundEvent::CustomerDelighted, "customerDelighted"},
    {SoundEvent::WrongBag, "wrongBag"},
    {SoundEvent::CarWavedOn, "carWavedOn"},
    {SoundEvent::DriveThruClosed, "DriveThruClosed"},
    {SoundEvent::DayOver, "dayOver"},
    {SoundEvent::ReportLineToggled, "reportLineToggled"},
    {SoundEvent::ShopCursorMoved, "shopCursorMoved"},
    {SoundEvent::Purchase, "purchase"},
    {SoundEvent::PurchaseRefused, "purchaseRefused"},
    {SoundEvent::GameSaved, "gameSaved"},
    {SoundEvent::SaveFailed, "saveFailed"},
    {SoundEvent::Bulletin, "bulletin"},
    {SoundEvent::MenuChoice, "menuChoice"},
    {SoundEvent::OptionToggled, "optionToggled"},
    {SoundEvent::ClosingTick, "closingTick"},
}};

// The loop under the day's views; not an event, the shell starts and stops it.
inline constexpr const char* ambienceName = "ambience";

constexpr const char* SoundName(SoundEvent event)
{
    return soundTable[static_cast<std::size_t>(event)].name;
}

// The events of one frame pass, in the order they happened.
struct SoundQueue {  // frame lifetime: emptied as each frame pass begins
    static constexpr int capacity = 32;
    std::array<SoundEvent, capacity> events{};
    int count = 0;

    // A frame that asks for more than the capacity is loud enough: the rest are dropped.
    void push(SoundEvent event)
    {
        if (count < capacity)
            events[count++] = event;
    }
    void clear() { count = 0; }
    const SoundEvent* begin() const { return events.data(); }
    const SoundEvent* end() const { return events.data() + count; }
};
extern SoundQueue soundQueue;

// What rule code calls: one line where something audible happens.
inline void QueueSound(SoundEvent event)
{
    soundQueue.push(event);
}
