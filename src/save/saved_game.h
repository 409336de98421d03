// The saved game: "SavedGame.txt" in the working folder.
#pragma once

// Writes the game when saveRequested is set, then clears it.
void SaveGame(float headsetBattery, float customerSatisfaction, bool& saveRequested);
// Reads the saved game and opens the between-days shop.
void LoadGame(float& headsetBattery, float& customerSatisfaction, bool& dayOver);
// True when "SavedGame.txt" can be opened for reading.
bool SavedGameExists();
