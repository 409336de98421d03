// What one frame of a day draws, as the day's steps left it at each draw's
// point in the frame: the strip, one view (two during a slide), the spoken
// order, the speaker icon and the status bar.
#pragma once
#include "model/customers.h"
#include "model/game_state.h"

#include <optional>
#include <variant>

constexpr int kStripSlots = 5;

// A slot of the kitchen queue strip, after the cooking's display timers and
// before the cooking: a job that passes 100 shows its uncapped progress once.
struct StripSlot {
    bool active = false;
    bool warningShown = false;  // the red box of a premature Space
    int item = 0;
    float progress = 0.0f;
    float red = 0.0f, green = 0.0f, blue = 0.0f;  // a finished job's colour
};
struct StripValues {
    StripSlot slots[kStripSlots];
    int kitchenQueueCount = 0;
};

struct RegisterValues {
    std::optional<Receipt> receipt;  // the one being keyed
    bool closed = false;             // 10 pm has passed
    bool orderPrompt = false;
    int dayNumber = 1;
};

struct KitchenBagValues {
    bool free = true;
    bool selected = false;
    bool ready = false;  // every line of its receipt is bagged
};
struct KitchenValues {
    std::optional<Receipt> selectedReceipt;  // of the first selected bag in use
    KitchenBagValues bags[kBagCount];
    bool waitingFree[kWaitingSlotCount] = {true, true};
};

struct HandOutValues {
    bool redFlash = false;
    bool bagPickedUp = false;
    std::optional<int> orderNumber;  // of the picked-up bag's receipt
    bool bagForServedCar = false;
    bool carWithoutReceipt = false;
    bool anyReceipt = false;
    bool customerQueueEmpty = true;
    int windowCustomerPicture = 0;  // 1..13 of the car due at the window; 0 none
};

// One of the three views at a horizontal offset in pixels.
struct ViewValues {
    int offset = 0;
    std::variant<RegisterValues, KitchenValues, HandOutValues> view;
};

struct StatusValues {
    GameClock clock;
    float battery = 0.0f;
    float satisfaction = 0.0f;
    int customerNumber = 0;
    int totalCustomers = 0;
    float lastOrderTime = 0.0f;
};

struct DayFrame {
    StripValues strip;
    ViewValues views[2];
    int viewCount = 1;
    std::optional<Customer> spokenOrder;  // the latest customer's words, while shown
    RegisterState speaker = RegisterState::Empty;  // before the day's clock runs
    StatusValues status;                           // after it
};
