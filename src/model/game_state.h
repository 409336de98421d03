// The running game's state, grouped by how long it lives: the program, a game, a day.
#pragma once
#include "model/catalogue.h"
#include "model/customers.h"
#include "model/game_clock.h"
#include "model/orders.h"
#include "model/stats.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int kKitchenQueueCapacity = 55;
// Frames of the hand-out view that clear to red after a bag went to the wrong car.
constexpr int kRedFlashFrames = 75;

struct UpgradeLevels {
    int drinks = 0;         // 0..5
    int burgers = 0;        // 0..5
    int sides = 0;          // 0..5
    int advertisement = 0;  // 0..5
    int shopCursor = 1;     // 1..6
};

struct CookJob {
    float rate = 0.0f;      // percent per frame
    float progress = 0.0f;  // 0..100
    int item = 0;           // 1..15
    std::string name;       // display name
    bool active = false;
    bool warning = false;
    int warningTimer = 0;   // 0..100
    int colourTimer = 0;    // 0..10
    float red = 0.0f, green = 0.0f, blue = 0.0f;
};

// Option bits of gameOptions.
namespace Option {
constexpr uint8_t FiveMinuteDays = 1;
constexpr uint8_t StartingCash = 2;
constexpr uint8_t HalfSatisfaction = 4;
constexpr uint8_t SmoothTransitions = 8;
}  // namespace Option

// The speaker at the drive-thru (dumped as 0, 1, 2).
enum class RegisterState { Empty = 0, CarWaiting = 1, OnHold = 2 };

// The stages between two days, in the order a day passes them (dumped as 0-4).
enum class BetweenDaysStage { DayOver = 0, Report = 1, Shop = 2, Saving = 3, Bulletin = 4 };

// The three views of a day and the six slides between them (dumped as 0-8).
enum class InGameView {
    Register = 0,
    Kitchen = 1,
    Window = 2,
    RegisterToKitchen = 3,
    RegisterToWindow = 4,
    KitchenToRegister = 5,
    KitchenToWindow = 6,
    WindowToRegister = 7,
    WindowToKitchen = 8,
};
constexpr bool IsSlide(InGameView v) { return v >= InGameView::RegisterToKitchen; }

// The report's list in text space: line 0's y with nothing scrolled, and the
// step from one line to the next.
constexpr int kReportTop = 443;
constexpr int kReportLineHeight = 11;

// The report's view state.
struct ReportView {
    int scrollTop = kReportTop;  // text-space y of line 0; one line height more per line scrolled
    float cursorRow = 0.0f;   // 0 top row of the window .. -38 bottom row
    float cursorLine = 0.0f;  // minus the index of the line under the cursor
    uint32_t expanded = 0;    // bit (1 << slot) set for each open line
    int upHeldFrames = 0;
    int downHeldFrames = 0;
};

// Lives for the whole run and is never cleared: the options are not part of a
// game, and the next day's report opens where this one was left.
struct ProgramState {
    uint8_t gameOptions = Option::SmoothTransitions;  // never saved
    ReportView report;
};

// Lives for one game. Set at program start; StartNewGame clears the totals, a
// loaded game replaces the saved fields; the rest carries over from day to day.
struct GameState {
    float headsetBattery = 100.0f;
    float customerSatisfaction = 0.0f;
    UpgradeLevels upgradeLevels;
    float cookRateTable[kMenuItemCount] = {};  // filled from the catalogue's base rates at start
    TotalStats totals;

    bool dayStartPending = true;
    bool applySatisfactionHandicap = true;
    bool dayOver = false;
    BetweenDaysStage betweenDaysStage = BetweenDaysStage::DayOver;
    float satisfactionBonus = 0.0f;  // the increase of the day just closed
    bool saveRequested = false;      // 'S' in the shop; SaveGame clears it
    float awardMoney = 0.0f;         // the report's award total as of its last frame; 0 once paid
    int savingDotTimer = 0;  // 1..30, the dots of "SAVING..."
    int savingFrames = 0;    // frames since the saving screen (re)started
    bool saveFailed = false; // outcome of the latest SaveGame

    GameState();
};

// Lives for one day: PrepareNextDay and StartDay clear it between two days
// (the bags' selected and picked-up flags, the speaker, the slide and the red
// flash carry over, as does the day number, which only counts up).
struct DayState {
    GameClock gameClock;
    DayStats stats;
    InGameView inGameView = InGameView::Register;
    int slideOffset = 0;  // pixels
    bool slideReverse = false;

    RegisterState registerState = RegisterState::Empty;
    int carsInLine = 0;
    int customersServed = 0;
    int orderCounter = 0;
    int framesSinceOrder = kNoSpokenOrder;
    int framesSinceWrongBag = 200;
    bool orderOpen = false;
    bool orderPrompt = false;

    CookJob kitchenQueue[kKitchenQueueCapacity];
    int kitchenQueueCount = 0;

    Bag bags[kBagCount];
    Bag waitingReceipts[kWaitingSlotCount];
    Receipt* currentReceipt = nullptr;  // never owns: its slot does
    std::vector<Customer> customerQueue;  // the day's customers
};

extern ProgramState program;
extern GameState game;
extern DayState day;

// Appends a cook job for an item at the back of the kitchen queue (the caller
// makes sure it is not full); its finished colour takes three random draws.
void queueCookJob(int itemNumber);
// Removes the front job; the others move up one entry.
void popCookJob();

// Sets the fifteen cook rates: base + step x the category's level.
void recomputeCookRates(const UpgradeLevels& levels);
