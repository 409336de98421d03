// Placeholder stages until the between-days screens land.
#include "dayend/between_days.h"
#include "save/saved_game.h"

void BetweenDaysControl(const bool*) {}
ReportLayout DrawEndOfDayReport(const bool*, float) { return ReportLayout{}; }
void HandleReportKeys(const bool*, const ReportLayout&) {}
void DrawUpgradesShop(float) {}
void DrawSavingScreen(bool) {}
void DrawBulletin() {}
void SaveGame(float, float, bool& saveRequested) { saveRequested = false; }
void LoadGame(float&, float&, bool&) {}
