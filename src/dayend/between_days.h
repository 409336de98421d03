// The stages between two days, as the in-game controller calls them: DAY OVER,
// the report, the upgrades shop, the saving screen and the bulletin.
#pragma once
#include <cstdint>

constexpr int kReportSlots = 21;

// What one frame of the report drew: where each collapsible line went.
struct ReportLayout {
    int headerLines[kReportSlots];  // line index by slot; -1 for an award not given
    float awardTotal;
    int cursorLine;
};

// The report's view state: never reset, so the next day's report opens where
// this one was left.
struct ReportView {
    int scrollTop = 443;         // text-space y of line 0; 443 + 11 per line scrolled
    float cursorRow = 0.0f;      // 0 top row of the window .. -38 bottom row
    float cursorLine = 0.0f;     // minus the index of the line under the cursor
    uint32_t expanded = 0;       // bit (1 << slot) set for each open line
    int upHeldFrames = 0;
    int downHeldFrames = 0;
};

struct BetweenDaysState {  // program lifetime; nothing resets it between days or games
    float satisfactionBonus = 0.0f;  // the increase of the day just closed
    bool saveRequested = false;      // 'S' in the shop; SaveGame clears it
    float awardMoney = 0.0f;         // award total of the last drawn report frame
    ReportView report;
    int savingDotTimer = 0;  // 1..30, the dots of "SAVING..."
    int savingFrames = 0;    // frames since the saving screen (re)started
    bool saveFailed = false; // outcome of the latest SaveGame
};
extern BetweenDaysState betweenDays;

// Every frame while the day is over, before the stage is drawn.
void BetweenDaysControl(const bool* keys);
// Raises customerSatisfaction (at most to 100) by the day's bonus; returns the
// increase before the cap.
float ComputeSatisfactionBonus(float& customerSatisfaction);
// Stage 1: draws the report and moves its cursor; then HandleReportKeys.
ReportLayout DrawEndOfDayReport(const bool* keys, float satisfactionBonus);
void HandleReportKeys(const bool* keys, const ReportLayout& layout);
// Stage 2.
void DrawUpgradesShop(float headsetBattery);
// Stage 3: the saving screen, then SaveGame (src/save/saved_game.h).
void DrawSavingScreen(bool restart);
// Stage 4.
void DrawBulletin();
