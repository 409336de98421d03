// The screens between two days: DAY OVER, the end-of-day report, the upgrades
// shop, the saving screen and the district manager's bulletin. They only draw.
#pragma once
#include "model/game_state.h"

constexpr int kReportSlots = 21;

// What one frame of the report drew: where each collapsible line went.
struct ReportLayout {
    int headerLines[kReportSlots];  // line index by slot; -1 for an award not given
    float awardTotal;               // the awards given this frame
    int cursorLine;                 // set by the report's cursor keys after drawing
    int lineCount;                  // lines drawn this frame
};

void DrawDayOver();
// The whole list with the cursor as it stands, and the previous frame's award money.
ReportLayout DrawEndOfDayReport(const ProgramState& program, const GameState& game, const DayStats& day);
void DrawUpgradesShop(const GameState& game);
void DrawSavingScreen(const GameState& game);
void DrawBulletin(const DayStats& day);
