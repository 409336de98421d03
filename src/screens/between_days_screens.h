// The screens between two days: DAY OVER, the end-of-day report, the upgrades
// shop, the saving screen and the district manager's bulletin.
#pragma once
#include "model/between_days_frame.h"

void DrawDayOver();
void DrawEndOfDayReport(const ReportFrame& report);
void DrawUpgradesShop(const ShopFrame& shop);
void DrawSavingScreen(const SavingFrame& saving);
void DrawBulletin(const BulletinFrame& bulletin);
void DrawBetweenDays(const BetweenDaysFrame& frame);
