// The stages between two days as the in-game controller runs them: DAY OVER,
// the report, the upgrades shop, the saving screen and the bulletin.
#pragma once
#include "model/between_days_frame.h"
#include "model/game_state.h"

struct ReportLayout;

// One frame while the day is over: the stage's keys and steps; returns what
// the stage draws.
BetweenDaysFrame RunBetweenDays(const bool* keys);
// Every frame while the day is over, before the stage is drawn.
void BetweenDaysControl(const bool* keys);
// Raises customerSatisfaction (at most to 100) by the day's bonus; returns the
// increase before the cap.
float ComputeSatisfactionBonus();
// The report's frame: its lines as they stand, then the award money, the
// cursor keys, Enter and Space.
ReportFrame ReportStep(const bool* keys);
void HandleReportKeys(const bool* keys, const ReportLayout& layout);
// The shop's keys, in the order the game examines them.
void ShopKeys(const bool* keys);
// The saving screen's animation: restarted when a save was just asked for.
void UpdateSavingScreen(bool restart);
