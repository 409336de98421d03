// The stages between two days as the in-game controller runs them: DAY OVER,
// the report, the upgrades shop, the saving screen and the bulletin.
#pragma once
#include "model/game_state.h"
#include "screens/between_days_screens.h"

// One frame while the day is over: the stage's keys, then its screen.
void RunBetweenDays(const bool* keys);
// Every frame while the day is over, before the stage is drawn.
void BetweenDaysControl(const bool* keys);
// Raises customerSatisfaction (at most to 100) by the day's bonus; returns the
// increase before the cap.
float ComputeSatisfactionBonus(float& customerSatisfaction);
// After the report is drawn: the award money, the cursor keys, then Enter and Space.
void ReportStep(const bool* keys, ReportLayout layout);
void HandleReportKeys(const bool* keys, const ReportLayout& layout);
// The shop's keys, in the order the game examines them.
void ShopKeys(const bool* keys);
// The saving screen's animation: restarted when a save was just asked for.
void UpdateSavingScreen(bool restart);
