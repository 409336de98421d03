// The stages between two days, as the in-game controller calls them: DAY OVER,
// the report, the upgrades shop, the saving screen and the bulletin.
#pragma once

constexpr int kReportSlots = 21;

// What one frame of the report drew: where each collapsible line went.
struct ReportLayout {
    int headerLines[kReportSlots];  // line index by slot; -1 for an award not given
    float awardTotal;
    int cursorLine;
};

// Every frame while the day is over, before the stage is drawn.
void BetweenDaysControl(const bool* keys);
// Stage 1: draws the report and moves its cursor; then HandleReportKeys.
ReportLayout DrawEndOfDayReport(const bool* keys, float satisfactionBonus);
void HandleReportKeys(const bool* keys, const ReportLayout& layout);
// Stage 2.
void DrawUpgradesShop(float headsetBattery);
// Stage 3: the saving screen, then SaveGame (src/save/saved_game.h).
void DrawSavingScreen(bool restart);
// Stage 4.
void DrawBulletin();
