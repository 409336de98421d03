// The state of a running game: clock, battery, satisfaction, upgrades, options,
// the controller's flags, the register, the kitchen queue, bags and customers.
#pragma once
#include "model/catalogue.h"
#include "model/customers.h"
#include "model/game_clock.h"
#include "model/orders.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int kKitchenQueueCapacity = 55;

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

struct GameState {  // program lifetime: one game per run
    float headsetBattery = 100.0f;
    float customerSatisfaction = 0.0f;
    GameClock gameClock;
    UpgradeLevels upgradeLevels;
    float cookRateTable[kMenuItemCount] = {};  // filled from the catalogue's base rates at start
    uint8_t gameOptions = Option::SmoothTransitions;  // never saved

    bool dayStartPending = true;
    bool applySatisfactionHandicap = true;
    bool dayOver = false;
    int betweenDaysStage = 0;  // 0 DAY OVER, 1 report, 2 shop, 3 saving, 4 bulletin
    int inGameView = 0;        // 0 register, 1 kitchen, 2 window, 3..8 slides
    int slideOffset = 0;       // pixels
    bool slideReverse = false;

    int registerState = 0;  // 0 nobody at the speaker, 1 a car waits, 2 on hold
    int carsInLine = 0;
    int customersServed = 0;
    int orderCounter = 0;
    int framesSinceOrder = 601;
    int framesSinceWrongBag = 200;
    bool orderOpen = false;
    bool orderPrompt = false;

    CookJob kitchenQueue[kKitchenQueueCapacity];
    int kitchenQueueCount = 0;

    Bag bags[kBagCount];
    Bag waitingReceipts[kWaitingSlotCount];
    Receipt* currentReceipt = nullptr;  // never owns: its slot does
    std::vector<Customer> customerQueue;  // the day's customers, emptied each day

    GameState();
};
extern GameState game;

// Appends a cook job for an item at the back of the kitchen queue (the caller
// makes sure it is not full); its finished colour takes three random draws.
void queueCookJob(int itemNumber);
// Removes the front job; the others move up one entry.
void popCookJob();

// Sets the fifteen cook rates: base + step x the category's level.
void recomputeCookRates(const UpgradeLevels& levels);
